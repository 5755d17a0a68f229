// The journal's store on real SQLite files: faults said and survived, the search, the text kept
// as given, the CSV export.
#include "journal/JournalStore.h"
#include "tests/TestMain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using journal::JournalStore;
using journal::KeptChart;

namespace {

KeptChart Chart(const QString& question, const QString& note = QString(), int minute = 0) {
    KeptChart chart;
    chart.mothers = *ReadMothers(QStringLiteral("1111/1111/1111/1111"));
    chart.question = question;
    chart.note = note;
    chart.keptUtc = QDateTime(QDate(2026, 12, 8), QTime(16, 30 + minute), Qt::UTC);
    chart.offsetSeconds = 3 * 3600;
    return chart;
}

// The questions List(search) gives, in its order.
QStringList Questions(JournalStore& store, const QString& search = QString()) {
    QSqlQuery query = store.List(search);
    QStringList questions;
    while (query.next()) {
        questions.append(query.value(QStringLiteral("question")).toString());
    }
    return questions;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Journal : public QObject {
    Q_OBJECT
public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void faultsAreSaidAndEarlierChartsSurvive_data();
    void faultsAreSaidAndEarlierChartsSurvive();
    void searchFoldsAndNeverReadsSyntax_data();
    void searchFoldsAndNeverReadsSyntax();
    void textIsKeptAsGiven_data();
    void textIsKeptAsGiven();
    void csvQuotesAndDisarms_data();
    void csvQuotesAndDisarms();
};

void tst_Journal::faultsAreSaidAndEarlierChartsSurvive_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("earlier");    // charts kept before the fault
    QTest::addColumn<QString>("reason"); // what LastError() says, beside the path
    QTest::newRow("random file") << "random" << 0 << "not an SQLite database";
    QTest::newRow("truncated") << "truncated" << 300 << "malformed";
    QTest::newRow("newer schema") << "newer" << 3 << "newer version of Kelvora";
    QTest::newRow("not writable") << "unwritable" << 3 << "readonly";
    QTest::newRow("write fails part-way (file size limit)") << "full" << 3 << "disk I/O error";
    QTest::newRow("first keep fails part-way") << "full" << 0 << "disk I/O error";
    QTest::newRow("no folder") << "folder" << 0 << "cannot be made";
    QTest::newRow("killed while keeping") << "killed" << 0 << "";
}

void tst_Journal::faultsAreSaidAndEarlierChartsSurvive() {
    QFETCH(QString, fault);
    QFETCH(int, earlier);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)));
    QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    if (fault == QLatin1String("folder")) {
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        path = plain.fileName() + QStringLiteral("/kelvora/journal.sqlite");
    }
    {
        JournalStore store(path);
        for (int n = 1; n <= earlier; ++n) {
            QVERIFY2(store.Keep(Chart(QStringLiteral("earlier %1").arg(n))),
                     qPrintable(store.LastError()));
        }
    }
    QFile file(path);
    if (fault == QLatin1String("random")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1024; ++i) {
            file.write(QByteArray::number(QRandomGenerator::global()->generate(), 16));
        }
        file.close();
    } else if (fault == QLatin1String("truncated")) {
        QVERIFY(file.resize(file.size() / 2));
    } else if (fault == QLatin1String("newer")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), fault);
            db.setDatabaseName(path);
            QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=2")));
        }
        QSqlDatabase::removeDatabase(fault);
    } else if (fault == QLatin1String("unwritable")) {
        // Read-only for a user; root is made "nobody" below, to whom the file is not writable.
        QVERIFY(file.setPermissions(QFile::Permissions(0x4444)));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x5555)));
    }
    if (fault == QLatin1String("killed")) {
        // A keeper killed at a random moment: every chart it said was kept is there, and at most
        // the one it was keeping is missing.
        QProcess keeper;
        keeper.start(QStringLiteral(JOURNAL_PROBE), {path});
        QByteArray printed;
        while (printed.count('\n') < 30 && keeper.waitForReadyRead(20000)) {
            printed += keeper.readAllStandardOutput();
        }
        keeper.kill();
        QVERIFY(keeper.waitForFinished());
        printed += keeper.readAllStandardOutput();
        earlier = printed.count('\n');
        QVERIFY2(earlier >= 30, keeper.readAllStandardError().constData());
        JournalStore store(path);
        QVERIFY2(store.Open(), qPrintable(store.LastError()));
        const QStringList kept = Questions(store);
        QVERIFY(kept.size() == earlier || kept.size() == earlier + 1);
        for (int n = 1; n <= earlier; ++n) {
            QVERIFY(kept.contains(QStringLiteral("chart %1").arg(n)));
        }
        QSqlQuery check(store.Database());
        QVERIFY(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
        return;
    }
    const QByteArray before = Bytes(path);
    QString said;
    bool refused = true;
    {
        // The fault in force while Open and Keep run.
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, handler);
            if (geteuid() != getuid()) {
                [[maybe_unused]] const int u = seteuid(getuid());
            }
            QFile::setPermissions(dir.path(), QFile::Permissions(0x7755));
        });
        if (fault == QLatin1String("full")) {
            // Room for the rollback journal and a page of a new file, or for no growth at all.
            const rlim_t room = before.isEmpty() ? 6000 : static_cast<rlim_t>(before.size());
            const rlimit small{room, limit.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
        } else if (fault == QLatin1String("unwritable") && geteuid() == 0 && seteuid(65534) != 0) {
            QSKIP("no user here to whom the journal is not writable");
        }
        JournalStore store(path);
        const bool opened = store.Open();
        said = store.LastError();
        if (opened) {
            refused = !store.Keep(Chart(QStringLiteral("new"), QString(10000, QLatin1Char('x'))));
            said = store.LastError();
            QCOMPARE(Questions(store).size(), earlier);
        }
    }
    QVERIFY(refused);
    QVERIFY2(said.contains(path) && said.contains(reason), qPrintable(said));
    QCOMPARE(Bytes(path), before);
    QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    // A first keep that failed leaves no file.
    QCOMPARE(QFile::exists(path), earlier > 0 || fault == QLatin1String("random"));
    if (earlier > 0 && fault != QLatin1String("truncated")) {
        JournalStore store(path);
        QVERIFY2(store.Open(), qPrintable(store.LastError()));
        const QStringList kept = Questions(store);
        QCOMPARE(kept.size(), earlier);
        QCOMPARE(kept.last(), QStringLiteral("earlier 1"));
    }
}

