#include "controls/Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace controls {

namespace {

constexpr int CursorSize = 32;
// The tip of the index finger, where a click lands.
constexpr QPoint FingerTip{10, 1};

// A hand pointing up with its index finger, the three other fingers folded.
QPainterPath HandPath() {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 0.5, 4.5, 15), 2.2, 2.2); // index finger
    hand.addRoundedRect(QRectF(12, 9, 4.5, 9), 2.2, 2.2);   // middle finger
    hand.addRoundedRect(QRectF(16, 10, 4.5, 8), 2.2, 2.2);  // ring finger
    hand.addRoundedRect(QRectF(20, 11, 4, 7), 2, 2);        // little finger
    hand.addRoundedRect(QRectF(8, 14, 16.5, 12), 4, 4);     // palm
    hand.addRoundedRect(QRectF(3, 14.5, 7, 4), 2, 2);       // thumb
    return hand.simplified();
}

QPixmap DrawStarredHand() {
    QPixmap picture(CursorSize, CursorSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(QColor(255, 192, 128));
    painter.drawPath(HandPath());
    QPainterPath star;
    const QPointF centre(26, 5.5);
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2) ? 2.0 : 5.0;
        const QPointF point = centre + radius * QPointF(std::sin(i * std::numbers::pi / 5),
                                                        -std::cos(i * std::numbers::pi / 5));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(QColor(255, 224, 64));
    painter.drawPath(star);
    painter.end();
    return picture;
}

} // namespace

QCursor LinkCursor() {
    return QCursor(Qt::PointingHandCursor);
}

QCursor FullBrandCursor() {
    return QCursor(DrawStarredHand(), FingerTip.x(), FingerTip.y());
}

} // namespace controls
