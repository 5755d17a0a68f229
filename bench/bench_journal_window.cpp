// The Journal window over a journal of 10,000 kept charts, against the least that does the same
// work, in one run: opening the window to its first painted list beside a bare QTableView over a
// QSqlQueryModel of the same rows from the same file; a keystroke in the search box to the
// narrowed, painted list beside the same search alone through QSqlQuery, stepping its first 256
// rows.
#include "bench/PairReporter.h"
#include "casting/CastingBoard.h"
#include "journal/JournalStore.h"
#include "journal/frmJournal.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int ChartCount = 10000;

frmMain* mainWindow = nullptr;
QString journalPath;

// Each keystroke of typing a word and taking it back: every one narrows or widens the list.
const QStringList& Keystrokes() {
    static const QStringList strokes = [] {
        const QString word = QStringLiteral("energie");
        QStringList list;
        for (int n = 1; n <= word.size(); ++n) {
            list << word.left(n);
        }
        for (int n = word.size() - 1; n >= 0; --n) {
            list << word.left(n);
        }
        return list;
    }();
    return strokes;
}

// A journal of ChartCount charts with French questions and notes of some length: the first kept
// as Kelvora keeps it, the rest added in one transaction on the same connection.
bool MakeJournal(const QString& path) {
    static const char* const words[] = {"énergie", "voyage", "santé",  "maison", "travail",
                                        "amour",   "enfant", "argent", "pluie",  "récolte"};
    journal::JournalStore store(path);
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    chart.keptUtc = QDateTime::currentDateTimeUtc().addDays(-ChartCount);
    chart.question = QStringLiteral("Quelle énergie pour demain ?");
    if (!store.Keep(chart)) {
        std::fprintf(stderr, "%s\n", qPrintable(store.LastError()));
        return false;
    }
    QSqlQuery query(store.Database());
    query.exec(QStringLiteral("BEGIN"));
    query.prepare(QStringLiteral(
        "INSERT INTO charts (kept_utc, offset_seconds, mothers, tableau, question, note) "
        "VALUES (?, 3600, '1112/1112/1211/2121', 'classic', ?, ?)"));
    for (int n = 1; n < ChartCount; ++n) {
        query.addBindValue(chart.keptUtc.addSecs(3600LL * n).toString(Qt::ISODate));
        query.addBindValue(
            QStringLiteral("Que dit le sikidy de %1 et de %2 ?")
                .arg(QString::fromUtf8(words[n % 10]), QString::fromUtf8(words[n / 10 % 10])));
        query.addBindValue(
            QStringLiteral("Note %1 : %2, puis %3 ; à revoir dans un mois.")
                .arg(n)
                .arg(QString::fromUtf8(words[n / 100 % 10]), QString::fromUtf8(words[n % 7])));
        if (!query.exec()) {
            return false;
        }
    }
    return query.exec(QStringLiteral("COMMIT"));
}

void BM_BareTableView(benchmark::State& state) {
    for (auto _ : state) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bare");
            db.setDatabaseName(journalPath);
            db.open();
            QSqlQueryModel model;
            model.setQuery(QSqlQuery(QStringLiteral("SELECT id, kept_utc, offset_seconds, "
                                                    "question, note FROM charts ORDER BY id DESC"),
                                     db));
            QTableView view;
            view.resize(584, 281);
            view.setModel(&model);
            view.show();
            benchmark::DoNotOptimize(view.grab());
        }
        QSqlDatabase::removeDatabase("bare");
    }
}

void BM_OpenJournalWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmJournal window(mainWindow->Frame3, nullptr, journalPath);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void BM_SearchAlone(benchmark::State& state) {
    journal::JournalStore store(journalPath);
    store.Open();
    int stroke = 0;
    for (auto _ : state) {
        const journal::ListPage page =
            store.List(Keystrokes()[stroke++ % Keystrokes().size()], {}, 256);
        benchmark::DoNotOptimize(page.rows.size());
    }
}

void BM_SearchKeystroke(benchmark::State& state) {
    frmJournal window(mainWindow->Frame3, nullptr, journalPath);
    window.show();
    QApplication::processEvents();
    int stroke = 0;
    for (auto _ : state) {
        window.txtSearch->setText(Keystrokes()[stroke++ % Keystrokes().size()]);
        // What a keystroke repaints: the rows (the headers stay as they are).
        benchmark::DoNotOptimize(window.grdJournal->viewport()->grab());
    }
}

BENCHMARK(BM_BareTableView)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_OpenJournalWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_SearchAlone)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QTemporaryDir folder;
    journalPath = folder.filePath(QStringLiteral("journal.sqlite"));
    if (!MakeJournal(journalPath)) {
        return 1;
    }
    frmMain main;
    main.show();
    QApplication::processEvents();
    mainWindow = &main;

    benchmark::Initialize(&argc, argv);
    PairReporter reporter({{"BM_OpenJournalWindow", "BM_BareTableView", 1.2},
                           {"BM_SearchKeystroke", "BM_SearchAlone", 1.5}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
