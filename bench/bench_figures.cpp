// The Figures table over 100,000 kept charts (reading their mothers, working out their houses,
// counting and testing) against reading their mothers alone: the same SELECT over a read-only
// connection of its own, each row's id and mothers taken, nothing counted.
#include "bench/JournalFiles.h"
#include "bench/PairReporter.h"
#include "journal/FiguresModel.h"
#include "journal/MothersReader.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

constexpr int Charts = 100000;
QTemporaryDir folder;
QString path;

// A journal of `charts` charts whose mothers are drawn at random, as a corpus's would be.
QString MakeFiguresJournal(int charts) {
    const QString made = folder.filePath(QStringLiteral("figures-%1.sqlite").arg(charts));
    MakeJournal(made, charts);
    journal::JournalStore store(made);
    store.Open();
    QSqlQuery query(store.Database());
    QRandomGenerator random(44);
    query.exec(QStringLiteral("BEGIN"));
    query.prepare(QStringLiteral("UPDATE charts SET mothers = ? WHERE id = ?"));
    for (int id = 1; id <= charts; ++id) {
        Mothers mothers{};
        for (DotCount& row : mothers) {
            row = DotCount(1 + random.bounded(2));
        }
        query.bindValue(0, MothersText(mothers));
        query.bindValue(1, id);
        query.exec();
    }
    query.exec(QStringLiteral("COMMIT"));
    return made;
}

void BM_ReadMothers(benchmark::State& state) {
    for (auto _ : state) {
        qint64 read = 0;
        {
            QSqlDatabase database =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            database.setDatabaseName(path);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            database.open();
            QSqlQuery query(database);
            query.setForwardOnly(true);
            query.exec(journal::MothersQuery(false));
            while (query.next()) {
                const qint64 id = query.value(0).toLongLong();
                const QString mothers = query.value(1).toString();
                benchmark::DoNotOptimize(id);
                read += mothers.size() == 19;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        if (read != Charts) {
            state.SkipWithError("the baseline did not read every chart");
        }
    }
}

void BM_FiguresTable(benchmark::State& state) {
    for (auto _ : state) {
        auto count = std::make_shared<journal::FiguresCount>(
            journal::CountFigures(path, QString(), Tableau::Diviners));
        FiguresModel model;
        model.SetCount(count);
        if (count->tally.charts != Charts) {
            state.SkipWithError("the Figures did not count every chart");
        }
        benchmark::DoNotOptimize(model.index(15, FiguresModel::PColumn).data());
    }
}

BENCHMARK(BM_ReadMothers)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_FiguresTable)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    path = MakeFiguresJournal(Charts);
    // The table of all casts is made once per run, at the first count: made here, as it is by
    // the time a person has opened the window once.
    figures::CastCounts(Tableau::Diviners);
    benchmark::Initialize(&argc, argv);
    PairReporter reporter({{"BM_FiguresTable", "BM_ReadMothers", 1.5}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
