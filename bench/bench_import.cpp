// Importing a notebook into the journal:
// - BM_Import/10000: a text file of 10,000 tableaux (each with a question and a note) read,
//   checked and kept by ImportCharts in an empty journal;
// - BM_PreparedInsert/10000: the same 10,000 rows, already read, inserted into an empty journal
//   in one transaction through one prepared QSqlQuery, the full-text index and its triggers
//   included, with the store's pragmas;
// - BM_ImportExport/10000/0 and /1: Kelvora's CSV export of 10,000 charts imported into an
//   empty journal, and into one that holds them all already (every chart looked up, none kept);
// the ratio of the first two printed at the end; and the peak resident memory of a process
// importing 100,000 lines (tableaux, casts, a few refused lines), and Kelvora's export of the
// charts they give, against the same process before the import (this program with
// --memory-probe).
#include "PairReporter.h"
#include "bench/JournalFiles.h"
#include "journal/Import.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstring>

namespace {

QTemporaryDir* folder = nullptr;

// One row as the import keeps it.
struct Row {
    QString mothers;
    QString tableau;
    QString question;
    QString note;
    QByteArray line; // the notebook's line
};

const std::vector<Row>& Rows(int count) {
    static std::map<int, std::vector<Row>> made;
    auto [it, fresh] = made.try_emplace(count);
    if (!fresh) {
        return it->second;
    }
    static const QStringList words{"énergie", "voyage", "maison", "mariage", "récolte", "santé",
                                   "argent",  "pluie",  "zébu",   "rizière", "départ",  "retour"};
    QRandomGenerator random(44);
    const auto text = [&](int n) {
        QStringList chosen;
        for (int i = 0; i < n; ++i) {
            chosen.append(words[int(random.bounded(words.size()))]);
        }
        return chosen.join(u' ');
    };
    for (int n = 0; n < count; ++n) {
        Mothers mothers{};
        for (DotCount& row : mothers) {
            row = DotCount(1 + random.bounded(2));
        }
        // Tableaux of either kind; a few follow both and go to the chosen one, classic.
        const Tableau tableau = n % 2 ? Tableau::Diviners : Tableau::Classic;
        QStringList figures;
        for (const Figure& house : ChartOf(mothers, tableau)) {
            figures << FigureDigits(house);
        }
        Row row{MothersText(mothers), TableauName(tableau), text(6), text(30), {}};
        row.line = (figures.join(u' ') + u'\t' + row.question + u'\t' + row.note + u'\n').toUtf8();
        it->second.push_back(row);
    }
    return it->second;
}

QString Notebook(int count) {
    const QString path = folder->filePath(QStringLiteral("notebook-%1.txt").arg(count));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        for (const Row& row : Rows(count)) {
            file.write(row.line);
        }
    }
    return path;
}

