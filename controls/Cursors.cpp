#include "controls/Cursors.h"

#include <QPixmap>

namespace controls {

QCursor LinkCursor() {
    return QCursor(Qt::PointingHandCursor);
}

QCursor FullBrandCursor() {
    // Hot spot at the tip of the index finger, where a click lands.
    return QCursor(QPixmap(QStringLiteral(":/cursors/full-brand-hand.png")), 10, 1);
}

} // namespace controls
