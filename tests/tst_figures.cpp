// The Figures counts: what random casting gives each house, the copies of the classic tableau,
// the chi-square test against worked examples, and the charts a cell lists from a journal.
#include "casting/Figures.h"
#include "journal/FiguresModel.h"
#include "journal/MothersReader.h"
#include "journal/frmFigures.h"
#include "journal/frmJournal.h"
#include "tests/JournalSupport.h"
#include "tests/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>

namespace {

// A figure's index from its digits as typed, "1121".
int FigureOf(const QString& digits) {
    ::Figure figure{};
    for (int r = 0; r < 4; ++r) {
        figure[static_cast<std::size_t>(r)] = digits[r] == u'2' ? 2 : 1;
    }
    return figures::FigureIndex(figure);
}

// Four charts, kept an hour apart: "a journey", "harvest", "harvest again", "rain soon".
bool KeepFour(journal::JournalStore& store) {
    int hour = 0;
    for (const auto& [question, mothers] : {std::pair{"a journey", "1111/1111/1111/1111"},
                                            {"harvest", "2111/1111/1111/1111"},
                                            {"harvest again", "1211/2222/1111/1111"},
                                            {"rain soon", "1111/2222/2111/1111"}}) {
        journal::KeptChart chart =
            testsupport::Chart(QString::fromUtf8(question), {}, QString::fromUtf8(mothers));
        chart.keptUtc = chart.keptUtc.addSecs(3600 * hour++);
        if (!store.Keep(chart)) {
            return false;
        }
    }
    return true;
}

} // namespace

