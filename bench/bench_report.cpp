// The report window: saving its full report as RTF (with and without the file) beside
// QTextDocument::toHtml() of the same document, and opening the window (compose and first paint).
#include "bench/MainWindowBench.h"
#include "casting/CastingBoard.h"
#include "controls/RichTextBox.h"
#include "controls/RtfWriter.h"
#include "platform/Random.h"
#include "report/frmSave.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

frmMain* window = nullptr;

void BM_ToHtml(benchmark::State& state) {
    frmSave report(*window->RTB);
    for (auto _ : state) {
        benchmark::DoNotOptimize(report.RTB->document()->toHtml());
    }
}

void BM_RtfFromDocument(benchmark::State& state) {
    frmSave report(*window->RTB);
    for (auto _ : state) {
        benchmark::DoNotOptimize(controls::RtfFromDocument(*report.RTB->document()));
    }
}

void BM_SaveFile(benchmark::State& state) {
    frmSave report(*window->RTB);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.rtf"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(report.RTB->SaveFile(path));
    }
}

void BM_OpenReportWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmSave report(*window->RTB);
        report.show();
        benchmark::DoNotOptimize(report.grab());
    }
}

BENCHMARK(BM_ToHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfFromDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenReportWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunOnMainWindow(
        argc, argv,
        [](frmMain& main) {
            window = &main;
            platform::Randomize(2024);
            for (int press = 1; press <= 13; ++press) {
                main.Frame3->cmdProceed->click();
            }
            QApplication::processEvents();
        },
        "BM_ToHtml", "toHtml");
}
