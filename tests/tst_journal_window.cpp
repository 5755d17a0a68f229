// The Journal window and Keep in Journal on real SQLite files, where the end-to-end run does not
// go: a journal that cannot take a chart, Delete, one window at a time.
#include "controls/SaveAsDialog.h"
#include "journal/JournalModel.h"
#include "journal/frmJournal.h"
#include "journal/frmKeep.h"
#include "tests/CastingWindow.h"
#include "tests/FileFaults.h"
#include "tests/JournalSupport.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
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

    // A page of the file damaged: the window lists what reads and says the rest cannot be read,
    // with the file's path; keeping is refused, saying why, and the file is left as it is.
    void damagedJournalIsSaid() {
        QVERIFY(KeepCharts(path, 60, 1500));
        QByteArray bytes = Bytes(path);
        const qsizetype page = bytes.indexOf("MARK30 ") / 4096 * 4096;
        QVERIFY(page > 0);
        bytes[page] = '\x00'; // no kind of page
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        window.grdJournal->scrollToBottom();
        qobject_cast<JournalModel*>(window.grdJournal->model())->FetchTo(60);
        const int listed = window.grdJournal->model()->rowCount();
        QVERIFY2(listed > 0 && listed < 60, qPrintable(QString::number(listed)));
        const QString status = window.lblStatus->text();
        QVERIFY2(status.contains(path) && status.contains("damaged"), qPrintable(status));
        QString told;
        Answer<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->accept();
        });
        QVERIFY(!frmJournal::KeepChart(nullptr, window.Store(), *ReadMothers("1112/1112/1211/2121"),
                                       Tableau::Classic));
        QVERIFY2(told.contains("damaged"), qPrintable(told));
        // The export writes what reads on both sides of the damage, and says the rest.
        const QString csv = folder.filePath("damaged.csv");
        QVERIFY(!window.Store().ExportCsv(csv));
        QVERIFY2(window.Store().LastError().contains(csv), qPrintable(window.Store().LastError()));
        const QByteArray exported = Bytes(csv);
        QVERIFY(exported.count("\r\n") - 1 > listed && exported.contains(",1,MARK1 "));
        QCOMPARE(Bytes(path), bytes);
    }

    // A keep that fails (a full disk) leaves the Keep window open with what was typed, saying
    // why; nothing is written.
    void failedKeepKeepsTheText() {
        QVERIFY(KeepCharts(path, 1));
        journal::JournalStore store(path);
        QVERIFY(store.Open());
        const QByteArray before = Bytes(path);
        FileSizeLimit full(before.size());
        bool open = false;
        QString said, typed;
        Answer<frmKeep>([&](frmKeep* ask) {
            ask->txtQuestion->setText("Ma question");
            ask->txtNote->setPlainText("Une note longue " + QString(10000, u'x'));
            ask->cmdOK->click();
            open = ask->isVisible();
            said = ask->lblFailure->text();
            typed = ask->txtQuestion->text() + '|' + ask->txtNote->toPlainText();
            ask->cmdCancel->click();
        });
        QVERIFY(!frmJournal::KeepChart(nullptr, store, *ReadMothers("1112/1112/1211/2121"),
                                       Tableau::Classic));
        QVERIFY(open);
        QVERIFY2(said.contains(path) && said.contains("as it was"), qPrintable(said));
        QCOMPARE(typed, "Ma question|Une note longue " + QString(10000, u'x'));
        QCOMPARE(Bytes(path), before);
    }

    // Another program holding the file: the window says so at once and lists when it can; an
    // idle window holds no lock, so another program can write.
    void anotherProgramAndTheWindow() {
        QVERIFY(KeepCharts(path, 2000, 1500));
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        other.setConnectOptions("QSQLITE_BUSY_TIMEOUT=1000");
        QVERIFY(other.open());
        {
            frmJournal window(casting->window.Frame3, nullptr, path);
            window.show();
            QVERIFY(window.grdJournal->model()->rowCount() > 0);
            QSqlQuery write(other);
            QVERIFY(write.exec("BEGIN IMMEDIATE"));
            QVERIFY(write.exec("UPDATE charts SET note = note || '.' WHERE id = 1"));
            QVERIFY2(write.exec("COMMIT"), qPrintable(write.lastError().text()));
            QVERIFY(write.exec("BEGIN EXCLUSIVE"));
            QElapsedTimer waited;
            waited.start();
            window.txtSearch->setText("nnn");
            QVERIFY2(waited.elapsed() < 2000, qPrintable(QString::number(waited.elapsed())));
            const QString said = window.lblStatus->text();
            QVERIFY2(said.contains("the journal is busy; the list will refresh") &&
                         said.contains(path),
                     qPrintable(said));
            QVERIFY(write.exec("COMMIT"));
            QTRY_VERIFY(window.grdJournal->model()->rowCount() > 0);
            QVERIFY(!window.lblStatus->text().contains("busy"));
        }
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
    }

    // A journal replaced under the open window (a backup restored) is listed again, the chosen
    // chart let go, and the replacement said.
    void replacedJournalIsListedAgain() {
        QVERIFY(KeepCharts(path, 3));
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        window.grdJournal->setCurrentIndex(window.grdJournal->model()->index(0, 0));
        const QString backup = folder.filePath("backup.sqlite");
        QVERIFY(journal::JournalStore(backup).Keep(Chart("from the backup")));
        QVERIFY(::rename(qPrintable(backup), qPrintable(path)) == 0);
        window.Refresh();
        QCOMPARE(window.grdJournal->model()->rowCount(), 1);
        QVERIFY(!window.grdJournal->currentIndex().isValid());
        QVERIFY2(window.lblStatus->text().contains("replaced"),
                 qPrintable(window.lblStatus->text()));
        QVERIFY(window.Store().Keep(Chart("after")));
        QCOMPARE(Questions(path), (QStringList{"after", "from the backup"}));
    }

    // Export refuses the journal itself inside Save As, which stays open, saying why.
    void exportRefusesTheJournal() {
        QVERIFY(KeepCharts(path, 1));
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        const QByteArray before = Bytes(path);
        QString said;
        bool stayed = false;
        Answer<controls::SaveAsDialog>([&](controls::SaveAsDialog* dialog) {
            Answer<QMessageBox>([&](QMessageBox* box) {
                said = box->text();
                box->accept();
            });
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            dialog->accept();
            stayed = dialog->isVisible();
            dialog->reject();
        });
        window.cmdExport->click();
        QVERIFY(stayed);
        QVERIFY2(said.contains(path) && said.contains("journal itself"), qPrintable(said));
        QCOMPARE(Bytes(path), before);
    }

    // The window is a window to screen readers, with its title, gives a question the room it
    // needs, and opens again where it was left. (The offscreen screen has no room beside the
    // main window: where it opens first is seen in the end-to-end run.)
    void placedBesideAndAnnounced() {
        const QString question = "Le voyage à Antananarivo, l'année qui vient ?";
        QVERIFY(journal::JournalStore().Keep(Chart(question)));
        QSettings(QSettings::UserScope, "Kelvora", "Kelvora").remove("Journal");
        casting->window.mnuJournal->trigger();
        frmJournal* window = frmJournal::OpenWindow();
        QVERIFY(window);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(node->role(), QAccessible::Window);
        QCOMPARE(node->text(QAccessible::Name), window->windowTitle());
        QVERIFY(window->grdJournal->columnWidth(JournalModel::QuestionColumn) >
                window->grdJournal->fontMetrics().horizontalAdvance(question));
        window->move(window->pos() + QPoint(-13, 17));
        const QPoint left = window->pos();
        window->close();
        QTRY_VERIFY(!frmJournal::OpenWindow());
        casting->window.mnuJournal->trigger();
        QCOMPARE(frmJournal::OpenWindow()->pos(), left);
        frmJournal::OpenWindow()->close();
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
