#include "shell/Startup.h"

#include "platform/Cursors.h"
#include "platform/Look.h"
#include "platform/Runtime.h"
#include "platform/SessionBus.h"
#include "shell/UpdateReminder.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace {

QPointer<frmMain> g_frmMain;
bool g_quitting = false;

} // namespace

frmMain* MainWindow() {
    return g_frmMain;
}

bool RefuseSecondInstance() {
    if (!platform::App_PrevInstance()) {
        return false;
    }
    platform::MsgBox(QStringLiteral("Application is already running"), platform::vbInformation);
    return true;
}

void StartProgram() {
    // Begun on other threads, and done by the time the main window has been built.
    platform::BeginSessionBusConnection();
    platform::BeginReadingProgramIcon();
    platform::SetAppTitle(QString::fromLatin1(AppTitle));
    if (RefuseSecondInstance()) {
        QuitProgram();
    }
    platform::Randomize();
    RemindOfUpdate();
    g_frmMain = new frmMain;
    g_frmMain->setAttribute(Qt::WA_DeleteOnClose);
    g_frmMain->adjustSize();
    platform::CenterOnScreen(g_frmMain);
    platform::UseProgramIcon();
    g_frmMain->show();
    g_frmMain->CoBrand_Randomize();
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
    std::exit(0);
}
