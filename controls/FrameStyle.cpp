#include "controls/FrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace controls {

namespace {

// The room Fusion leaves above a group box's frame besides its caption's.
constexpr int TopMargin = 3;

} // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame starts below the caption, where Fusion starts it.
    int top = TopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty()) {
        top += std::max(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                        option->fontMetrics.height());
    }
    // One pixel in from the top and left edges, as Fusion's; the corner pixels are left out,
    // which rounds the corners. The top is counted from the box's own top, as Qt 6.4 hands over
    // the whole box and Qt 6.8 a rectangle that already starts lower.
    QRect frame = option->rect.adjusted(1, 0, 0, 0);
    frame.setTop(top + 1);
    if (frame.width() < 3 || frame.height() < 3) {
        return;
    }
    // A fifth of the way from the ground to mid grey: how Fusion's translucent line shows over
    // the ground, lighter on a dark one and darker on a light one. Opaque, as Qt hands a
    // translucent fill of many rows to its thread pool.
    const QColor ground = option->palette.color(QPalette::Window);
    const auto towardsGrey = [](int value) { return value + (117 - value) / 5; };
    const QColor line(towardsGrey(ground.red()), towardsGrey(ground.green()),
                      towardsGrey(ground.blue()));
    painter->fillRect(frame.left() + 1, frame.top(), frame.width() - 2, 1, line);
    painter->fillRect(frame.left() + 1, frame.bottom(), frame.width() - 2, 1, line);
    painter->fillRect(frame.left(), frame.top() + 1, 1, frame.height() - 2, line);
    painter->fillRect(frame.right(), frame.top() + 1, 1, frame.height() - 2, line);
}

void UseProgramStyle() {
    QApplication::setStyle(new FrameStyle);
}

} // namespace controls
