// Starts Kelvora (StartProgram), a bare QMainWindow ("bare"), or a bare QMainWindow holding one
// line of text ("text", which pays for loading the font database as any window with text does),
// and exits as soon as the first window is shown and exposed. bench_startup times whole runs.
#include "controls/FrameStyle.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include <cstring>

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "kelvora";
    QApplication app(argc, argv);
    if (std::strcmp(mode, "kelvora") == 0) {
        controls::UseProgramStyle();
    } else {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    QMainWindow bareWindow;
    if (std::strcmp(mode, "kelvora") != 0) {
        if (std::strcmp(mode, "text") == 0) {
            bareWindow.setCentralWidget(new QLabel(QStringLiteral("Kelvora v1.0")));
        }
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
