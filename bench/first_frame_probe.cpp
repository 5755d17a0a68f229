// Starts Kelvora as the program does and exits as soon as the main window's first frame is on
// the display. Needs a real display (Xvfb); bench_first_frame times whole runs of it.
#include "bench/FirstFrame.h"
#include "controls/FrameStyle.h"
#include "platform/FontConfiguration.h"
#include "platform/InstanceLock.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

int main(int argc, char* argv[]) {
    platform::BeginReadingFontConfiguration();
    QApplication app(argc, argv);
    controls::UseProgramStyle();
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    StartProgram();
    // The lock goes back as at every end of the program, so each run starts as a user's would.
    const FirstFrame watch(MainWindow(), [] { platform::ReleasePrevInstanceLock(); });
    return QApplication::exec();
}
