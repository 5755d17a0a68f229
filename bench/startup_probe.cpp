// Starts either Kelvora (StartProgram) or a bare QMainWindow, and exits as soon as the first
// window is shown and exposed. bench_startup times whole runs of it.
#include "shell/Startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QWindow>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QMainWindow bareWindow;
    if (bare) {
        bareWindow.resize(835, 550);
        bareWindow.show();
    } else {
        StartProgram();
    }
    for (;;) {
        QApplication::processEvents(QEventLoop::AllEvents);
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->isExposed()) {
                return 0;
            }
        }
    }
}
