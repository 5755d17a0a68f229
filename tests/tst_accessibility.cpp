// What screen readers and keyboard users meet: names in the accessibility tree, the casting
// button's description, and the focus through a whole casting.
#include "UrlRecorder.h"
#include "casting/frmMothers.h"
#include "casting/frmReading.h"
#include "controls/LinkLabel.h"
#include "journal/Import.h"
#include "journal/frmFigures.h"
#include "journal/frmImportSummary.h"
#include "journal/frmJournal.h"
#include "journal/frmKeep.h"
#include "platform/Random.h"
#include "report/frmSave.h"
#include "shell/WebAddresses.h"
#include "shell/frmAbout.h"
#include "shell/frmExit.h"
#include "tests/CastingWindow.h"
#include "tests/JournalSupport.h"
#include "tests/TestMain.h"

#include <QAccessible>
#include <QMenu>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

bool Interactive(QAccessibleInterface* node) {
    switch (node->role()) {
    case QAccessible::PushButton:
    case QAccessible::Link:
    case QAccessible::MenuItem:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
        return true;
    default:
        return node->state().focusable;
    }
}

// Walks the tree below `node`. Records the object names of the interactive elements reached and
// lists those without an accessible name. Hidden elements are passed over, except in menus,
// whose items are read before the menu opens.
void Walk(QAccessibleInterface* node, bool inMenu, QStringList& reached, QStringList& unnamed) {
    const bool menu = node && (inMenu || node->role() == QAccessible::PopupMenu);
    if (!node || (node->state().invisible && !menu)) {
        return;
    }
    if (Interactive(node)) {
        const QString who = node->object() ? node->object()->objectName() : QString();
        reached << who;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 (role %2)").arg(who).arg(int(node->role()));
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        Walk(node->child(i), menu, reached, unnamed);
    }
}