// An empty journal with its schema, made by the store, copied to `path` for each iteration.
void FreshJournal(const QString& path) {
    const QString empty = folder->filePath(QStringLiteral("empty.sqlite"));
    if (!QFile::exists(empty)) {
        journal::JournalStore store(empty);
        store.StartKeeping();
        store.EndKeeping(true);
    }
    QFile::remove(path);
    QFile::copy(empty, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void BM_Import(benchmark::State& state) {
    const QString notebook = Notebook(int(state.range(0)));
    const QString path = folder->filePath(QStringLiteral("import.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        FreshJournal(path);
        QFile file(notebook);
        file.open(QIODevice::ReadOnly);
        state.ResumeTiming();
        journal::JournalStore store(path);
        const journal::ImportSummary summary = journal::ImportCharts(store, file, Tableau::Classic);
        if (summary.kept != state.range(0)) {
            state.SkipWithError(qPrintable(summary.Text()));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PreparedInsert(benchmark::State& state) {
    const std::vector<Row>& rows = Rows(int(state.range(0)));
    const QString path = folder->filePath(QStringLiteral("insert.sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        FreshJournal(path);
        state.ResumeTiming();
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
            query.exec(QStringLiteral("PRAGMA cache_size=-1024"));
            query.exec(QStringLiteral("BEGIN IMMEDIATE"));
            query.prepare(QStringLiteral(
                "INSERT INTO charts (kept_utc, offset_seconds, mothers, tableau, question, note) "
                "VALUES (?, ?, ?, ?, ?, ?)"));
            const QString time = QStringLiteral("2026-12-09T12:00:00Z");
            bool ok = true;
            for (const Row& row : rows) {
                query.addBindValue(time);
                query.addBindValue(10800);
                query.addBindValue(row.mothers);
                query.addBindValue(row.tableau);
                query.addBindValue(row.question);
                query.addBindValue(row.note);
                ok = query.exec() && ok;
            }
            ok = query.exec(QStringLiteral("COMMIT")) && ok;
            if (!ok) {
                state.SkipWithError(qPrintable(query.lastError().text()));
            }
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Kelvora's own export of a journal of `count` charts (JournalFiles.h), made once.
QString Export(int count) {
    const QString path = folder->filePath(QStringLiteral("export-%1.csv").arg(count));
    if (!QFile::exists(path)) {
        journal::JournalStore store(JournalOfSize(*folder, count));
        store.ExportCsv(path);
    }
    return path;
}

// The export read back into an empty journal (range 1 = 0), each chart looked up before it is
// kept, or into one that holds them all already (range 1 = 1), where none is kept.
void BM_ImportExport(benchmark::State& state) {
    const QString csv = Export(int(state.range(0)));
    const QString path = folder->filePath(QStringLiteral("export.sqlite"));
    const bool again = state.range(1) == 1;
    if (again) {
        FreshJournal(path);
        journal::JournalStore store(path);
        QFile file(csv);
        file.open(QIODevice::ReadOnly);
        journal::ImportCharts(store, file, Tableau::Classic);
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (!again) {
            FreshJournal(path);
        }
        QFile file(csv);
        file.open(QIODevice::ReadOnly);
        state.ResumeTiming();
        journal::JournalStore store(path);
        const journal::ImportSummary summary = journal::ImportCharts(store, file, Tableau::Classic);
        if ((again ? summary.alreadyKept : summary.kept) != state.range(0)) {
            state.SkipWithError(qPrintable(summary.Text()));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ImportExport)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3);
BENCHMARK(BM_Import)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_PreparedInsert)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(3);

long PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// The 100,000 lines of the memory probe: tableaux, a cast every tenth line, a wrong line every
// hundredth, and a comment every thousandth.
QString LongNotebook() {
    const QString path = folder->filePath(QStringLiteral("long.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const std::vector<Row>& rows = Rows(10000);
    for (int n = 0; n < 100000; ++n) {
        const Row& row = rows[std::size_t(n % 10000)];
        if (n % 1000 == 999) {
            file.write("# page\n");
        } else if (n % 100 == 99) {
            file.write("1112 1112 1211 2123\twrong\n");
        } else if (n % 10 == 9) {
            file.write((row.mothers + u'\t' + row.question + u'\n').toUtf8());
        } else {
            file.write(row.line);
        }
    }
    return path;
}

// Peak resident memory before and after importing `notebook` into a journal just made (KiB),
// and the charts kept.
void ProbeMemory(const QString& notebook, const QString& journalPath) {
    journal::JournalStore store(journalPath);
    store.StartKeeping();
    store.EndKeeping(true);
    QFile file(notebook);
    file.open(QIODevice::ReadOnly);
    const long before = PeakKiB();
    const journal::ImportSummary summary = journal::ImportCharts(store, file, Tableau::Classic);
    const long after = PeakKiB();
    std::printf("%ld %ld %lld %lld\n", before, after, static_cast<long long>(summary.kept),
                static_cast<long long>(summary.refused.size()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--memory-probe") == 0) {
        ProbeMemory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    QTemporaryDir dir;
    folder = &dir;
    // KELVORA_BENCH_KEEP=1 leaves the files made (notebooks, exports, journals) for a look.
    if (qEnvironmentVariableIntValue("KELVORA_BENCH_KEEP") == 1) {
        dir.setAutoRemove(false);
        std::printf("Files in %s\n", qPrintable(dir.path()));
    }
    benchmark::Initialize(&argc, argv);
    PairReporter reporter({{"BM_Import", "BM_PreparedInsert", 3.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // The notebook, and Kelvora's export of it, where all 99,000 charts have the one time of
    // their import: one run of charts held to be kept in the order given.
    const QString notebook = LongNotebook();
    const QString exported = dir.filePath(QStringLiteral("long.csv"));
    {
        journal::JournalStore store(dir.filePath(QStringLiteral("long-source.sqlite")));
        QFile file(notebook);
        file.open(QIODevice::ReadOnly);
        journal::ImportCharts(store, file, Tableau::Classic);
        store.ExportCsv(exported);
    }
    for (const auto& [what, file] : {std::pair{"a text file of 100,000 lines", notebook},
                                     std::pair{"the export of its 99,000 charts", exported}}) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--memory-probe"), file,
                     dir.filePath(QStringLiteral("probe-%1.sqlite").arg(file.endsWith(u'v')))});
        probe.waitForFinished(-1);
        const QList<QByteArray> figures = probe.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() == 4) {
            std::printf("Peak resident memory importing %s (%s kept, %s refused): before %s "
                        "KiB, after %s KiB, %+ld KiB (at most 4096)\n",
                        what, figures[2].constData(), figures[3].constData(),
                        figures[0].constData(), figures[1].constData(),
                        figures[1].toLong() - figures[0].toLong());
        }
    }
    return 0;
}
