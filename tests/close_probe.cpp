// Starts Kelvora and closes its main window as the close button would, then the exit window that
// it brings up. That must end the event loop through QuitProgram with status 0; if the loop
// ends any other way, the exit routine was bypassed and this program ends with status 3.
#include "shell/Startup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StartProgram();
    QTimer::singleShot(0, [] {
        MainWindow()->close();
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    window->close();
                }
            }
        });
    });
    const int status = QApplication::exec();
    return Quitting() ? status : 3;
}
