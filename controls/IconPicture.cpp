#include "controls/IconPicture.h"

#include "controls/Twips.h"
#include "platform/ProgramIcon.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>

namespace controls {

QPixmap ProgramIconPixmap(qreal devicePixelRatio) {
    // The application's icon, whose pictures are read once a run.
    platform::UseProgramIcon();
    return QGuiApplication::windowIcon().pixmap(QSize(32, 32), devicePixelRatio);
}

QLabel* ProgramIconPicture(QWidget* window) {
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(ProgramIconPixmap(window->devicePixelRatioF()));
    picture->setAccessibleName(QCoreApplication::translate("IconPicture", "Kelvora icon"));
    picture->setGeometry(TwipsRect(120, 120, 480, 480));
    return picture;
}

} // namespace controls
