// A copy of Kelvora with two more windows, one hidden, whose main window gets two close requests
// in one turn of the event loop, as from a window manager; then Exit is pressed in the exit
// window. It prints the exit windows it found and each window's unloading. QuitProgram must end
// the event loop with status 0; status 3 means the loop ended some other way.
#include "shell/Startup.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"
#include "tests/TestMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// A window that says when its unload handler runs.
class ProbeWindow : public QWidget {
public:
    explicit ProbeWindow(const char* name) : name_(name) {}

protected:
    void closeEvent(QCloseEvent*) override {
        std::printf("unloaded %s\n", name_);
        std::fflush(stdout);
    }

private:
    const char* name_;
};

} // namespace

int main(int argc, char* argv[]) {
    testsupport::InitMain();
    QApplication app(argc, argv);
    if (!StartProgram()) {
        return 2;
    }
    ProbeWindow shown("shown"), hidden("hidden");
    shown.show();
    QTimer::singleShot(0, [] {
        QCoreApplication::postEvent(MainWindow()->windowHandle(), new QCloseEvent);
        QCoreApplication::postEvent(MainWindow()->windowHandle(), new QCloseEvent);
        QTimer::singleShot(0, [] {
            QList<frmExit*> shown;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* exitWindow = qobject_cast<frmExit*>(window);
                    exitWindow && window->isVisible()) {
                    shown.append(exitWindow);
                }
            }
            std::printf("exit windows: %d\n", int(shown.size()));
            std::fflush(stdout);
            if (!shown.isEmpty()) {
                shown.first()->cmdExit->click();
            }
        });
    });
    const int status = QApplication::exec();
    return Quitting() ? status : 3;
}
