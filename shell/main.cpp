#include "controls/FrameStyle.h"
#include "platform/Translation.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    std::vector<char*> arguments = HandleCommandLine(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    platform::UseSessionLanguage();
    controls::UseProgramStyle();
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    // Ties the windows to the installed desktop entry, for its name and icon in task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvora.Kelvora"));
    if (!StartProgram(CommandLineChoice().tableau, CommandLineChoice().cast)) {
        return 0;
    }
    return QApplication::exec();
}
