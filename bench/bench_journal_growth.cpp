// How the journal grows: journals of 1,000, 10,000 and 100,000 charts (1,000,000 with
// KELVORA_BENCH_MILLION=1; the file is about 700 MB), each made once in a temporary folder.
// - BM_FirstPage/<charts>/<letters>: a search's first page (32 rows, what the window lists first)
//   for the first one, two and three letters of a word, and for a whole word;
// - BM_ExportCsv/<charts> against BM_Sqlite3Csv/<charts>: the whole journal written as CSV by
//   the store, and by `sqlite3 -csv` writing the same rows' stored columns (time, offset,
//   question, note, mothers, tableau) to a file;
// and, printed at the end, the peak resident memory of a process that exports the journal of
// 100,000 charts against one that only opens and lists it (this program with --memory-probe).
#include "bench/JournalFiles.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>
#include <map>

namespace {

QTemporaryDir* folder = nullptr;

const QString& Journal(int charts) {
    return JournalOfSize(*folder, charts);
}

// Prefixes of one, two and three letters, and a whole word, of words the journals hold.
const QStringList& Typed(int letters) {
    static const std::map<int, QStringList> typed{{1, {"e", "v", "m", "s"}},
                                                  {2, {"en", "vo", "ma", "sa"}},
                                                  {3, {"ene", "voy", "mai", "san"}},
                                                  {0, {"énergie", "voyage", "maison", "santé"}}};
    return typed.at(letters);
}

void BM_FirstPage(benchmark::State& state) {
    journal::JournalStore store(Journal(int(state.range(0))));
    store.Open();
    const QStringList& typed = Typed(int(state.range(1)));
    for (auto _ : state) {
        for (const QString& text : typed) {
            benchmark::DoNotOptimize(store.List(text, {}, 32).rows.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
}

void BM_ExportCsv(benchmark::State& state) {
    journal::JournalStore store(Journal(int(state.range(0))));
    store.Open();
    const QString out = folder->filePath(QStringLiteral("export.csv"));
    for (auto _ : state) {
        if (!store.ExportCsv(out)) {
            state.SkipWithError(qPrintable(store.LastError()));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Sqlite3Csv(benchmark::State& state) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (tool.isEmpty()) {
        state.SkipWithError("no sqlite3 here");
        return;
    }
    const QString journal = Journal(int(state.range(0)));
    for (auto _ : state) {
        QProcess sqlite;
        sqlite.setStandardOutputFile(folder->filePath(QStringLiteral("sqlite3.csv")));
        sqlite.start(tool, {QStringLiteral("-csv"), journal,
                            QStringLiteral("SELECT kept_utc, offset_seconds, question, note, "
                                           "mothers, tableau FROM charts ORDER BY kept_utc DESC, "
                                           "id DESC")});
        sqlite.waitForFinished(-1);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* bench, bool letters) {
    std::vector<int> sizes{1000, 10000, 100000};
    if (qEnvironmentVariableIntValue("KELVORA_BENCH_MILLION") == 1) {
        sizes.push_back(1000000);
    }
    for (int charts : sizes) {
        for (int n : letters ? std::vector<int>{1, 2, 3, 0} : std::vector<int>{-1}) {
            bench->Args(letters ? std::vector<int64_t>{charts, n} : std::vector<int64_t>{charts});
        }
    }
}

BENCHMARK(BM_FirstPage)
    ->Apply([](benchmark::internal::Benchmark* b) { Sizes(b, true); })
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)
    ->Apply([](benchmark::internal::Benchmark* b) { Sizes(b, false); })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3);
BENCHMARK(BM_Sqlite3Csv)
    ->Apply([](benchmark::internal::Benchmark* b) { Sizes(b, false); })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3);

// What the memory probe does after opening the journal and listing its first page.
enum class Probe { Rest, Export, Typing };

// Peak resident memory (KiB) of a process that opens the journal and lists its first page, then
// exports it or types "énergie" into the search a letter at a time, listing each first page.
long PeakMemory(const QString& journal, Probe probe) {
    journal::JournalStore store(journal);
    store.Open();
    benchmark::DoNotOptimize(store.List({}, {}, 32).rows.size());
    if (probe == Probe::Export) {
        store.ExportCsv(journal + QStringLiteral(".csv"));
    }
    if (probe == Probe::Typing) {
        const QString word = QStringLiteral("énergie");
        for (int letters = 1; letters <= word.size(); ++letters) {
            benchmark::DoNotOptimize(store.List(word.left(letters), {}, 32).rows.size());
        }
    }
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

long ProbePeak(const QString& journal, const char* probe) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--memory-probe"), journal, QLatin1String(probe)});
    process.waitForFinished(-1);
    return process.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--memory-probe") == 0) {
        const Probe probe = std::strcmp(argv[3], "export") == 0   ? Probe::Export
                            : std::strcmp(argv[3], "typing") == 0 ? Probe::Typing
                                                                  : Probe::Rest;
        std::printf("%ld\n", PeakMemory(QString::fromLocal8Bit(argv[2]), probe));
        return 0;
    }
    QTemporaryDir dir;
    folder = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::vector<int> sizes{10000, 100000};
    if (qEnvironmentVariableIntValue("KELVORA_BENCH_MILLION") == 1) {
        sizes.push_back(1000000);
    }
    for (int charts : sizes) {
        const long rest = ProbePeak(Journal(charts), "rest");
        const long exported = ProbePeak(Journal(charts), "export");
        const long typed = ProbePeak(Journal(charts), "typing");
        std::printf("Peak resident memory, %d charts: opened and listed %ld KiB, exported %ld KiB, "
                    "%+ld KiB; \"énergie\" typed a letter at a time %ld KiB, %+ld KiB (each at "
                    "most 4096)\n",
                    charts, rest, exported, exported - rest, typed, typed - rest);
        std::printf("File size, %d charts: %lld bytes\n", charts,
                    static_cast<long long>(QFile(Journal(charts)).size()));
    }
    return 0;
}
