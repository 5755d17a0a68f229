// The journal with 10,000 kept charts: each keystroke of a search through the store (List, then
// its first 256 rows) against the same full-text match alone through QSqlQuery (its first 256
// rowids); and, printed at the end, the memory of a journal of
// 10,000 charts against one of 10, each in a process of its own (this program run with
// --memory-probe JOURNAL).
//
// Further benchmarks on the same journals (the Journal window) can be added below with
// BENCHMARK(); Journal(n) gives the path of a journal of n charts, made once per run.
#include "RatioReporter.h"
#include "bench/JournalFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

QTemporaryDir* folder = nullptr;

const QString& Journal(int charts) {
    return JournalOfSize(*folder, charts);
}

// What a person types into the search box, one keystroke at a time.
const QStringList& Keystrokes() {
    static const QStringList typed = [] {
        QStringList prefixes;
        const QString text = QStringLiteral("energie du voyage");
        for (int n = 1; n <= text.size(); ++n) {
            prefixes.append(text.left(n));
        }
        return prefixes;
    }();
    return typed;
}

int Step(QSqlQuery& query, int rows) {
    int seen = 0;
    while (seen < rows && query.next()) {
        benchmark::DoNotOptimize(query.value(0));
        ++seen;
    }
    return seen;
}

void BM_BareFullTextSearch(benchmark::State& state) {
    journal::JournalStore store(Journal(10000));
    store.Open();
    for (auto _ : state) {
        for (const QString& typed : Keystrokes()) {
            QSqlQuery query(store.Database());
            query.setForwardOnly(true);
            query.prepare(QStringLiteral("SELECT rowid FROM charts_text WHERE charts_text "
                                         "MATCH ? ORDER BY rowid DESC"));
            query.addBindValue(journal::JournalStore::MatchExpression(typed));
            query.exec();
            benchmark::DoNotOptimize(Step(query, 256));
        }
    }
    state.SetItemsProcessed(state.iterations() * Keystrokes().size());
}

void BM_StoreSearch(benchmark::State& state) {
    journal::JournalStore store(Journal(10000));
    store.Open();
    for (auto _ : state) {
        for (const QString& typed : Keystrokes()) {
            benchmark::DoNotOptimize(store.List(typed, {}, 256).rows.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * Keystrokes().size());
}

BENCHMARK(BM_BareFullTextSearch)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_StoreSearch)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Resident memory of a process that opens the journal, lists it and steps its first 256 rows,
// then does the same for a search (KiB).
long ProbeMemory(const QString& journal) {
    journal::JournalStore store(journal);
    store.Open();
    for (const QString& search : {QString(), QStringLiteral("voyage"), QStringLiteral("e")}) {
        benchmark::DoNotOptimize(store.List(search, {}, 256).rows.size());
    }
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

long MedianMemory(const QString& journal) {
    std::vector<long> kib;
    for (int run = 0; run < 9; ++run) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(), {"--memory-probe", journal});
        probe.waitForFinished();
        kib.push_back(probe.readAllStandardOutput().trimmed().toLong());
    }
    std::sort(kib.begin(), kib.end());
    return kib[kib.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0) {
        QCoreApplication app(argc, argv);
        std::printf("%ld\n", ProbeMemory(QString::fromLocal8Bit(argv[2])));
        return 0;
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    folder = &dir;
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_BareFullTextSearch/repeats:5", "of the bare full-text search");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const long ten = MedianMemory(Journal(10));
    const long tenThousand = MedianMemory(Journal(10000));
    std::printf("Resident memory after listing and searching (median of 9 processes): 10 charts "
                "%ld KiB, 10,000 charts %ld KiB, %ld KiB more (at most 2048)\n",
                ten, tenThousand, tenThousand - ten);
    return 0;
}
