#include "controls/ImageList.h"

#include <QHash>
#include <QPainter>

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
    // Drawing takes longer than a look-up: keep each picture per ratio once drawn.
    static QHash<QPair<int, qreal>, QPixmap> cache;
    const auto key = qMakePair(index == 2 ? 2 : 1, devicePixelRatio);
    auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        return *found;
    }
    return cache.insert(key, Draw(key.first, devicePixelRatio)).value();
}

} // namespace controls
