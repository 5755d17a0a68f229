#include "platform/ProgramIcon.h"

#include <QGuiApplication>

// The resource file is built into a static library: the program that links it registers it.
static void InitIconResource() {
    Q_INIT_RESOURCE(kelvora);
}

namespace platform {

QIcon ProgramIcon() {
    InitIconResource();
    // The icon's pictures in several sizes, so that it stays sharp on high-DPI screens and in task
    // switchers; each is decoded when first asked for.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/kelvora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void UseProgramIcon() {
    static const bool used = [] {
        QGuiApplication::setWindowIcon(ProgramIcon());
        return true;
    }();
    Q_UNUSED(used);
}

} // namespace platform
