#include "controls/FrameStyle.h"
#include "platform/Translation.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The program's own name, whatever its file is called (a copy named kelvora-1.1, a wrapper):
    // Qt derives the journal's folder, ~/.local/share/Kelvora/kelvora, from these two, for the
    // window and the command line alike.
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QCoreApplication::setApplicationName(QStringLiteral("kelvora"));
    std::vector<char*> arguments = HandleCommandLine(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    platform::UseSessionLanguage();
    controls::UseProgramStyle();
    // Ties the windows to the installed desktop entry, for its name and icon in task switchers.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvora.Kelvora"));
    if (!StartProgram(CommandLineChoice().tableau, CommandLineChoice().cast)) {
        return 0;
    }
    return QApplication::exec();
}
