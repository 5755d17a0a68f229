// The journal's store on real SQLite files: faults said and survived, the search, the text kept
// as given and exported as CSV.
#include "tests/FileFaults.h"
#include "tests/JournalSupport.h"
#include "tests/TestMain.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using journal::JournalStore;
using journal::KeptChart;
using namespace testsupport;

// A journal as the first version made it, with one chart, at `path`.
void MakeFirstVersion(const QString& path) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char* statement :
             {"CREATE TABLE charts (id INTEGER PRIMARY KEY, kept_utc TEXT NOT NULL, "
              "offset_seconds INTEGER NOT NULL, mothers TEXT NOT NULL, tableau TEXT NOT "
              "NULL, question TEXT NOT NULL, note TEXT NOT NULL)",
              "CREATE VIRTUAL TABLE charts_text USING fts5 (question, note, "
              "content='charts', content_rowid='id', tokenize='unicode61 "
              "remove_diacritics 2')",
              "CREATE TRIGGER charts_kept AFTER INSERT ON charts BEGIN INSERT INTO "
              "charts_text (rowid, question, note) VALUES (new.id, new.question, "
              "new.note); END",
              "CREATE TRIGGER charts_removed AFTER DELETE ON charts BEGIN SELECT 1; END",
              "CREATE TRIGGER charts_edited AFTER UPDATE ON charts BEGIN SELECT 1; END",
              "INSERT INTO charts VALUES (1, '2026-12-07T10:00:00Z', 0, "
              "'1111/1111/1111/1111', 'classic', 'Énergie ?', '')",
              "PRAGMA application_id=1263294034", "PRAGMA user_version=1"}) {
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
}