class TestFigures : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    // Over all 65,536 casts: every house uniform (4,096 of each figure) except house 12 of the
    // diviners' tableau, which holds the eight princes twice as often and never a slave.
    void castCounts_data() {
        QTest::addColumn<Tableau>("tableau");
        QTest::addColumn<int>("house");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<qint64>("casts");
        QTest::newRow("diviners, house 1, 1111") << Tableau::Diviners << 1 << "1111" << 4096LL;
        QTest::newRow("diviners, house 1, 2121") << Tableau::Diviners << 1 << "2121" << 4096LL;
        QTest::newRow("diviners, house 9, 1121") << Tableau::Diviners << 9 << "1121" << 4096LL;
        QTest::newRow("diviners, house 16, 1112") << Tableau::Diviners << 16 << "1112" << 4096LL;
        QTest::newRow("diviners, house 12, prince 2222")
            << Tableau::Diviners << 12 << "2222" << 8192LL;
        QTest::newRow("diviners, house 12, prince 1111")
            << Tableau::Diviners << 12 << "1111" << 8192LL;
        QTest::newRow("diviners, house 12, prince 1122")
            << Tableau::Diviners << 12 << "1122" << 8192LL;
        QTest::newRow("diviners, house 12, slave 1112") << Tableau::Diviners << 12 << "1112" << 0LL;
        QTest::newRow("diviners, house 12, slave 2221") << Tableau::Diviners << 12 << "2221" << 0LL;
        QTest::newRow("classic, house 1, 1212") << Tableau::Classic << 1 << "1212" << 4096LL;
        QTest::newRow("classic, house 12, 1112") << Tableau::Classic << 12 << "1112" << 4096LL;
        QTest::newRow("classic, house 12, 2222") << Tableau::Classic << 12 << "2222" << 4096LL;
        QTest::newRow("classic, house 16, 2221") << Tableau::Classic << 16 << "2221" << 4096LL;
    }
    void castCounts() {
        QFETCH(Tableau, tableau);
        QFETCH(int, house);
        QFETCH(QString, figure);
        QFETCH(qint64, casts);
        const figures::Counts& counts = figures::CastCounts(tableau);
        QCOMPARE(qint64(counts[static_cast<std::size_t>(house - 1)]
                              [static_cast<std::size_t>(FigureOf(figure))]),
                 casts);
        // Over 1,000 charts, as a share of them.
        QCOMPARE(figures::Expected(tableau, house, FigureOf(figure), 1000), casts * 1000.0 / 65536);
    }

    // In the classic tableau houses 13 to 16 always repeat houses 5 to 8; no other house of
    // either tableau repeats another.
    void copies_data() {
        QTest::addColumn<Tableau>("tableau");
        QTest::addColumn<int>("house");
        QTest::addColumn<int>("copyOf");
        QTest::newRow("classic 13") << Tableau::Classic << 13 << 5;
        QTest::newRow("classic 14") << Tableau::Classic << 14 << 6;
        QTest::newRow("classic 15") << Tableau::Classic << 15 << 7;
        QTest::newRow("classic 16") << Tableau::Classic << 16 << 8;
        QTest::newRow("classic 5") << Tableau::Classic << 5 << 0;
        QTest::newRow("classic 9") << Tableau::Classic << 9 << 0;
        QTest::newRow("classic 12") << Tableau::Classic << 12 << 0;
        QTest::newRow("diviners 5") << Tableau::Diviners << 5 << 0;
        QTest::newRow("diviners 13") << Tableau::Diviners << 13 << 0;
        QTest::newRow("diviners 16") << Tableau::Diviners << 16 << 0;
    }
    void copies() {
        QFETCH(Tableau, tableau);
        QFETCH(int, house);
        QFETCH(int, copyOf);
        QCOMPARE(figures::CopyOf(house, tableau), copyOf);
        figures::Tally tally;
        tally.tableau = tableau;
        tally.charts = 1000;
        const figures::HouseTest test = figures::TestHouse(tally, house);
        QCOMPARE(test.verdict == figures::Verdict::Copy, copyOf != 0);
        if (copyOf) {
            QCOMPARE(FiguresModel::VerdictText(test),
                     QStringLiteral("copy of house %1").arg(copyOf));
        }
    }

    // Worked by hand: each cell (count - expected)^2 / expected summed; p from a chi-square table.
    // 160 charts in house 1 expect 10 of each figure; 80 in house 12 of the diviners' tableau
    // expect 10 of each prince (7 degrees of freedom, the slaves left out).
    void chiSquare_data() {
        QTest::addColumn<Tableau>("tableau");
        QTest::addColumn<int>("house");
        QTest::addColumn<QList<qint64>>("counts");
        QTest::addColumn<double>("chiSquare");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("p");
        QTest::addColumn<bool>("unusual");
        QList<qint64> twentyAndNone(16, 10);
        twentyAndNone[0] = 20;
        twentyAndNone[5] = 0;
        QTest::newRow("house 1: 20 and 0, 10 elsewhere")
            << Tableau::Diviners << 1 << twentyAndNone << 20.0 << 15 << 0.172 << false;
        QList<qint64> thirtyAndTwoNone(16, 10);
        thirtyAndTwoNone[3] = 30;
        thirtyAndTwoNone[7] = 0;
        thirtyAndTwoNone[8] = 0;
        QTest::newRow("house 1: 30, two 0, 10 elsewhere")
            << Tableau::Classic << 1 << thirtyAndTwoNone << 60.0 << 15 << 2.52e-7 << true;
        // Princes are 1111 (0), 1122 (3), 1212 (5), 1221 (6), 2112 (9), 2121 (10), 2211 (12),
        // 2222 (15).
        QList<qint64> princes(16, 0);
        for (int prince : {0, 3, 5, 6, 9, 10, 12, 15}) {
            princes[prince] = 10;
        }
        princes[0] = 20;
        princes[15] = 0;
        QTest::newRow("diviners house 12: 20 and 0 among the princes")
            << Tableau::Diviners << 12 << princes << 20.0 << 7 << 0.00557 << false;
    }
    void chiSquare() {
        QFETCH(Tableau, tableau);
        QFETCH(int, house);
        QFETCH(QList<qint64>, counts);
        QFETCH(double, chiSquare);
        QFETCH(int, degrees);
        QFETCH(double, p);
        QFETCH(bool, unusual);
        figures::Tally tally;
        tally.tableau = tableau;
        for (int f = 0; f < 16; ++f) {
            tally.counts[static_cast<std::size_t>(house - 1)][static_cast<std::size_t>(f)] =
                counts[f];
            tally.charts += counts[f];
        }
        const figures::HouseTest test = figures::TestHouse(tally, house);
        QVERIFY2(std::abs(test.chiSquare - chiSquare) < 1e-9,
                 qPrintable(QString::number(test.chiSquare)));
        QCOMPARE(test.degrees, degrees);
        // To three significant figures, as the table gives it.
        QVERIFY2(std::abs(test.p - p) / p < 0.005, qPrintable(QString::number(test.p)));
        QCOMPARE(test.verdict, unusual ? figures::Verdict::Unusual : figures::Verdict::Usual);
    }

    // "too few charts" while any expected count of a cell the house can hold is below five.
    void tooFew_data() {
        QTest::addColumn<Tableau>("tableau");
        QTest::addColumn<int>("house");
        QTest::addColumn<qint64>("charts");
        QTest::addColumn<bool>("tooFew");
        QTest::newRow("house 1, 80 charts: 5 each") << Tableau::Diviners << 1 << 80LL << false;
        QTest::newRow("house 1, 79 charts: 4.94 each") << Tableau::Diviners << 1 << 79LL << true;
        QTest::newRow("diviners house 12, 40 charts: 5 a prince")
            << Tableau::Diviners << 12 << 40LL << false;
        QTest::newRow("diviners house 12, 39 charts") << Tableau::Diviners << 12 << 39LL << true;
        QTest::newRow("classic house 12, 40 charts: 2.5 each")
            << Tableau::Classic << 12 << 40LL << true;
    }
    void tooFew() {
        QFETCH(Tableau, tableau);
        QFETCH(int, house);
        QFETCH(qint64, charts);
        QFETCH(bool, tooFew);
        figures::Tally tally;
        tally.tableau = tableau;
        tally.charts = charts;
        tally.counts[static_cast<std::size_t>(house - 1)][0] = charts;
        const figures::HouseTest test = figures::TestHouse(tally, house);
        QCOMPARE(test.verdict == figures::Verdict::TooFew, tooFew);
        QCOMPARE(FiguresModel::VerdictText(test) == QStringLiteral("too few charts"), tooFew);
    }

    // The charts a cell lists, newest first, worked out from their mothers in the tableau chosen,
    // among what the Journal's search leaves. In the diviners' tableau house 5 reads the first
    // row of Mothers 1 to 4, in the classic one from Mother 4 back to Mother 1.
    void cellCharts_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<Tableau>("tableau");
        QTest::addColumn<int>("house");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("house 1, 1111")
            << "" << Tableau::Diviners << 1 << "1111" << QStringList{"rain soon", "a journey"};
        QTest::newRow("house 1, 2111, searched")
            << "harvest" << Tableau::Diviners << 1 << "2111" << QStringList{"harvest"};
        QTest::newRow("diviners house 5, 2111")
            << "" << Tableau::Diviners << 5 << "2111" << QStringList{"harvest"};
        QTest::newRow("classic house 5, 1112")
            << "" << Tableau::Classic << 5 << "1112" << QStringList{"harvest"};
        QTest::newRow("house 2, 2222")
            << "" << Tableau::Classic << 2 << "2222" << QStringList{"rain soon", "harvest again"};
        QTest::newRow("searched, none")
            << "journey" << Tableau::Diviners << 2 << "2222" << QStringList{};
    }
    void cellCharts() {
        QFETCH(QString, search);
        QFETCH(Tableau, tableau);
        QFETCH(int, house);
        QFETCH(QString, figure);
        QFETCH(QStringList, questions);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("journal.sqlite"));
        journal::JournalStore store(path);
        QVERIFY(KeepFour(store));
        const auto count =
            std::make_shared<journal::FiguresCount>(journal::CountFigures(path, search, tableau));
        QVERIFY2(count->error.isEmpty(), qPrintable(count->error));
        CellChartsModel cell;
        cell.SetCell(store, *count, house, FigureOf(figure));
        QStringList listed;
        for (int row = 0; row < cell.rowCount(); ++row) {
            listed << cell.index(row, CellChartsModel::QuestionColumn).data().toString();
        }
        QCOMPARE(listed, questions);
        QCOMPARE(cell.Total(), int(questions.size()));
    }

    // The window counts again for another search or tableau, in its own thread, and shows the
    // last one asked for.
    void windowCountsAgain_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("classic");
        QTest::addColumn<qint64>("charts");
        QTest::addColumn<QString>("house13");
        QTest::newRow("all, diviners") << "" << false << 4LL << "too few charts";
        QTest::newRow("all, classic") << "" << true << 4LL << "copy of house 5";
        QTest::newRow("harvest, diviners") << "harvest" << false << 2LL << "too few charts";
        QTest::newRow("journey, classic") << "journey" << true << 1LL << "copy of house 5";
    }
    void windowCountsAgain() {
        QFETCH(QString, search);
        QFETCH(bool, classic);
        QFETCH(qint64, charts);
        QFETCH(QString, house13);
        const QTemporaryDir folder;
        journal::JournalStore store(folder.filePath(QStringLiteral("journal.sqlite")));
        QVERIFY(KeepFour(store));
        chartTableau = Tableau::Diviners;
        frmFigures window(nullptr, nullptr, store, QStringLiteral("rain"));
        QTRY_VERIFY(window.Figures()->Count());
        QCOMPARE(window.Figures()->Count()->tally.charts, 1);
        // Both asked for at once: the first count is dropped.
        window.cboTableau->setCurrentIndex(classic ? 1 : 0);
        window.SetSearch(search);
        QVERIFY(!window.Figures()->Count());
        QTRY_VERIFY(window.Figures()->Count());
        QCOMPARE(window.Figures()->Count()->tally.charts, charts);
        QCOMPARE(window.Figures()->index(12, FiguresModel::VerdictColumn).data().toString(),
                 house13);
        // The export: a header, then a row per house ending with its verdict.
        const QList<QByteArray> lines = window.Figures()->Csv().split('\n');
        QCOMPARE(lines.size(), 18);
        QVERIFY(lines[13].startsWith("13 Asorita,"));
        QVERIFY2(lines[13].trimmed().endsWith(house13.toUtf8()), lines[13].constData());
        QTRY_VERIFY(!window.Counting());
    }

    // Opened from the Journal window, it counts what the list shows each time it is listed
    // again: a search typed, a chart kept.
    void followsTheJournal() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("journal.sqlite"));
        {
            journal::JournalStore store(path);
            QVERIFY(KeepFour(store));
        }
        frmJournal journal(nullptr, nullptr, path);
        journal.cmdFigures->click();
        const QPointer<frmFigures> figures = frmFigures::OpenWindow();
        QVERIFY(figures);
        const auto counted = [&] {
            return figures->Figures()->Count() ? figures->Figures()->Count()->tally.charts : -1;
        };
        QTRY_COMPARE(counted(), 4);
        journal.txtSearch->setText(QStringLiteral("harvest"));
        QTRY_COMPARE(counted(), 2);
        QVERIFY(journal.Store().Keep(testsupport::Chart(QStringLiteral("harvest three"))));
        journal.Refresh();
        QTRY_COMPARE(counted(), 3);
        journal.close();
    }
};

QTEST_MAIN(TestFigures)
#include "tst_figures.moc"
