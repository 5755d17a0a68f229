#include "platform/ProgramIcon.h"

#include <QGuiApplication>
#include <QIcon>

namespace platform {

namespace {

QIcon ProgramIcon() {
    // The icon's pictures in several sizes, so that it stays sharp on high-DPI screens and in task
    // switchers.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/kelvora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

void UseProgramIcon() {
    static const bool used = [] {
        QGuiApplication::setWindowIcon(ProgramIcon());
        return true;
    }();
    Q_UNUSED(used);
}

} // namespace platform
