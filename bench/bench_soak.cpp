// Soak: 1,000 whole castings (thirteen presses and the reset press) on the real main window, and
// 100 report windows opened by Print and closed, in one process. Prints the peak resident set
// and how much the resident set grew from the 100th casting on, where a leak would show.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "casting/CastingBoard.h"
#include "controls/FrameStyle.h"
#include "platform/Random.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace {

constexpr int Castings = 1000;
constexpr int ReportEvery = 10; // 100 report windows
constexpr int Baseline = 100;

double ResidentMiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Print opens the report window modally; close it as soon as its own loop runs. Returns
// whether a report window was there to close.
bool PrintAndClose(frmMain& window) {
    bool closed = false;
    QTimer::singleShot(0, [&closed] {
        if (QWidget* report = QApplication::activeModalWidget()) {
            report->close();
            closed = true;
        }
    });
    window.Frame3->Command1->click();
    return closed;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    controls::UseProgramStyle();
    platform::Randomize();
    frmMain window;
    window.show();
    QApplication::processEvents();

    QPushButton* cmdProceed = window.Frame3->cmdProceed;
    const double start = ResidentMiB();
    double baseline = 0;
    int reports = 0;
    for (int casting = 1; casting <= Castings; ++casting) {
        for (int press = 1; press <= 13; ++press) {
            cmdProceed->click();
        }
        if (casting % ReportEvery == 0) {
            reports += PrintAndClose(window) ? 1 : 0;
        }
        cmdProceed->click(); // the reset press
        // Let paints and deferred deletions run, as they would between a person's presses.
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (casting == Baseline) {
            baseline = ResidentMiB();
        }
        if (casting % 100 == 0) {
            std::printf("after %4d castings, %3d report windows: resident %.2f MiB\n", casting,
                        reports, ResidentMiB());
        }
    }
    const double end = ResidentMiB();
    std::printf("\nresident at start          %8.2f MiB\n", start);
    std::printf("resident after casting %d %8.2f MiB\n", Baseline, baseline);
    std::printf("resident at the end        %8.2f MiB\n", end);
    std::printf("growth from casting %d on  %8.0f KiB (target: under 1 MB)\n", Baseline,
                (end - baseline) * 1024.0);
    // The kernel updates its high-water mark lazily, so it may trail the last sample a little.
    std::printf("peak resident (getrusage)  %8.2f MiB\n", PeakMiB());
    return 0;
}
