#include "platform/FrameStyle.h"

#include <QApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Qt keeps a drawing of up to about a hundred rows on the calling thread; a band of 32 device
// rows stays below that even where the band crosses a child window and splits into spans.
constexpr int BandDeviceRows = 32;

} // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal scale = painter->device()->devicePixelRatio() *
                        std::max(std::abs(painter->transform().m22()), qreal(1));
    const int bandRows = std::max(1, static_cast<int>(BandDeviceRows / scale));
    const QRect frame = option->rect;
    for (int top = frame.top(); top <= frame.bottom(); top += bandRows) {
        painter->save();
        painter->setClipRect(QRect(frame.left(), top, frame.width(), bandRows), Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}

void UseProgramStyle() {
    QApplication::setStyle(new FrameStyle);
}

} // namespace platform
