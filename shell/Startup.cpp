#include "shell/Startup.h"

#include "casting/CastingBoard.h"
#include "controls/FirstPaint.h"
#include "controls/Look.h"
#include "platform/InstanceLock.h"
#include "platform/MsgBox.h"
#include "platform/ProgramIcon.h"
#include "platform/Random.h"
#include "shell/UpdateReminder.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<frmMain> g_frmMain;
QPointer<frmExit> g_frmExit;
bool g_quitting = false;

// The main window was closed: the exit window takes over, and closing it ends the program. One
// exit window however many close requests arrive; none while the program is already ending.
void ShowExitWindow() {
    if (g_quitting || g_frmExit) {
        return;
    }
    g_frmExit = new frmExit;
    g_frmExit->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(g_frmExit, &frmExit::unloaded, [] {
        if (!g_quitting) {
            QuitProgram();
        }
    });
    controls::CenterOnScreen(g_frmExit);
    g_frmExit->show();
}

} // namespace

frmMain* MainWindow() {
    return g_frmMain;
}

bool RefuseSecondInstance() {
    if (!platform::App_PrevInstance()) {
        return false;
    }
    platform::MsgBox(QCoreApplication::translate("Startup", "Application is already running"),
                     QMessageBox::Ok, QMessageBox::Information);
    return true;
}

bool StartProgram(const std::optional<Tableau>& tableau, const std::optional<Mothers>& cast) {
    if (RefuseSecondInstance()) {
        return false;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    platform::Randomize();
    // Today's date is written once the main window is on the screen: the first frame does not
    // need it, and the write waits for the disk.
    const std::function<void()> rememberToday = RemindOfUpdateWritingLater();
    g_frmMain = new frmMain;
    g_frmMain->setAttribute(Qt::WA_DeleteOnClose);
    if (tableau) {
        g_frmMain->UseTableauForRun(*tableau);
    }
    if (cast) {
        g_frmMain->Frame3->EnterMothers(*cast);
    }
    QObject::connect(g_frmMain, &frmMain::unloaded, &ShowExitWindow);
    g_frmMain->adjustSize();
    controls::CenterOnScreen(g_frmMain);
    platform::UseProgramIcon();
    g_frmMain->show();
    g_frmMain->CoBrand_Randomize();
    if (rememberToday) {
        controls::AfterFirstPaint(g_frmMain, rememberToday);
    }
    return true;
}

bool Quitting() {
    return g_quitting;
}

void QuitProgram() {
    if (!g_quitting) {
        g_quitting = true;
        // Unload every window, so that each window's unload handler (its closeEvent) runs.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            window->close();
        }
    }
    platform::ReleasePrevInstanceLock();
    QCoreApplication::exit(0);
}
