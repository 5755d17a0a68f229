// Importing notebooks and exports into the journal, and checking tableaux house by house.
#include "casting/TableauCheck.h"
#include "journal/CsvWriter.h"
#include "journal/Import.h"
#include "tests/FileFaults.h"
#include "tests/JournalSupport.h"
#include "tests/TestMain.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using journal::ImportCharts;
using journal::ImportSummary;
using journal::JournalStore;
using journal::KeptChart;
using namespace testsupport;

namespace {

// The chart of 1112/1112/1211/2121 in either tableau, as the command line's tests list it.
const QString Diviners = QStringLiteral(
    "1112 1112 1211 2121 1112 1121 1112 2211 1121 1112 2211 2222 1112 1112 2222 1112");
const QString Classic = QStringLiteral(
    "1112 1112 1211 2121 2111 1211 2111 1122 1112 1121 1112 2211 2111 1211 2111 1122");
const QString ClassicColumns = QString(Classic).replace(u' ', u',');

ImportSummary Import(JournalStore& store, const QByteArray& text, Tableau chosen = Tableau::Classic,
                     const std::function<bool(qint64, qint64)>& progress = {}) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return ImportCharts(store, buffer, chosen, progress);
}

// Each kept chart as "tableau:question:note", in the order of keeping.
QStringList Kept(JournalStore& store) {
    QStringList kept;
    QSqlQuery query(store.Database());
    query.exec("SELECT tableau, question, note FROM charts ORDER BY id");
    while (query.next()) {
        kept << QStringList{query.value(0).toString(), query.value(1).toString(),
                            query.value(2).toString()}
                    .join(u':');
    }
    return kept;
}

WrittenTableau Written(const QString& houses) {
    WrittenTableau written{};
    const QStringList figures = houses.split(u' ');
    for (int h = 0; h < HouseCount; ++h) {
        for (int r = 0; r < 4; ++r) {
            written[std::size_t(h)][std::size_t(r)] = DotCount(figures[h][r].digitValue());
        }
    }
    return written;
}

QString Faults(const std::vector<HouseFault>& faults) {
    QStringList text;
    for (const HouseFault& fault : faults) {
        text << QStringLiteral("%1:%2:%3")
                    .arg(fault.house)
                    .arg(FigureDigits(fault.expected), FigureDigits(fault.written));
    }
    return text.join(u' ');
}

} // namespace

class tst_Import : public QObject {
    Q_OBJECT
public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    // Each house against its parents as written: one wrong figure is named with the houses
    // summed from it, not with every house after it.
    void checkerNamesEachHouse_data() {
        QTest::addColumn<QString>("tableau");
        QTest::addColumn<QString>("diviners"); // house:expected:written, house by house
        QTest::addColumn<int>("classicFaults");
        QTest::newRow("diviners' tableau, right") << Diviners << "" << 12;
        QTest::newRow("house 12 summed wrong")
            << QString(Diviners).replace(55, 4, "2122") << "12:2222:2122 16:1212:1112" << 12;
        QTest::newRow("house 5 misread from the mothers")
            << QString(Diviners).replace(20, 4, "1111") << "5:1112:1111 11:2212:2211" << 12;
        QTest::newRow("all twos follow both")
            << QString(Diviners).replace(QRegularExpression("[12]"), "2") << "" << 0;
    }
    void checkerNamesEachHouse() {
        QFETCH(QString, tableau);
        QFETCH(QString, diviners);
        QFETCH(int, classicFaults);
        const TableauFaults faults = CheckTableau(Written(tableau));
        QCOMPARE(Faults(faults.diviners), diviners);
        QCOMPARE(int(faults.classic.size()), classicFaults);
    }

