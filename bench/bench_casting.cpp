// A whole casting on the real main window: thirteen presses and the reset, beside the cheapest
// possible press, a bare button whose click sets its own caption.
#include "casting/Chart.h"
#include "controls/FrameStyle.h"
#include "platform/Random.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void BM_BareButtonPress(benchmark::State& state) {
    QPushButton button;
    int count = 0;
    QObject::connect(&button, &QPushButton::clicked,
                     [&] { button.setText(QStringLiteral("Press %1").arg(++count)); });
    button.show();
    for (auto _ : state) {
        button.click();
        QApplication::processEvents();
    }
}

// A fresh board on a shown main window; returns its casting button.
QPushButton* ShowBoard(frmMain& window) {
    ClearCells();
    intPressCount = 0;
    platform::Randomize(7);
    window.show();
    QApplication::processEvents();
    return window.findChild<QPushButton*>(QStringLiteral("cmdProceed"));
}

// One figure press (presses 1 to 12); the interpretation press and the reset run untimed.
void BM_FigurePress(benchmark::State& state) {
    frmMain window;
    QPushButton* cmdProceed = ShowBoard(window);
    for (auto _ : state) {
        cmdProceed->click();
        QApplication::processEvents();
        if (intPressCount == 12) {
            state.PauseTiming();
            cmdProceed->click();
            cmdProceed->click();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

// Thirteen presses and the reset, painted after each press.
void BM_WholeCasting(benchmark::State& state) {
    frmMain window;
    QPushButton* cmdProceed = ShowBoard(window);
    for (auto _ : state) {
        for (int press = 1; press <= 14; ++press) {
            cmdProceed->click();
            QApplication::processEvents();
        }
    }
}

} // namespace

BENCHMARK(BM_BareButtonPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FigurePress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeCasting)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    controls::UseProgramStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
