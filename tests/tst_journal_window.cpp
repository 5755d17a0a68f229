// The Journal window and Keep in Journal on real SQLite files, where the end-to-end run does not
// go: a journal that cannot take a chart, Delete, one window at a time.
#include "journal/frmJournal.h"
#include "journal/frmKeep.h"
#include "tests/CastingWindow.h"
#include "tests/JournalSupport.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"

#include <QLabel>
#include <QMessageBox>
#include <QTableView>
#include <QtTest>

#include <optional>

using namespace testsupport;

class TestJournalWindow : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    std::optional<CastingWindow> casting;
    QTemporaryDir folder;
    const QString path = folder.filePath("journal.sqlite");

private slots:
    void init() {
        QFile::remove(path);
        casting.emplace();
        QVERIFY(casting->Active());
    }
    void cleanup() { casting.reset(); }

    // The window says what the journal is, with the file's path; Keep is refused with the same
    // reason, and the file is left exactly as it was.
    void journalStateIsSaid_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("said");
        QTest::newRow("not a journal")
            << "not a journal" << QStringList{} << "not an SQLite database";
        QTest::newRow("newer Kelvora")
            << "newer" << QStringList{"Avant"} << "newer version of Kelvora";
    }
    void journalStateIsSaid() {
        QFETCH(QString, state);
        QFETCH(QStringList, listed);
        QFETCH(QString, said);
        if (state == "newer") {
            journal::JournalStore store(path);
            QVERIFY(store.Keep(Chart("Avant")));
            QVERIFY(QSqlQuery(store.Database()).exec("PRAGMA user_version=99"));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'Z')) == 4096);
        }
        const QByteArray before = Bytes(path);
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        QCOMPARE(window.grdJournal->model()->rowCount(), listed.size());
        const QString status = window.lblStatus->text();
        QVERIFY2(status.contains(said) && status.contains(path), qPrintable(status));
        QVERIFY(!window.cmdDelete->isEnabled());

        casting->Press(12);
        QString told;
        Answer<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->accept();
        });
        Answer<frmKeep>([](frmKeep* ask) { ask->cmdOK->click(); });
        QVERIFY(!frmJournal::KeepChart(&casting->window, window.Store(),
                                       *ReadMothers("1112/1112/1211/2121"), Tableau::Classic));
        QVERIFY2(told.contains(said) && told.contains(path), qPrintable(told));
        QCOMPARE(Bytes(path), before);
        QCOMPARE(Questions(path), listed);
    }

    // Delete, by its key in the list, asks first: No keeps every chart, Yes removes the chosen
    // one only, also past the rows the list read first, and the next one is chosen in its row.
    void deleteAsksFirst_data() {
        QTest::addColumn<int>("charts"); // kept as "1", "2" ...: row r lists charts - r
        QTest::addColumn<int>("row");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("removed");
        QTest::newRow("No") << 3 << 1 << QMessageBox::No << "";
        QTest::newRow("Yes") << 3 << 1 << QMessageBox::Yes << "2";
        QTest::newRow("Yes, past the rows read first") << 40 << 35 << QMessageBox::Yes << "5";
    }
    void deleteAsksFirst() {
        QFETCH(int, charts);
        QFETCH(int, row);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, removed);
        QStringList kept;
        for (int n = 1; n <= charts; ++n) {
            kept.prepend(QString::number(n));
            QVERIFY(journal::JournalStore(path).Keep(Chart(kept.first())));
        }
        frmJournal own(casting->window.Frame3, nullptr, path);
        own.show();
        own.grdJournal->setFocus();
        QAbstractItemModel* list = own.grdJournal->model();
        while (list->rowCount() <= row && list->canFetchMore({})) {
            own.grdJournal->scrollToBottom();
            list->fetchMore({});
        }
        own.grdJournal->setCurrentIndex(list->index(row, 0));
        bool asked = false;
        Answer<QMessageBox>([&](QMessageBox* box) {
            asked = box->text().contains(kept[row]);
            box->button(answer)->click();
        });
        QTest::keyClick(own.grdJournal, Qt::Key_Delete);
        QVERIFY(asked);
        kept.removeOne(removed);
        QCOMPARE(Questions(path), kept);
        QCOMPARE(own.grdJournal->currentIndex().row(), row);
    }

    // Ctrl+J again brings the open Journal window forward rather than opening a second one; it
    // goes when the main window closes.
    void oneWindowAtATime() {
        casting->window.mnuJournal->trigger();
        QPointer<frmJournal> first = frmJournal::OpenWindow();
        QVERIFY(first);
        casting->window.mnuJournal->trigger();
        QCOMPARE(frmJournal::OpenWindow(), first.data());
        casting->window.close();
        QTRY_VERIFY(!frmJournal::OpenWindow());
    }
};

QTEST_MAIN(TestJournalWindow)
#include "tst_journal_window.moc"