// The names of a cell's header cells. Qt 6.4 makes them anew for each question and leaves them
// to the caller: those not in the accessibility cache are let go here, through it.
QStringList HeaderTexts(const QList<QAccessibleInterface*>& headers) {
    QStringList texts;
    for (QAccessibleInterface* header : headers) {
        texts << header->text(QAccessible::Name);
        if (!QAccessible::uniqueId(header)) {
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
    }
    return texts;
}

float Draw(int i) {
    return i % 3 == 0 ? 0.75f : 0.25f;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    std::optional<testsupport::CastingWindow> casting;
    QTemporaryDir journalFolder;
    std::unique_ptr<journal::JournalStore> figuresStore;
    frmMain* window = nullptr;
    QPushButton* cmdProceed = nullptr;

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void Cast() {
        platform::ScriptedDraws draws(Draw);
        for (int n = 0; n < 13; ++n) {
            Key(Qt::Key_Space);
        }
    }
    // A window over the main window, shown and made active; none for "frmMain".
    std::unique_ptr<QWidget> Open(const QString& form) {
        std::unique_ptr<QWidget> other;
        if (form == "frmAbout") {
            other = std::make_unique<frmAbout>();
        } else if (form == "frmSave") {
            other = std::make_unique<frmSave>(*window->RTB);
        } else if (form == "frmExit") {
            other = std::make_unique<frmExit>();
        } else if (form == "frmMothers") {
            other = std::make_unique<frmMothers>(nullptr, window->Frame3->NextTableau(),
                                                 CastingBoard::BoardMothers());
        } else if (form == "frmJournal") {
            // A journal with one chart, so that every control of the window works.
            const QString path = journalFolder.filePath(QStringLiteral("journal.sqlite"));
            if (!QFile::exists(path) && !journal::JournalStore(path).Keep(testsupport::Chart({}))) {
                qWarning("no chart kept in %s", qPrintable(path));
            }
            other = std::make_unique<frmJournal>(window->Frame3, nullptr, path);
        } else if (form == "frmReading") {
            other = std::make_unique<frmReading>(window->Frame3, nullptr);
        } else if (form == "frmImportSummary") {
            journal::ImportSummary summary;
            summary.kept = 2;
            summary.refused = {{3, QStringLiteral("not a cast")}};
            other = std::make_unique<frmImportSummary>(nullptr, QStringLiteral("tableaux.txt"),
                                                       summary);
        } else if (form == "frmFigures") {
            // Twenty charts, counted before the window is looked at.
            const QString path = journalFolder.filePath(QStringLiteral("figures.sqlite"));
            if (!QFile::exists(path) && !testsupport::KeepCharts(path, 20)) {
                qWarning("no charts kept in %s", qPrintable(path));
            }
            figuresStore = std::make_unique<journal::JournalStore>(path);
            auto figures = std::make_unique<frmFigures>(window->Frame3, nullptr, *figuresStore);
            QSignalSpy counted(figures.get(), &frmFigures::Counted);
            if (!counted.wait(10000)) {
                qWarning("the Figures window did not count");
            }
            other = std::move(figures);
        } else if (form == "frmKeep") {
            other = std::make_unique<frmKeep>(nullptr, QStringLiteral("Keep in Journal"),
                                              QStringLiteral("1112/1112/1211/2121"));
        }
        if (other) {
            other->show();
            other->activateWindow();
        }
        return other;
    }

private slots:
    void init() {
        casting.emplace();
        QVERIFY(casting->Active());
        window = &casting->window;
        cmdProceed = casting->cmdProceed;
    }
    void cleanup() { casting.reset(); }

    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("main window")
            << "frmMain"
            << QStringList{"cmdProceed",   "Command1",   "RTB",     "Label61",    "Label2",
                           "lblFullBrand", "mnuMothers", "mnuExit", "mnuOnline",  "mnuVisit",
                           "mnuUpdate",    "mnuAbout",   "mnuKeep", "mnuJournal", "mnuReading"};
        QTest::newRow("About") << "frmAbout" << QStringList{"cmdOK", "lblHomePage", "lblCobrand"};
        QTest::newRow("report window") << "frmSave" << QStringList{"RTB",     "cmdSave", "cmdPrint",
                                                                   "Label14", "Label1",  "Label2"};
        QTest::newRow("exit window")
            << "frmExit" << QStringList{"lblOtherPrograms", "txtYourName", "txtFriendName",
                                        "txtFriendEmail",   "cmdSend",     "cmdExit"};
        QStringList cells;
        for (int c = 0; c < 16; ++c) {
            cells << QStringLiteral("picMother%1").arg(c);
        }
        QTest::newRow("Enter Mothers") << "frmMothers" << cells + QStringList{"cmdOK", "cmdCancel"};
        QTest::newRow("Journal window")
            << "frmJournal"
            << QStringList{"txtSearch", "grdJournal", "cmdOpen",    "cmdEdit", "cmdDelete",
                           "cmdExport", "cmdImport",  "cmdFigures", "cmdClose"};
        QTest::newRow("Keep window")
            << "frmKeep" << QStringList{"txtQuestion", "txtNote", "cmdOK", "cmdCancel"};
        QTest::newRow("Import summary")
            << "frmImportSummary" << QStringList{"txtRefused", "cmdSave", "cmdClose"};
        QTest::newRow("Reading window")
            << "frmReading" << QStringList{"cboColumn", "txtReading", "cmdCopy", "cmdClose"};
        QTest::newRow("Figures window")
            << "frmFigures" << QStringList{"cboTableau", "grdFigures", "grdCharts",
                                           "cmdOpen",    "cmdExport",  "cmdClose"};
    }
    void everyControlIsNamed() {
        QFETCH(QString, form);
        QFETCH(QStringList, expected);
        Cast();
        const std::unique_ptr<QWidget> other = Open(form);
        QWidget* shown = other ? other.get() : window;
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QStringList reached;
        QStringList unnamed;
        Walk(QAccessible::queryAccessibleInterface(shown), false, reached, unnamed);
        for (const QString& name : expected) {
            QVERIFY2(reached.contains(name), qPrintable(name + " is not in the tree"));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        if (other) {
            // The exit window's close would end the program; hide it instead.
            other->hide();
        }
    }

    // The Figures table is a table to screen readers: each cell with its house's row header and
    // its figure's column header, and read as count and expected count.
    void figuresTableHasHeaders_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("rowHeader");
        QTest::addColumn<QString>("columnHeader");
        QTest::addColumn<QString>("text");
        QTest::newRow("house 1, 1111") << 0 << 0 << "1 Tale"
                                       << "1111"
                                       << "20 charts, ";
        QTest::newRow("house 12, 1112") << 11 << 1 << "12 Haky"
                                        << "1112"
                                        << "0 charts, 0.0 expected";
        QTest::newRow("house 16's verdict") << 15 << 19 << "16 Kiba"
                                            << "Verdict"
                                            << "too few charts";
    }
    void figuresTableHasHeaders() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, rowHeader);
        QFETCH(QString, columnHeader);
        QFETCH(QString, text);
        chartTableau = Tableau::Diviners;
        const std::unique_ptr<QWidget> figures = Open(QStringLiteral("frmFigures"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(
            static_cast<frmFigures*>(figures.get())->grdFigures);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), 16);
        QCOMPARE(cells->columnCount(), 20);
        QAccessibleTableCellInterface* cell = cells->cellAt(row, column)->tableCellInterface();
        const QStringList rowHeaders = HeaderTexts(cell->rowHeaderCells());
        const QStringList columnHeaders = HeaderTexts(cell->columnHeaderCells());
        QCOMPARE(rowHeaders, QStringList{rowHeader});
        QCOMPARE(columnHeaders.size(), 1);
        QVERIFY2(columnHeaders.constFirst().startsWith(columnHeader),
                 qPrintable(columnHeaders.constFirst()));
        QVERIFY2(cells->cellAt(row, column)->text(QAccessible::Name).startsWith(text),
                 qPrintable(cells->cellAt(row, column)->text(QAccessible::Name)));
        figures->hide();
    }

    // A screen reader's "press" on a link label opens the label's own page.
    void linkPressOpensItsPage() {
        Recorder recorder;
        recorder.Watch();
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(window->Label61);
        QVERIFY(banner->actionInterface());
        banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        Recorder::Unwatch();
        QCOMPARE(recorder.opened, QStringList{QString::fromLatin1(WebAddresses::HomePage)});
    }

    // Draws 0, 3, 6, ... give two dots. Daughter n is column n of the mothers, and Daughter
    // n + 4 is Daughter n upside down.
    void dotsSayWhatTheyShow_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "Mother 1, row 1: two dots";
        QTest::newRow("mother 2 row 2") << 5 << "Mother 2, row 2: one dot";
        QTest::newRow("last mother row") << 15 << "Mother 4, row 4: two dots";
        QTest::newRow("first daughter") << 16 << "Daughter 1, row 1: two dots";
        QTest::newRow("daughter 5 row 3 (Mother 2 row 1)") << 34 << "Daughter 5, row 3: one dot";
        QTest::newRow("last (Mother 1 row 4)") << 47 << "Daughter 8, row 4: two dots";
    }
    void dotsSayWhatTheyShow() {
        QFETCH(int, cell);
        QFETCH(QString, name);
        Cast();
        QCOMPARE(QAccessible::queryAccessibleInterface(casting->Dot(cell))->text(QAccessible::Name),
                 name);
    }

    void castingButtonDescribesTheNextPress_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("names");
        QTest::newRow("0") << 0 << "Mother 1";
        QTest::newRow("3") << 3 << "Mother 4";
        QTest::newRow("4") << 4 << "Daughter 1";
        QTest::newRow("11") << 11 << "Daughter 8";
        QTest::newRow("12") << 12 << "interpretation";
        QTest::newRow("13") << 13 << "new casting";
        QTest::newRow("after a reset") << 14 << "Mother 1";
    }
    void castingButtonDescribesTheNextPress() {
        QFETCH(int, count);
        QFETCH(QString, names);
        platform::ScriptedDraws draws(Draw);
        for (int n = 0; n < count; ++n) {
            Key(Qt::Key_Space);
        }
        const QString description =
            QAccessible::queryAccessibleInterface(cmdProceed)->text(QAccessible::Description);
        QVERIFY2(description.contains(names), qPrintable(description));
    }

    // Space and Enter cast with the focus on the casting button from start to reset; Print,
    // by Alt+P or by Tab and Space, opens the report window on its text, and closing it gives
    // the focus back to the casting button.
    void keyboardAloneCastsAndPrints_data() {
        QTest::addColumn<bool>("tabToPrint");
        QTest::newRow("Alt+P") << false;
        QTest::newRow("Tab, Space") << true;
    }
    void keyboardAloneCastsAndPrints() {
        QFETCH(bool, tabToPrint);
        QCOMPARE(QApplication::focusWidget(), cmdProceed);
        {
            platform::ScriptedDraws draws(Draw);
            for (int n = 1; n <= 13; ++n) {
                Key(n % 2 ? Qt::Key_Space : Qt::Key_Return);
                QCOMPARE(int(intPressCount), n);
                QCOMPARE(QApplication::focusWidget(), cmdProceed);
            }
        }
        // Print clicks a moment after the mnemonic; the report window then runs its own loop.
        QString reportFocus;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (QWidget* report = QApplication::activeModalWidget()) {
                watch.stop();
                QWidget* focus = report->focusWidget();
                reportFocus = focus ? focus->objectName() : QStringLiteral("nothing");
                QTest::keyClick(report, Qt::Key_Escape);
            }
        });
        watch.start(10);
        if (tabToPrint) {
            Key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window->Frame3->Command1);
            Key(Qt::Key_Space);
        } else {
            QTest::keyClick(window->windowHandle(), Qt::Key_P, Qt::AltModifier);
        }
        QTRY_VERIFY(!reportFocus.isEmpty());
        QCOMPARE(reportFocus, QStringLiteral("RTB"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(window->focusWidget(), cmdProceed);
        window->activateWindow();
        QVERIFY(casting->Active());
        Key(Qt::Key_Space);
        QCOMPARE(int(intPressCount), 0);
        QCOMPARE(QApplication::focusWidget(), cmdProceed);
    }

    // Tab runs through every control that works, links included, in reading order after the
    // one that has the focus first, and round again; a link shows when it has the focus.
    void tabOrder_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("main window, Print disabled")
            << "frmMain" << 0
            << QStringList{"RTB", "lblFullBrand", "Label61", "Label2", "cmdProceed"};
        QTest::newRow("main window, Print enabled")
            << "frmMain" << 13
            << QStringList{"Command1", "RTB", "lblFullBrand", "Label61", "Label2", "cmdProceed"};
        QTest::newRow("About") << "frmAbout" << 0
                               << QStringList{"lblHomePage", "lblCobrand", "cmdOK"};
        QTest::newRow("report window")
            << "frmSave" << 13
            << QStringList{"cmdPrint", "cmdSave", "Label14", "Label1", "Label2", "RTB"};
        QTest::newRow("exit window")
            << "frmExit" << 0 << QStringList{"lblOtherPrograms", "txtYourName", "txtFriendName",
                                             "txtFriendEmail",   "cmdSend",     "cmdExit"};
        // The sixteen cells are one stop, arrows moving within them; OK once all are set.
        QTest::newRow("Enter Mothers, OK enabled")
            << "frmMothers" << 4 << QStringList{"cmdOK", "cmdCancel", "picMother0"};
        QTest::newRow("Enter Mothers, OK disabled")
            << "frmMothers" << 0 << QStringList{"cmdCancel", "picMother0", "cmdCancel"};
        QTest::newRow("Journal window")
            << "frmJournal" << 0
            << QStringList{"grdJournal", "cmdOpen",    "cmdEdit",  "cmdDelete", "cmdExport",
                           "cmdImport",  "cmdFigures", "cmdClose", "txtSearch"};
        QTest::newRow("Keep window")
            << "frmKeep" << 0 << QStringList{"txtNote", "cmdOK", "cmdCancel", "txtQuestion"};
        QTest::newRow("Import summary")
            << "frmImportSummary" << 0 << QStringList{"txtRefused", "cmdSave", "cmdClose"};
        QTest::newRow("Reading window")
            << "frmReading" << 12 << QStringList{"txtReading", "cmdCopy", "cmdClose", "cboColumn"};
        // Entering the table chooses its first cell, whose charts are listed: Open then works.
        QTest::newRow("Figures window")
            << "frmFigures" << 0 << QStringList{"grdFigures", "grdCharts", "cmdOpen",
                                                "cmdExport",  "cmdClose",  "cboTableau"};
    }
    void tabOrder() {
        QFETCH(QString, form);
        QFETCH(int, presses);
        QFETCH(QStringList, order);
        platform::ScriptedDraws draws(Draw);
        for (int n = 0; n < presses; ++n) {
            Key(Qt::Key_Space);
        }
        const std::unique_ptr<QWidget> other = Open(form);
        QWidget* shown = other ? other.get() : window;
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QHash<QString, QImage> unfocused;
        for (controls::LinkLabel* link : shown->findChildren<controls::LinkLabel*>()) {
            unfocused.insert(link->objectName(), link->grab().toImage());
        }
        for (const QString& next : order) {
            Key(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QCOMPARE(focus->objectName(), next);
            if (unfocused.contains(next)) {
                QVERIFY2(focus->grab().toImage() != unfocused.value(next), qPrintable(next));
            }
        }
        if (other) {
            other->hide();
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
