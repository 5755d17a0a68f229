#include "shell/Startup.h"

#include "platform/Look.h"
#include "platform/Runtime.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace {

QPointer<frmMain> g_frmMain;

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
    platform::SetAppTitle(QString::fromLatin1(AppTitle));
    if (RefuseSecondInstance()) {
        QuitProgram();
    }
    platform::Randomize();
    g_frmMain = new frmMain;
    g_frmMain->setAttribute(Qt::WA_DeleteOnClose);
    g_frmMain->adjustSize();
    platform::CenterOnScreen(g_frmMain);
    g_frmMain->show();
}

void QuitProgram() {
    static bool quitting = false;
    if (!quitting) {
        quitting = true;
        // Unload every window; a window's unload handler may itself call QuitProgram.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            window->hide();
            window->deleteLater();
        }
    }
    std::exit(0);
}