void tst_Journal::searchFoldsAndNeverReadsSyntax_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found"); // questions, newest first
    const QString a = QStringLiteral("L'énergie reviendra-t-elle ?");
    const QString b = QStringLiteral("Manque-t-il quelque chose ?");
    const QString c = QStringLiteral("Le voyage à Antananarivo");
    const QString d = QStringLiteral("نور الشمس");
    const QString e = QStringLiteral("nouvelle question");
    QTest::newRow("nothing typed") << "" << QStringList{e, d, c, b, a};
    QTest::newRow("only punctuation") << "'\"*-" << QStringList{e, d, c, b, a};
    QTest::newRow("start of a word, no accent") << "energ" << QStringList{a};
    QTest::newRow("capitals and accent") << "ÉNERG" << QStringList{a};
    QTest::newRow("apostrophe") << "l'energie" << QStringList{a};
    QTest::newRow("hyphens") << "manque-t-il" << QStringList{b};
    QTest::newRow("a letter starts words in two") << "t" << QStringList{b, a};
    QTest::newRow("every word must be found") << "depart lundi" << QStringList{};
    QTest::newRow("words in question and note") << "antan depart" << QStringList{c};
    QTest::newRow("colon") << "départ:" << QStringList{c};
    QTest::newRow("OR is a word") << "OR" << QStringList{b};
    QTest::newRow("NEAR and parentheses") << "NEAR(x" << QStringList{b};
    QTest::newRow("quotes and star") << "\"quoted *star" << QStringList{b};
    QTest::newRow("right-to-left") << "الش" << QStringList{d};
    QTest::newRow("edited text is found") << "nouvel" << QStringList{e};
    QTest::newRow("text before an edit is not") << "ancienne" << QStringList{};
    QTest::newRow("a removed chart is not") << "supprim" << QStringList{};
}

void tst_Journal::searchFoldsAndNeverReadsSyntax() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    // The default journal, in the private data folder.
    JournalStore store;
    QVERIFY(store.Path().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    if (!store.Exists()) {
        const QStringList kept[] = {{"L'énergie reviendra-t-elle ?", ""},
                                    {"Manque-t-il quelque chose ?", "OR NEAR(x) \"quoted\" *star*"},
                                    {"Le voyage à Antananarivo", "départ: mardi"},
                                    {"supprimée", ""},
                                    {"نور الشمس", ""},
                                    {"ancienne question", ""}};
        for (int n = 0; n < 6; ++n) {
            QVERIFY(store.Keep(Chart(kept[n][0], kept[n][1], n)));
        }
        QVERIFY(store.Remove(4));
        QVERIFY(store.Edit(6, QStringLiteral("nouvelle question"), QString()));
    }
    QCOMPARE(Questions(store, typed), found);
}

