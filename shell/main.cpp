#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    // Ties the windows to the installed desktop entry, for its name and icon in task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvora.Kelvora"));
    StartProgram();
    return QApplication::exec();
}
