// Starts Kelvora as the program does and exits as soon as the main window's first frame is on
// the display. Needs a real display (Xvfb); bench_first_frame times whole runs of it.
#include "bench/FirstFrame.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    StartProgram();
    const FirstFrame watch(MainWindow());
    return QApplication::exec();
}