void tst_Journal::textIsKeptAsGiven_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("note");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("quotes and tabs") << "it's \"here\"\t?"
                                     << "a\tb\r\nc\nd";
    QTest::newRow("statement-like") << "'); DROP TABLE charts; --"
                                    << "%_\\";
    QTest::newRow("right-to-left") << "هل سأسافر؟"
                                   << "\u200Fשלום\u200E ok";
    QTest::newRow("10,000 characters") << "q" << QString(10000, QChar(0x00E9));
}

void tst_Journal::textIsKeptAsGiven() {
    QFETCH(QString, question);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    KeptChart chart = Chart(question, note);
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    chart.tableau = Tableau::Diviners;
    chart.offsetSeconds = -9000;
    std::optional<qint64> id = JournalStore(path).Keep(chart);
    QVERIFY(id);
    JournalStore store(path);
    const std::optional<KeptChart> found = store.Find(*id);
    QVERIFY2(found, qPrintable(store.LastError()));
    QCOMPARE(found->question, question);
    QCOMPARE(found->note, note);
    QCOMPARE(MothersText(found->mothers), QStringLiteral("1112/1112/1211/2121"));
    QCOMPARE(found->tableau, Tableau::Diviners);
    QCOMPARE(found->keptUtc, QDateTime(QDate(2026, 12, 8), QTime(16, 30), Qt::UTC));
    QCOMPARE(found->offsetSeconds, -9000);
}

void tst_Journal::csvQuotesAndDisarms_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("row"); // up to the mothers
    QTest::newRow("plain") << "Simple"
                           << "" << 10800 << "2026-12-08T19:30:00+03:00,Simple,,";
    QTest::newRow("UTC") << "énergie"
                         << "" << 0 << "2026-12-08T16:30:00Z,énergie,,";
    QTest::newRow("west of UTC") << "a"
                                 << "b" << -9000 << "2026-12-08T14:00:00-02:30,a,b,";
    QTest::newRow("comma") << "a, b"
                           << "" << 0 << "2026-12-08T16:30:00Z,\"a, b\",,";
    QTest::newRow("quotes") << "say \"hi\""
                            << "" << 0 << "2026-12-08T16:30:00Z,\"say \"\"hi\"\"\",,";
    QTest::newRow("line breaks") << "q"
                                 << "one\ntwo\r\nthree" << 0
                                 << "2026-12-08T16:30:00Z,q,\"one\ntwo\r\nthree\",";
    QTest::newRow("formula") << "=HYPERLINK(\"x\")"
                             << "+1" << 0
                             << "2026-12-08T16:30:00Z,\"'=HYPERLINK(\"\"x\"\")\",\"'+1\",";
    QTest::newRow("minus and at") << "-2"
                                  << "@SUM(A1)" << 0
                                  << "2026-12-08T16:30:00Z,\"'-2\",\"'@SUM(A1)\",";
    QTest::newRow("sign inside") << "a=b"
                                 << "x-y" << 0 << "2026-12-08T16:30:00Z,a=b,x-y,";
}

void tst_Journal::csvQuotesAndDisarms() {
    QFETCH(QString, question);
    QFETCH(QString, note);
    QFETCH(int, offset);
    QFETCH(QString, row);
    QTemporaryDir dir;
    JournalStore store(dir.filePath(QStringLiteral("journal.sqlite")));
    // An older chart in the diviners' tableau, kept first: it comes last.
    KeptChart older = Chart(QStringLiteral("older"));
    older.tableau = Tableau::Diviners;
    older.offsetSeconds = 0;
    older.keptUtc = older.keptUtc.addDays(-1);
    QVERIFY(store.Keep(older));
    KeptChart chart = Chart(question, note);
    chart.offsetSeconds = offset;
    QVERIFY(store.Keep(chart));
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    QVERIFY2(store.ExportCsv(csv), qPrintable(store.LastError()));
    const QString ones = QStringLiteral("1111,1111,1111,1111,1111,1111,1111,1111,");
    const QString twos = QStringLiteral("2222,2222,2222,2222,2222,2222,2222,");
    QCOMPARE(QString::fromUtf8(Bytes(csv)),
             "\uFEFFtime,question,note,mothers,tableau,house 1,house 2,house 3,house 4,house 5,"
             "house 6,house 7,house 8,house 9,house 10,house 11,house 12,house 13,house 14,"
             "house 15,house 16\r\n" +
                 row + "1111/1111/1111/1111,classic," + ones + ones.chopped(1) + "\r\n" +
                 "2026-12-07T16:30:00Z,older,,1111/1111/1111/1111,diviners," + ones + twos +
                 "1111\r\n");
    // A file that cannot be written is said, with its path.
    QVERIFY(!store.ExportCsv(QStringLiteral("/proc/journal.csv")));
    QVERIFY2(store.LastError().contains(QStringLiteral("/proc/journal.csv")),
             qPrintable(store.LastError()));
}

QTEST_MAIN(tst_Journal)
#include "tst_journal.moc"
