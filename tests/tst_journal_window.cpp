// The Journal window and Keep in Journal, on real SQLite files in a private folder: what the
// end-to-end run does not show. Keep follows the board; a journal that is missing, not a journal
// or made by a newer Kelvora is said in the window and refuses Keep with its reason; Delete asks
// and removes that chart only; Down goes from the search box into the list.
#include "journal/JournalModel.h"
#include "journal/JournalStore.h"
#include "journal/frmJournal.h"
#include "journal/frmKeep.h"
#include "platform/Random.h"
#include "tests/CastingWindow.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include <optional>

namespace {

float Draw(int i) {
    return i % 3 == 0 ? 0.75f : 0.25f;
}

// Keeps a chart with `question` straight through the store; its id.
qint64 KeepChart(const QString& path, const QString& question, const QString& mothers) {
    journal::JournalStore store(path);
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(mothers);
    chart.question = question;
    chart.keptUtc = QDateTime::currentDateTimeUtc();
    return store.Keep(chart).value_or(0);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestJournalWindow : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    std::optional<testsupport::CastingWindow> casting;
    std::optional<QTemporaryDir> folder;
    QString path;

    int Kept() {
        journal::JournalStore store(path);
        if (!store.Open()) {
            return -1;
        }
        QSqlQuery rows = store.List(QString());
        int n = 0;
        while (rows.next()) {
            ++n;
        }
        return n;
    }
    // The journal in one of the states a person may meet.
    void MakeJournal(const QString& state) {
        if (state == "not a journal") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x5a'));
        } else if (state == "newer") {
            QVERIFY(KeepChart(path, "Avant", "1112/1112/1211/2121"));
            journal::JournalStore store(path);
            QVERIFY(store.Open());
            QVERIFY(QSqlQuery(store.Database()).exec("PRAGMA user_version=99"));
        }
    }

private slots:
    void init() {
        folder.emplace();
        path = folder->filePath("journal.sqlite");
        casting.emplace();
        QVERIFY(casting->Active());
    }
    void cleanup() {
        casting.reset();
        folder.reset();
    }

    // Keep in Journal can be chosen while the twelve figures of a casting are on the board.
    void keepFollowsTheBoard_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no casting") << 0 << false;
        QTest::newRow("eleven figures") << 11 << false;
        QTest::newRow("twelve figures") << 12 << true;
        QTest::newRow("interpretation written") << 13 << true;
        QTest::newRow("board reset") << 14 << false;
    }
    void keepFollowsTheBoard() {
        QFETCH(int, presses);
        QFETCH(bool, enabled);
        platform::ScriptedDraws draws(Draw);
        casting->Press(presses);
        QCOMPARE(casting->window.mnuKeep->isEnabled(), enabled);
    }

    // The window says what the journal is; a journal that cannot take a chart refuses Keep with
    // the reason and the file's path, and is left exactly as it was.
    void journalStateIsSaid_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("none yet") << "none" << 0 << "No chart has been kept yet" << true;
        QTest::newRow("not a journal") << "not a journal" << 0 << "not an SQLite database" << false;
        QTest::newRow("newer Kelvora") << "newer" << 1 << "newer version of Kelvora" << false;
    }
    void journalStateIsSaid() {
        QFETCH(QString, state);
        QFETCH(int, rows);
        QFETCH(QString, said);
        QFETCH(bool, keeps);
        MakeJournal(state);
        const QByteArray before = Bytes(path);
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        QCOMPARE(window.grdJournal->model()->rowCount(), rows);
        QVERIFY2(window.lblStatus->text().contains(said), qPrintable(window.lblStatus->text()));
        if (state != "none") {
            QVERIFY2(window.lblStatus->text().contains(path), qPrintable(window.lblStatus->text()));
        }
        QCOMPARE(window.cmdDelete->isEnabled(), false);

        platform::ScriptedDraws draws(Draw);
        casting->Press(12);
        QString told;
        testsupport::Answer<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->accept();
        });
        testsupport::Answer<frmKeep>([](frmKeep* ask) {
            ask->txtQuestion->setText("Pourquoi ?");
            ask->cmdOK->click();
        });
        QCOMPARE(frmJournal::KeepBoardChart(&casting->window, path), keeps);
        if (keeps) {
            QCOMPARE(Kept(), 1);
        } else {
            QVERIFY2(told.contains(said) && told.contains(path), qPrintable(told));
            QCOMPARE(Bytes(path), before);
        }
    }

    // Delete, by its key in the list, asks first: No keeps every chart, Yes removes the chosen
    // one only.
    void deleteAsksFirst_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("No") << QMessageBox::No << QStringList{"Trois", "Deux", "Un"};
        QTest::newRow("Yes") << QMessageBox::Yes << QStringList{"Trois", "Un"};
    }
    void deleteAsksFirst() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, left);
        QVERIFY(KeepChart(path, "Un", "1111/1111/1111/1111"));
        QVERIFY(KeepChart(path, "Deux", "2222/2222/2222/2222"));
        QVERIFY(KeepChart(path, "Trois", "1212/1212/1212/1212"));
        frmJournal own(casting->window.Frame3, nullptr, path);
        own.show();
        own.grdJournal->setFocus();
        own.grdJournal->setCurrentIndex(own.grdJournal->model()->index(1, 0));
        bool asked = false;
        testsupport::Answer<QMessageBox>([&](QMessageBox* box) {
            asked = box->text().contains("Deux");
            box->button(answer)->click();
        });
        QTest::keyClick(own.grdJournal, Qt::Key_Delete);
        QVERIFY(asked);
        QStringList listed;
        for (int row = 0; row < own.grdJournal->model()->rowCount(); ++row) {
            listed << own.grdJournal->model()
                          ->index(row, JournalModel::QuestionColumn)
                          .data()
                          .toString();
        }
        QCOMPARE(listed, left);
        QCOMPARE(Kept(), left.size());
    }

    // Ctrl+J again brings the open Journal window forward rather than opening a second one; it
    // goes when the main window closes.
    void oneWindowAtATime() {
        frmJournal* first = frmJournal::ShowJournal(casting->window.Frame3, &casting->window);
        QVERIFY(first);
        QCOMPARE(frmJournal::ShowJournal(casting->window.Frame3, &casting->window), first);
        casting->window.close();
        QTRY_VERIFY(!frmJournal::OpenWindow());
    }

    // Down in the search box goes into the list, on its first chart; Return there opens it.
    void downGoesIntoTheList() {
        QVERIFY(KeepChart(path, "Quelle énergie pour demain ?", "1112/1112/1211/2121"));
        QVERIFY(KeepChart(path, "Où aller ?", "2222/1111/2222/1111"));
        frmJournal window(casting->window.Frame3, nullptr, path);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(window.txtSearch, "ENERG");
        QCOMPARE(window.grdJournal->model()->rowCount(), 1);
        QTest::keyClick(window.txtSearch, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), window.grdJournal);
        QCOMPARE(window.grdJournal->currentIndex().row(), 0);
        QTest::keyClick(window.grdJournal, Qt::Key_Return);
        QCOMPARE(int(intPressCount), 12);
        QCOMPARE(BoardMothersText(), QStringLiteral("1112/1112/1211/2121"));
    }

private:
    static QString BoardMothersText() {
        const std::optional<Mothers> mothers = CastingBoard::BoardMothers();
        return mothers ? MothersText(*mothers) : QString();
    }
};

QTEST_MAIN(TestJournalWindow)
#include "tst_journal_window.moc"