class tst_Journal : public QObject {
    Q_OBJECT
public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void faultsAreSaidAndEarlierChartsSurvive_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("earlier");    // charts kept before the fault
        QTest::addColumn<QString>("reason"); // what LastError() says, beside the path
        QTest::newRow("random file") << "random" << 0 << "not an SQLite database";
        QTest::newRow("truncated") << "truncated" << 300 << "malformed";
        QTest::newRow("newer schema") << "newer" << 3 << "newer version of Kelvora";
        QTest::newRow("not writable") << "unwritable" << 3 << "cannot be written";
        QTest::newRow("write fails part-way (file size limit)") << "full" << 3 << "disk I/O error";
        QTest::newRow("first keep fails part-way") << "full" << 0 << "disk I/O error";
        QTest::newRow("killed while keeping") << "killed" << 0 << "";
    }

    void faultsAreSaidAndEarlierChartsSurvive() {
        QFETCH(QString, fault);
        QFETCH(int, earlier);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)));
        const QString path = dir.filePath("journal.sqlite");
        {
            JournalStore store(path);
            for (int n = 1; n <= earlier; ++n) {
                QVERIFY2(store.Keep(Chart(QStringLiteral("earlier %1").arg(n))),
                         qPrintable(store.LastError()));
            }
            if (fault == "newer") {
                // In WAL mode, which reading must not change (its bytes are compared below).
                QVERIFY(QSqlQuery(store.Database()).exec("PRAGMA journal_mode=WAL"));
                QVERIFY(QSqlQuery(store.Database())
                            .exec(QStringLiteral("PRAGMA user_version=%1")
                                      .arg(JournalStore::SchemaVersion + 1)));
            }
        }
        QFile file(path);
        if (fault == "random") {
            QByteArray noise(4096, '\0');
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(noise.data()), 1024);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size());
            file.close();
        } else if (fault == "truncated") {
            QVERIFY(file.resize(file.size() / 2));
        } else if (fault == "unwritable") { // and the folder too, to whom AsNobody makes root below
            QVERIFY(file.setPermissions(QFile::Permissions(0x4444)));
            QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x5555)));
        } else if (fault == "killed") {
            // A keeper killed at a random moment: every chart it said was kept is there, and at
            // most the one it was keeping is missing.
            QProcess keeper;
            keeper.start(QStringLiteral(JOURNAL_PROBE), {path});
            QByteArray printed;
            while (printed.count('\n') < 30 && keeper.waitForReadyRead(20000)) {
                printed += keeper.readAllStandardOutput();
            }
            keeper.kill();
            QVERIFY(keeper.waitForFinished());
            printed += keeper.readAllStandardOutput();
            const QStringList kept = Questions(path);
            QVERIFY2(printed.count('\n') >= 30, keeper.readAllStandardError().constData());
            QVERIFY(kept.size() - printed.count('\n') <= 1);
            for (int n = 1; n <= printed.count('\n'); ++n) {
                QVERIFY(kept.contains(QStringLiteral("chart %1").arg(n)));
            }
            JournalStore store(path);
            QVERIFY2(store.Open(), qPrintable(store.LastError()));
            QSqlQuery check(store.Database());
            QVERIFY(check.exec("PRAGMA integrity_check") && check.next());
            QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
            return;
        }
        const QByteArray before = Bytes(path);
        QString said;
        bool refused = true;
        {
            // The fault in force while Open and Keep run.
            const auto restore =
                qScopeGuard([&] { QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)); });
            std::optional<FileSizeLimit> full;
            if (fault == "full") {
                // Room for the rollback journal and a page of a new file, or for no growth at all.
                full.emplace(before.isEmpty() ? 6000 : before.size());
            }
            std::optional<AsNobody> nobody;
            if (fault == "unwritable" && !nobody.emplace().ok) {
                QSKIP("no user here to whom the journal is not writable");
            }
            JournalStore store(path);
            if (store.Open()) {
                refused = !store.Keep(Chart("new", QString(10000, u'x')));
                QCOMPARE(Questions(path).size(), earlier);
            }
            said = store.LastError();
        }
        QVERIFY(refused);
        QVERIFY2(said.contains(path) && said.contains(reason), qPrintable(said));
        QCOMPARE(Bytes(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
        // A first keep that failed leaves no file.
        QCOMPARE(QFile::exists(path), earlier > 0 || fault == "random");
        if (earlier > 0 && fault != "truncated") {
            const QStringList kept = Questions(path);
            QCOMPARE(kept.size(), earlier);
            QCOMPARE(kept.last(), QStringLiteral("earlier 1"));
        }
    }

    void searchFoldsAndNeverReadsSyntax_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found"); // questions, newest first
        const QString a = "L'énergie reviendra-t-elle ?", b = "Manque-t-il quelque chose ?",
                      c = "Le voyage à Antananarivo", e = "nouvelle question";
        QTest::newRow("only punctuation") << "'\"*-" << QStringList{e, c, b, a};
        QTest::newRow("capitals and accent") << "ÉNERG" << QStringList{e, b, a};
        QTest::newRow("a whole word starts a longer one") << "énergie" << QStringList{e, a};
        QTest::newRow("a longer prefix starts three") << "Energi" << QStringList{e, b, a};
        QTest::newRow("apostrophe") << "l'energie" << QStringList{a};
        QTest::newRow("hyphens") << "manque-t-il" << QStringList{b};
        QTest::newRow("a letter starts words in two") << "t" << QStringList{b, a};
        QTest::newRow("every word must be found") << "depart lundi" << QStringList{};
        QTest::newRow("words in question and note") << "antan depart" << QStringList{c};
        QTest::newRow("OR is a word") << "OR" << QStringList{b};
        QTest::newRow("quotes and star") << "\"quoted *star" << QStringList{b};
        QTest::newRow("edited text is found") << "nouvel" << QStringList{e};
        QTest::newRow("text before an edit is not") << "ancienne" << QStringList{};
        QTest::newRow("a removed chart is not") << "supprim" << QStringList{};
    }

    void searchFoldsAndNeverReadsSyntax() {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        // The default journal, in the private data folder, kept in by the first row.
        JournalStore store;
        QVERIFY(store.Path().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        if (!store.Exists()) {
            for (const auto& [question, note] : std::initializer_list<std::pair<QString, QString>>{
                     {"L'énergie reviendra-t-elle ?", ""},
                     {"Manque-t-il quelque chose ?", "OR \"quoted\" *star* énergique"},
                     {"Le voyage à Antananarivo", "départ: mardi"},
                     {"supprimée", ""},
                     {"ancienne question", ""}}) {
                QVERIFY(store.Keep(Chart(question, note)));
            }
            QVERIFY(store.Remove(4));
            QVERIFY(store.Edit(5, "nouvelle question", "énergies"));
        }
        QCOMPARE(Questions(store.Path(), typed), found);
    }

    void textIsKeptAsGivenAndExportedQuoted_data() {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("row"); // up to the mothers
        const QString z = "2026-12-08T16:30:00Z,";
        QTest::newRow("plain") << "Simple" << QString() << 10800
                               << "2026-12-08T19:30:00+03:00,Simple,,";
        QTest::newRow("west of UTC")
            << "a" << QString("b") << -9000 << "2026-12-08T14:00:00-02:30,a,b,";
        QTest::newRow("comma") << "a, b" << QString() << 0 << z + "\"a, b\",,";
        QTest::newRow("quotes and a tab")
            << "it's \"here\"\t?" << QString("a\tb") << 0 << z + "\"it's \"\"here\"\"\t?\",a\tb,";
        QTest::newRow("line breaks")
            << "q" << QString("one\ntwo\r\nthree") << 0 << z + "q,\"one\ntwo\r\nthree\",";
        QTest::newRow("formula") << "=HYPERLINK(\"x\")" << QString("+1") << 0
                                 << z + "\"'=HYPERLINK(\"\"x\"\")\",\"'+1\",";
        QTest::newRow("minus and at")
            << "-2" << QString("@SUM(A1)") << 0 << z + "\"'-2\",\"'@SUM(A1)\",";
        QTest::newRow("tab and carriage return first")
            << "\tx" << QString("\r=1") << 0 << z + "\"'\tx\",\"'\r=1\",";
        QTest::newRow("sign inside") << "a=b" << QString("x-y") << 0 << z + "a=b,x-y,";
        QTest::newRow("right-to-left") << "هل سأسافر؟" << QString("\u200Fשלום\u200E ok") << 0
                                       << z + "هل سأسافر؟,\u200Fשלום\u200E ok,";
        QTest::newRow("10,000 characters")
            << "q" << QString(10000, u'é') << 0 << z + "q," + QString(10000, u'é') + ",";
    }

    // A chart of the worked example in the diviners' tableau is found again as kept, and exported
    // above an older one in the classic tableau, every house as four digits.
    void textIsKeptAsGivenAndExportedQuoted() {
        QFETCH(QString, question);
        QFETCH(QString, note);
        QFETCH(int, offset);
        QFETCH(QString, row);
        QTemporaryDir dir;
        JournalStore store(dir.filePath("journal.sqlite"));
        KeptChart older = Chart("older");
        older.keptUtc = older.keptUtc.addDays(-1);
        QVERIFY(store.Keep(older));
        KeptChart chart = Chart(question, note, "1112/1112/1211/2121");
        chart.tableau = Tableau::Diviners;
        chart.offsetSeconds = offset;
        const std::optional<qint64> id = store.Keep(chart);
        QVERIFY(id);
        const std::optional<KeptChart> found = JournalStore(store.Path()).Find(*id);
        QVERIFY(found);
        QCOMPARE(found->question, question);
        QCOMPARE(found->note, note);
        QCOMPARE(MothersText(found->mothers), QStringLiteral("1112/1112/1211/2121"));
        QCOMPARE(found->tableau, Tableau::Diviners);
        QCOMPARE(found->keptUtc, QDateTime(QDate(2026, 12, 8), QTime(16, 30), QTimeZone::utc()));
        QCOMPARE(found->offsetSeconds, offset);
        const QString csv = dir.filePath("out.csv");
        QVERIFY2(store.ExportCsv(csv), qPrintable(store.LastError()));
        QCOMPARE(
            QString::fromUtf8(Bytes(csv)),
            "\uFEFFtime,question,note,mothers,tableau,house 1,house 2,house 3,house 4,house 5,"
            "house 6,house 7,house 8,house 9,house 10,house 11,house 12,house 13,house 14,"
            "house 15,house 16\r\n" +
                row +
                "1112/1112/1211/2121,diviners,1112,1112,1211,2121,1112,1121,1112,2211,1121,1112,"
                "2211,2222,1112,1112,2222,1112\r\n2026-12-07T19:30:00+03:00,older,,"
                "1111/1111/1111/1111,classic" +
                QString(",1111").repeated(16) + "\r\n");
        // A file that cannot be written is said, with its path.
        QVERIFY(!store.ExportCsv("/proc/journal.csv"));
        QVERIFY2(store.LastError().contains("/proc/journal.csv"), qPrintable(store.LastError()));
    }

    // An export onto the journal or one of SQLite's files beside it, by any name, is refused and
    // writes nothing; another file is written.
    void exportOntoTheJournalIsRefused_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the journal") << "journal.sqlite" << true;
        QTest::newRow("its rollback journal, absent") << "journal.sqlite-journal" << true;
        QTest::newRow("its -wal") << "journal.sqlite-wal" << true;
        QTest::newRow("its -shm") << "journal.sqlite-shm" << true;
        QTest::newRow("through another folder") << "sub/../journal.sqlite" << true;
        QTest::newRow("a hard link to it") << "hard.csv" << true;
        QTest::newRow("a symbolic link to it") << "soft.csv" << true;
        QTest::newRow("another file") << "journal.csv" << false;
    }
    void exportOntoTheJournalIsRefused() {
        QFETCH(QString, target);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.sqlite");
        JournalStore store(path);
        QVERIFY(store.Keep(Chart("kept")));
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(::link(qPrintable(path), qPrintable(dir.filePath("hard.csv"))) == 0);
        QVERIFY(QFile::link(path, dir.filePath("soft.csv")));
        const QByteArray before = Bytes(path);
        QCOMPARE(store.ExportCsv(dir.filePath(target)), !refused);
        QCOMPARE(Bytes(path), before);
        QCOMPARE(store.LastError().contains("journal itself"), refused);
    }

    // A cancelled export leaves the file it was to replace as it was; one run to its end says
    // its progress up to every chart.
    void exportCanBeCancelled() {
        QTemporaryDir dir;
        QVERIFY(KeepCharts(dir.filePath("journal.sqlite"), 2500));
        JournalStore store(dir.filePath("journal.sqlite"));
        const QString csv = dir.filePath("out.csv");
        QFile old(csv);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept before") == 11);
        old.close();
        for (const bool cancel : {true, false}) {
            qint64 last = 0, total = 0;
            QCOMPARE(store.ExportCsv(csv,
                                     [&](qint64 done, qint64 all) {
                                         last = done;
                                         total = all;
                                         return !cancel;
                                     }),
                     !cancel);
            QCOMPARE(total, 2500);
            QCOMPARE(last, cancel ? 1000 : 2000);
            QVERIFY(store.LastError().isEmpty());
            if (cancel) {
                QCOMPARE(Bytes(csv), QByteArray("kept before"));
            }
        }
        QCOMPARE(Bytes(csv).count("\r\n"), 2501); // the header and every chart
    }

    // The journal's folder is 0700 (also one made before) and its file 0600, whatever the umask.
    void journalIsPrivate_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("folderBefore"); // 0: made by the keep
        QTest::newRow("umask 000, folder made by the keep") << 0 << 0;
        QTest::newRow("umask 022, folder made before as 0755") << 022 << 0755;
    }
    void journalIsPrivate() {
        QFETCH(int, mask);
        QFETCH(int, folderBefore);
        QTemporaryDir dir;
        const QString folder = dir.filePath("kelvora");
        if (folderBefore) {
            QVERIFY(QDir(dir.path()).mkdir("kelvora"));
            QVERIFY(::chmod(qPrintable(folder), mode_t(folderBefore)) == 0);
        }
        const mode_t old = ::umask(mode_t(mask));
        const bool kept =
            JournalStore(folder + "/journal.sqlite").Keep(Chart("private")).has_value();
        ::umask(old);
        QVERIFY(kept);
        struct stat info {};
        QVERIFY(::stat(qPrintable(folder), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0700));
        QVERIFY(::stat(qPrintable(folder + "/journal.sqlite"), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0600));
    }

    // Another program holding the file makes a keep fail, saying so; once it lets go, the keep
    // works. (How long a read waits, and what it says: tst_journal_window.)
    void anotherProgramHoldingTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.sqlite");
        QVERIFY(JournalStore(path).Keep(Chart("before")));
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
            holder.setDatabaseName(path);
            QVERIFY(holder.open());
            QVERIFY(QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
            JournalStore store(path);
            QVERIFY(!store.Keep(Chart("while held")));
            QVERIFY2(store.LastError().contains("another program is using it"),
                     qPrintable(store.LastError()));
            QVERIFY(QSqlQuery(holder).exec("COMMIT"));
            QVERIFY(store.Keep(Chart("after")));
            holder.close();
        }
        QSqlDatabase::removeDatabase("holder");
        QCOMPARE(Questions(path), (QStringList{"after", "before"}));
    }

    // A journal of the first version is copied beside itself as it was, then brought to this
    // version once, said once; its charts are found by their first letters and kept in after.
    void firstVersionIsBroughtUp() {
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.sqlite");
        MakeFirstVersion(path);
        const QByteArray before = Bytes(path);
        JournalStore store(path);
        QVERIFY2(store.Open() && !store.ReadOnly(), qPrintable(store.LastError()));
        QVERIFY(store.TakeNotice().contains(path + ".v1"));
        QVERIFY(store.TakeNotice().isEmpty());
        QCOMPARE(Bytes(path + ".v1"), before);
        QVERIFY(store.Keep(Chart("Énorme")));
        QCOMPARE(Questions(path, "e"), (QStringList{"Énorme", "Énergie ?"}));
        QCOMPARE(Questions(path, "ener"), QStringList{"Énergie ?"});
        QSqlQuery version(store.Database());
        QVERIFY(version.exec("PRAGMA user_version") && version.next());
        QCOMPARE(version.value(0).toInt(), JournalStore::SchemaVersion);
    }

    // A migration that cannot finish leaves the first version's journal as it was, byte for
    // byte, and says why.
    void interruptedMigrationLeavesFirstVersion_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the copy cannot be made") << "copy"
                                                 << "a copy of it could not be made";
        QTest::newRow("another program holds the journal") << "busy"
                                                           << "another program";
    }
    void interruptedMigrationLeavesFirstVersion() {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.sqlite");
        MakeFirstVersion(path);
        const QByteArray before = Bytes(path);
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        const auto closeOther = qScopeGuard([&] {
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase("other");
        });
        if (fault == "copy") {
            // Where the copy is written first, a folder: the copy fails.
            QVERIFY(QDir().mkdir(path + ".v1.part"));
        } else {
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
        }
        {
            JournalStore store(path);
            QVERIFY(!store.Open());
            QVERIFY2(store.LastError().contains("could not bring the journal") &&
                         store.LastError().contains(reason),
                     qPrintable(store.LastError()));
        }
        if (other.isOpen()) {
            QVERIFY(QSqlQuery(other).exec("ROLLBACK"));
        }
        QVERIFY(!QFileInfo::exists(path + ".v1"));
        QVERIFY(!QFileInfo::exists(path + "-journal"));
        QCOMPARE(Bytes(path), before);
    }
};

QTEST_MAIN(tst_Journal)
#include "tst_journal.moc"