    // A notebook's line is checked, and kept in the tableau it follows or refused, named.
    void notebookLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Tableau>("chosen");
        QTest::addColumn<QString>("check"); // what --check says after the line's number
        QTest::addColumn<QString>("kept");  // tableau:question:note, empty when refused
        QTest::newRow("diviners' tableau")
            << Diviners + "\tÉnergie ?\tnote, et\ttab" << Tableau::Classic << "right"
            << "diviners:Énergie ?:note, et\ttab";
        QTest::newRow("classic tableau") << Classic << Tableau::Diviners << "right"
                                         << "classic::";
        QTest::newRow("both: the chosen one")
            << QString(Classic).replace(QRegularExpression("[12]"), "2") + "\tq"
            << Tableau::Diviners << "right"
            << "diviners:q:";
        QTest::newRow("a cast: the chosen tableau")
            << "1112/1112/1211/2121\tcast" << Tableau::Diviners << "right"
            << "diviners:cast:";
        QTest::newRow("a wrong sum")
            << QString(Diviners).replace(55, 4, "2122") << Tableau::Classic
            << "the tableau follows neither the classic tableau nor the diviners'; in the "
               "diviners' tableau house 12 should be 2222, the sum of houses 10 and 14, not 2122; "
               "house 16 should be 1212, the sum of houses 12 and 1, not 1112"
            << "";
        QTest::newRow("a misread row")
            << QString(Diviners).replace(20, 4, "1111") << Tableau::Diviners
            << "the tableau follows neither the classic tableau nor the diviners'; in the "
               "diviners' tableau house 5 should be 1112, from the mothers' rows, not 1111; "
               "house 11 should be 2212, the sum of houses 5 and 6, not 2211"
            << "";
        QTest::newRow("a row that is no row") << "1112 1112 1213 2121" << Tableau::Classic
                                              << "'3' is not a row: each row is 1 (one seed) "
                                                 "or 2 (two seeds)"
                                              << "";
        QTest::newRow("fifteen figures") << QString(Diviners).chopped(5) << Tableau::Classic
                                         << "'" + QString(Diviners).chopped(5) +
                                                "' is neither four mothers nor sixteen figures "
                                                "in house order: it has 15 figures"
                                         << "";
        QTest::newRow("a figure of three rows")
            << QString(Diviners).replace(0, 4, "111") << Tableau::Classic
            << "house 1, '111', is not a figure of four rows"
            << "";
    }
    void notebookLine() {
        QFETCH(QString, line);
        QFETCH(Tableau, chosen);
        QFETCH(QString, check);
        QFETCH(QString, kept);
        // A comment and a blank line first: the chart is line 3.
        const QByteArray file = "# notebook\n  \n" + line.toUtf8() + "\r\n";
        QBuffer buffer;
        buffer.setData(file);
        buffer.open(QIODevice::ReadOnly);
        QStringList said;
        const journal::CheckSummary checked =
            journal::CheckCharts(buffer, [&](const QString& text) { said << text; });
        QCOMPARE(said, QStringList{"3\t" + check});
        QCOMPARE(checked.Status(), kept.isEmpty() ? 2 : 0);

        QTemporaryDir dir;
        JournalStore store(dir.filePath("journal.sqlite"));
        const ImportSummary summary = Import(store, file, chosen);
        QCOMPARE(summary.Status(), kept.isEmpty() ? 2 : 0);
        QCOMPARE(Kept(store), kept.isEmpty() ? QStringList() : QStringList{kept});
        if (kept.isEmpty()) {
            QCOMPARE(summary.Text().split(u'\n').value(1), "Line 3: " + check + ".");
        }
    }

    // A row of the CSV export: read back as written, its neutralised cells restored, or
    // refused, named.
    void exportRow_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("kept");   // tableau:question:note
        QTest::addColumn<QString>("reason"); // when refused
        QTest::newRow("neutralised cells") << "2026-12-07T10:00:00+03:00,\"'+1 ?\",\"'@x\","
                                              "1112/1112/1211/2121,classic," +
                                                  ClassicColumns
                                           << "classic:+1 ?:@x"
                                           << "";
        QTest::newRow("a quote of its own stays") << "2026-12-07T10:00:00Z,'Salama,\"'\"\"a\"\"\","
                                                     "1112/1112/1211/2121,classic," +
                                                         ClassicColumns
                                                  << "classic:'Salama:'\"a\""
                                                  << "";
        QTest::newRow("houses changed since")
            << "2026-12-07T10:00:00Z,q,,1112/1112/1211/2121,classic," +
                   QString(ClassicColumns).replace("2111,1211", "2111,1212")
            << ""
            << "its houses do not follow from its mothers in the classic tableau: house 6 should "
               "be 1211, not 1212";
        QTest::newRow("a time without its offset")
            << "2026-12-07T10:00:00,q,,1112/1112/1211/2121,classic," + ClassicColumns << ""
            << "'2026-12-07T10:00:00' is not a time with its offset";
        QTest::newRow("a field missing")
            << "2026-12-07T10:00:00Z,q,1112/1112/1211/2121,classic," + ClassicColumns << ""
            << "it has 20 fields where Kelvora's export has 21";
        QTest::newRow("a quote never closed")
            << "2026-12-07T10:00:00Z,\"q,,1112/1112/1211/2121,classic," + ClassicColumns << ""
            << "a quoted field is not closed before the end of the file";
        QTest::newRow("an unknown tableau")
            << "2026-12-07T10:00:00Z,q,,1112/1112/1211/2121,mixed," + ClassicColumns << ""
            << "'mixed' is not a tableau";
    }
    void exportRow() {
        QFETCH(QString, row);
        QFETCH(QString, kept);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        JournalStore store(dir.filePath("journal.sqlite"));
        const ImportSummary summary = Import(store, journal::csv::Header() + row.toUtf8() + "\r\n");
        QCOMPARE(Kept(store), kept.isEmpty() ? QStringList() : QStringList{kept});
        QCOMPARE(summary.refused.size(), reason.isEmpty() ? 0 : 1);
        if (!reason.isEmpty()) {
            QCOMPARE(summary.refused[0].number, 2);
            QVERIFY2(summary.refused[0].reason.startsWith(reason),
                     qPrintable(summary.refused[0].reason));
        }
    }

    // An export imported into an empty journal gives the same charts in the same order, and
    // imported again adds none.
    void exportComesBackWhole() {
        QTemporaryDir dir;
        const QString first = dir.filePath("first.sqlite");
        {
            JournalStore store(first);
            const QStringList questions{"=SUM(A1) ?", "Fianakaviana, \"tokantrano\"",
                                        "Énergie\r\nà venir"};
            for (int n = 0; n < 3; ++n) {
                KeptChart chart = Chart(questions[n], n == 1 ? "ligne 1\nligne 2" : "é",
                                        n == 2 ? "2121/1112/1211/2222" : "1112/1112/1211/2121");
                chart.tableau = n == 1 ? Tableau::Diviners : Tableau::Classic;
                // The first two kept in the same second: they come back in the same order too.
                chart.keptUtc = chart.keptUtc.addSecs(3600 * (n / 2));
                chart.offsetSeconds = -3600 * n;
                QVERIFY(store.Keep(chart));
            }
            QVERIFY2(store.ExportCsv(dir.filePath("export.csv")), qPrintable(store.LastError()));
        }
        const QByteArray csv = Bytes(dir.filePath("export.csv"));
        JournalStore second(dir.filePath("second.sqlite"));
        ImportSummary summary = Import(second, csv);
        QCOMPARE(summary.Status(), 0);
        QCOMPARE(summary.kept, 3);
        JournalStore original(first);
        const QList<journal::ListedChart> was = original.List({}).rows;
        const QList<journal::ListedChart> now = second.List({}).rows;
        QCOMPARE(now.size(), 3);
        for (int n = 0; n < 3; ++n) {
            const KeptChart a = *original.Find(was[n].id);
            const KeptChart b = *second.Find(now[n].id);
            QCOMPARE(b.question, a.question);
            QCOMPARE(b.note, a.note);
            QCOMPARE(b.keptUtc, a.keptUtc);
            QCOMPARE(b.offsetSeconds, a.offsetSeconds);
            QCOMPARE(b.mothers, a.mothers);
            QCOMPARE(b.tableau, a.tableau);
        }
        summary = Import(second, csv);
        QCOMPARE(summary.Status(), 0);
        QCOMPARE(summary.kept, 0);
        QCOMPARE(summary.alreadyKept, 3);
        QCOMPARE(second.List({}).rows.size(), 3);
    }

    // A failed or cancelled import keeps nothing, and the charts kept before stay.
    void nothingKeptOnFailure_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("disk full") << "full";
    }
    void nothingKeptOnFailure() {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.sqlite");
        JournalStore store(path);
        QVERIFY(store.Keep(Chart("earlier")));
        QByteArray notebook;
        for (int n = 0; n < 5000; ++n) {
            notebook += Diviners.toUtf8() + "\tquestion " + QByteArray::number(n) + "\n";
        }
        ImportSummary summary;
        if (fault == "cancel") {
            summary = Import(store, notebook, Tableau::Classic,
                             [](qint64 done, qint64 total) { return done < total / 2; });
            QVERIFY(summary.cancelled);
        } else {
            FileSizeLimit limit(QFileInfo(path).size());
            summary = Import(store, notebook);
            QVERIFY(summary.error.contains("The journal is as it was"));
        }
        QCOMPARE(summary.Status(), 1);
        QCOMPARE(summary.kept, 0);
        QCOMPARE(Questions(path), QStringList{"earlier"});
    }
};

QTEST_MAIN(tst_Import)
#include "tst_import.moc"
