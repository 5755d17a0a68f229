// Starts Kelvora as the program does and exits as soon as the main window's first frame is on
// the display. Needs a real display (Xvfb); bench_first_frame times whole runs of it.
#include "bench/FirstFrame.h"
#include "platform/FrameStyle.h"
#include "platform/Look.h"
#include "platform/Runtime.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

int main(int argc, char* argv[]) {
    platform::BeginReadingFontConfiguration();
    QApplication app(argc, argv);
    platform::UseProgramStyle();
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    StartProgram();
    // The lock goes back as at every end of the program, so each run starts as a user's would.
    const FirstFrame watch(MainWindow(), [] { platform::ReleasePrevInstanceLock(); });
    return QApplication::exec();
}
