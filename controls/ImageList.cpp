#include "controls/ImageList.h"

#include <QPainter>
#include <QPixmapCache>

namespace controls {

namespace {

QPixmap Draw(int index, qreal dpr) {
    QPixmap pixmap(QSize(qRound(ImageList::Width * dpr), qRound(ImageList::Height * dpr)));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 32, 32));
    constexpr qreal radius = 7.0;
    const qreal y = ImageList::Height / 2.0;
    if (index == 2) {
        painter.drawEllipse(QPointF(ImageList::Width / 2.0 - 13.0, y), radius, radius);
        painter.drawEllipse(QPointF(ImageList::Width / 2.0 + 13.0, y), radius, radius);
    } else {
        painter.drawEllipse(QPointF(ImageList::Width / 2.0, y), radius, radius);
    }
    return pixmap;
}

} // namespace

QPixmap ImageList::Picture(int index, qreal devicePixelRatio) {
    // Drawing takes longer than a look-up: each picture is kept once drawn, per ratio, in Qt's
    // pixmap cache, which the application empties when it ends.
    const int picture = index == 2 ? 2 : 1;
    const QString key = QStringLiteral("kelvora/dot-%1@%2").arg(picture).arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = Draw(picture, devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace controls
