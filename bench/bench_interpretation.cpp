// The interpretation press on the real interpretation panel: the sixteen house sections written
// into RTB of the main window, beside one setPlainText of the same text into the same box (the
// cheapest way to put that text there), and beside the same sections written without an edit
// block. Each run ends with the whole document laid out, as the panel needs it to paint.
#include "bench/MainWindowBench.h"
#include "casting/Chart.h"
#include "casting/Derivation.h"
#include "casting/InterpretationPass.h"
#include "controls/RichTextBox.h"
#include "interpretation/modSikidy.h"
#include "platform/Random.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

frmMain* window = nullptr;

void CastChart() {
    ClearCells();
    platform::Randomize(2024);
    const auto none = [](int) {};
    for (int n = 1; n <= 4; ++n) {
        CreateMother(n, none);
    }
    for (int n = 1; n <= 8; ++n) {
        CreateDaughter(n, none);
    }
}

// Lays the whole document out (the size of a document is known only once it is all laid out).
void LayOut(controls::RichTextBox& box) {
    benchmark::DoNotOptimize(box.document()->size());
}

void Empty(benchmark::State& state, controls::RichTextBox& box) {
    state.PauseTiming();
    box.SetText(QString());
    LayOut(box);
    QApplication::processEvents();
    state.ResumeTiming();
}

void BM_InterpretationPress(benchmark::State& state) {
    controls::RichTextBox& RTB = *window->RTB;
    for (auto _ : state) {
        Empty(state, RTB);
        InterpretationPass(RTB);
        LayOut(RTB);
    }
}

void BM_SetPlainText(benchmark::State& state) {
    controls::RichTextBox& RTB = *window->RTB;
    RTB.SetText(QString());
    InterpretationPass(RTB);
    const QString text = RTB.toPlainText();
    for (auto _ : state) {
        Empty(state, RTB);
        RTB.setPlainText(text);
        LayOut(RTB);
    }
}

void BM_SectionsWithoutEditBlock(benchmark::State& state) {
    controls::RichTextBox& RTB = *window->RTB;
    for (auto _ : state) {
        Empty(state, RTB);
        for (int h = 1; h <= HouseCount; ++h) {
            const House& house = HouseEntry(h);
            strHouseLabel = QLatin1String(house.label);
            strHouseFigureName = QLatin1String(house.figureName);
            const auto& c = HouseFigure(h);
            modSikidy::InterpretHouse(RTB, h, intCells[c[0]], intCells[c[1]], intCells[c[2]],
                                      intCells[c[3]]);
        }
        LayOut(RTB);
    }
}

BENCHMARK(BM_SetPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterpretationPress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionsWithoutEditBlock)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunOnMainWindow(
        argc, argv,
        [](frmMain& main) {
            window = &main;
            CastChart();
        },
        "BM_SetPlainText", "setPlainText");
}
