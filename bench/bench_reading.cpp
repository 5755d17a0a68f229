// The diviners' reading against what it stands beside, in one run: the reading model of a chart
// beside ChartOf of the same cast (every cast in turn), and opening the Reading window to its
// first painted frame beside a bare QDialog of the same size showing the same text.
#include "bench/PairReporter.h"
#include "casting/Cast.h"
#include "casting/CastingBoard.h"
#include "casting/Reading.h"
#include "casting/frmReading.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

frmMain* mainWindow = nullptr;
// The Reading window's text, for the bare dialog.
QString chartLine;
QString readingHtml;

Mothers Cast(unsigned pattern) {
    Mothers mothers{};
    for (std::size_t c = 0; c < mothers.size(); ++c) {
        mothers[c] = (pattern >> c) & 1u ? 2 : 1;
    }
    return mothers;
}

const std::vector<std::array<Figure, HouseCount>>& Charts() {
    static const std::vector<std::array<Figure, HouseCount>> charts = [] {
        std::vector<std::array<Figure, HouseCount>> all;
        for (unsigned pattern = 0; pattern < 65536; ++pattern) {
            all.push_back(ChartOf(Cast(pattern), Tableau::Diviners));
        }
        return all;
    }();
    return charts;
}

void BM_ChartOf(benchmark::State& state) {
    unsigned pattern = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChartOf(Cast(pattern++ & 0xFFFFu), Tableau::Diviners));
    }
}

// The same casts' making of mothers included, so that only the work differs.
void BM_ReadChart(benchmark::State& state) {
    const auto& charts = Charts();
    unsigned pattern = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cast(pattern & 0xFFFFu));
        benchmark::DoNotOptimize(ReadChart(charts[pattern++ & 0xFFFFu], 1));
    }
}

void BM_BareDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        dialog.setFixedSize(600, 510);
        auto* line = new QLabel(chartLine, &dialog);
        line->setGeometry(8, 8, 584, 28);
        line->setWordWrap(true);
        auto* text = new QTextEdit(&dialog);
        text->setGeometry(8, 68, 584, 396);
        text->setReadOnly(true);
        text->setHtml(readingHtml);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}

void BM_OpenReadingWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmReading window(mainWindow->Frame3, nullptr);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

BENCHMARK(BM_ChartOf)->Repetitions(5);
BENCHMARK(BM_ReadChart)->Repetitions(5);
BENCHMARK(BM_BareDialog)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_OpenReadingWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    frmMain main;
    main.show();
    main.Frame3->OpenChart(*ReadMothers(QStringLiteral("1112/1112/1211/2121")), Tableau::Diviners);
    QApplication::processEvents();
    mainWindow = &main;
    {
        const frmReading shown(main.Frame3, nullptr);
        chartLine = shown.lblChart->text();
        QStringList sentences;
        readingHtml = frmReading::Compose(*CastingBoard::BoardMothers(), 1, sentences);
    }
    Charts();

    benchmark::Initialize(&argc, argv);
    PairReporter reporter(
        {{"BM_ReadChart", "BM_ChartOf", 3.0}, {"BM_OpenReadingWindow", "BM_BareDialog", 1.2}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
