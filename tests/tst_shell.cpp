// The main window's frame, About, the exit window and QuitProgram.
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "platform/InstanceLock.h"
#include "platform/Random.h"
#include "report/frmSave.h"
#include "shell/Startup.h"
#include "shell/WebAddresses.h"
#include "shell/frmAbout.h"
#include "shell/frmExit.h"
#include "shell/frmMain.h"
#include "tests/ModalAnswer.h"
#include "tests/TestMain.h"
#include "tests/UrlRecorder.h"

#include <QAction>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QWindow>
#include <QtTest>

namespace {

QString Page(const char* address) {
    return QString::fromLatin1(address);
}

// Clicks a link label or triggers a menu item called `name` in `window`.
bool Activate(QWidget* window, const QString& name) {
    if (auto* item = window->findChild<QAction*>(name)) {
        item->trigger();
        return true;
    }
    if (auto* label = window->findChild<controls::LinkLabel*>(name)) {
        QTest::mouseClick(label, Qt::LeftButton);
        return true;
    }
    return false;
}

} // namespace

class tst_Shell : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private:
    Recorder recorder_;

private slots:
    void cleanupTestCase() { Recorder::Unwatch(); }

    void init() {
        recorder_.opened.clear();
        recorder_.Watch();
    }

    // A draw u gives 1 + int(6u), 1 to 6; odd numbers show the co-brand offer. The label in
    // front is the one a click at the footer reaches, and it opens its own page.
    void footerPick_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("page");
        QTest::newRow("0 -> 1") << 0.0f << 1 << "lblCobrand" << Page(WebAddresses::CoBrandPage);
        QTest::newRow("just below 1/6 -> 1")
            << 0.1666f << 1 << "lblCobrand" << Page(WebAddresses::CoBrandPage);
        QTest::newRow("1/6 -> 2") << 0.1667f << 2 << "lblFullBrand"
                                  << Page(WebAddresses::FullBrandPage);
        QTest::newRow("0.7 -> 5") << 0.7f << 5 << "lblCobrand" << Page(WebAddresses::CoBrandPage);
        QTest::newRow("largest draw -> 6")
            << 0.99999994f << 6 << "lblFullBrand" << Page(WebAddresses::FullBrandPage);
    }
    void footerPick() {
        QFETCH(float, draw);
        frmMain window;
        {
            platform::ScriptedDraws draws([draw](int) { return draw; });
            window.CoBrand_Randomize();
            QCOMPARE(draws.Used(), 1);
        }
        QFETCH(int, number);
        QFETCH(QString, front);
        QFETCH(QString, page);
        QCOMPARE(intCoBrandRandomNumber, number);
        QWidget* atFooter = window.Frame5->childAt(window.lblCobrand->geometry().center());
        QVERIFY(atFooter);
        QCOMPARE(atFooter->objectName(), front);
        // The one behind is hidden as well, which keeps it out of the accessibility tree.
        QCOMPARE(window.lblCobrand->isVisibleTo(&window), front == "lblCobrand");
        QCOMPARE(window.lblFullBrand->isVisibleTo(&window), front == "lblFullBrand");
        QTest::mouseClick(atFooter, Qt::LeftButton);
        QCOMPARE(recorder_.opened, QStringList{page});
    }

    // Each menu item and link opens its own page once, and no other, clicked or, where a key is
    // given, by that key on the focused link (Return must not reach About's default OK button).
    void linkOpensItsOwnPage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("key"); // 0: clicked
        QTest::newRow("Help, Online Help") << "main"
                                           << "mnuOnline" << Page(WebAddresses::HelpPage) << 0;
        QTest::newRow("Help, Visit Us Online") << "main"
                                               << "mnuVisit" << Page(WebAddresses::HomePage) << 0;
        QTest::newRow("Help, Check for Software Update")
            << "main"
            << "mnuUpdate" << Page(WebAddresses::UpdatePage) << 0;
        QTest::newRow("banner") << "main"
                                << "Label61" << Page(WebAddresses::HomePage) << 0;
        QTest::newRow("description") << "main"
                                     << "Label2" << Page(WebAddresses::FullBrandPage) << 0;
        QTest::newRow("About, home page") << "about"
                                          << "lblHomePage" << Page(WebAddresses::HomePage) << 0;
        QTest::newRow("About, more details")
            << "about"
            << "lblCobrand" << Page(WebAddresses::FullBrandPage) << 0;
        QTest::newRow("About, home page, Return")
            << "about"
            << "lblHomePage" << Page(WebAddresses::HomePage) << int(Qt::Key_Return);
        QTest::newRow("About, more details, Enter")
            << "about"
            << "lblCobrand" << Page(WebAddresses::FullBrandPage) << int(Qt::Key_Enter);
        QTest::newRow("exit window, other programs")
            << "exit"
            << "lblOtherPrograms" << Page(WebAddresses::OtherProgramsPage) << 0;
    }
    void linkOpensItsOwnPage() {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> shown;
        if (window == "main") {
            shown = std::make_unique<frmMain>();
        } else if (window == "about") {
            shown = std::make_unique<frmAbout>();
        } else {
            shown = std::make_unique<frmExit>();
        }
        shown->show();
        QFETCH(QString, control);
        QFETCH(QString, page);
        QFETCH(int, key);
        if (key == 0) {
            QVERIFY(Activate(shown.get(), control));
        } else {
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown.get()));
            shown->findChild<QWidget*>(control)->setFocus(Qt::TabFocusReason);
            // To the focused widget first, as a key pressed in the window goes.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
        QCOMPARE(recorder_.opened, QStringList{page});
        QVERIFY(shown->isVisible());
    }

    // About opens modal and fresh, with OK focused as default; Enter and Esc both close it.
    void aboutLifecycle() {
        frmMain window;
        window.show();
        for (int key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
            QPointer<frmAbout> opened;
            bool ready = false;
            QTimer::singleShot(0, testsupport::Checked([&] {
                                   opened =
                                       qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                                   QVERIFY(opened);
                                   QVERIFY(opened->isModal());
                                   QCOMPARE(opened->focusWidget(), opened->cmdOK);
                                   QVERIFY(opened->cmdOK->isDefault());
                                   ready = true;
                                   QTest::keyClick(opened, Qt::Key(key));
                               }));
            window.mnuAbout->trigger();
            QVERIFY(ready);
            QVERIFY2(!opened, "the About window is discarded when it closes");
        }
    }

    // About and the report window belong to the main window they block, so that the window
    // manager keeps them above it; each is still a window of its own.
    void windowsOverTheMainWindowBelongToIt() {
        frmMain window;
        window.show();
        QStringList owned;
        const auto check = testsupport::Checked([&] {
            QWidget* shown = QApplication::activeModalWidget();
            QVERIFY(shown);
            // A dialog: X11 writes WM_TRANSIENT_FOR for no other type of window.
            if (shown->windowHandle()->transientParent() == window.windowHandle() &&
                shown->windowType() == Qt::Dialog) {
                owned.append(shown->objectName());
            }
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        QTimer::singleShot(0, check);
        window.mnuAbout->trigger();
        QTimer::singleShot(0, check);
        window.Command1_Click();
        QCOMPARE(owned, (QStringList{"frmAbout", "frmSave"}));
        platform::ReleasePrevInstanceLock();
    }

    // In the exit window Return or Enter presses the focused button and Esc closes the window
    // as its close box does; Return in a name field presses nothing.
    void exitWindowKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("unloaded");
        QTest::addColumn<int>("opened");
        QTest::newRow("Return on Exit") << "cmdExit" << int(Qt::Key_Return) << true << 0;
        QTest::newRow("Enter on Exit") << "cmdExit" << int(Qt::Key_Enter) << true << 0;
        QTest::newRow("Return on Send") << "cmdSend" << int(Qt::Key_Return) << false << 1;
        QTest::newRow("Enter on Send") << "cmdSend" << int(Qt::Key_Enter) << false << 1;
        QTest::newRow("Return in a name") << "txtYourName" << int(Qt::Key_Return) << false << 0;
        QTest::newRow("Return in the address sends")
            << "txtFriendEmail" << int(Qt::Key_Return) << false << 1;
        QTest::newRow("Esc on Exit") << "cmdExit" << int(Qt::Key_Escape) << true << 0;
        QTest::newRow("Esc in a name") << "txtFriendName" << int(Qt::Key_Escape) << true << 0;
    }
    void exitWindowKeys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        frmExit window;
        window.txtFriendEmail->setText(QStringLiteral("bo@example.org"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy closed(&window, &frmExit::unloaded);
        auto* control = window.findChild<QWidget*>(focus);
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QFETCH(bool, unloaded);
        QFETCH(int, opened);
        QCOMPARE(closed.size(), unloaded ? 1 : 0);
        QCOMPARE(recorder_.opened.size(), opened);
        QCOMPARE(window.isVisible(), !unloaded);
    }

    // Send opens the refer page only for a plausible address, with every field percent-encoded;
    // otherwise the refusal shows and the focus goes back to the address.
    void referAFriend_data() {
        QTest::addColumn<QString>("yourName");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("query"); // empty: nothing opens
        QTest::newRow("plain") << "Ana"
                               << "Bo"
                               << "bo@example.org"
                               << "yourname=Ana&friendname=Bo&friendemail=bo%40example.org";
        QTest::newRow("blanks, & = # + and accents")
            << " Ana & Co "
            << "Bo=Bé#1+2"
            << " bo@mail.example.org "
            << "yourname=Ana%20%26%20Co&friendname=Bo%3DB%C3%A9%231%2B2"
               "&friendemail=bo%40mail.example.org";
        QTest::newRow("empty address") << "Ana"
                                       << "Bo"
                                       << ""
                                       << "";
        QTest::newRow("no @") << "Ana"
                              << "Bo"
                              << "bo.example.org"
                              << "";
        QTest::newRow("no dot in host") << "Ana"
                                        << "Bo"
                                        << "bo@localhost"
                                        << "";
    }
    void referAFriend() {
        QFETCH(QString, query);
        QFETCH(QString, yourName);
        QFETCH(QString, friendName);
        QFETCH(QString, email);
        frmExit window;
        window.txtYourName->setText(yourName);
        window.txtFriendName->setText(friendName);
        window.txtFriendEmail->setText(email);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString note = window.lblReferNote->text();
        QTest::mouseClick(window.cmdSend, Qt::LeftButton);
        const QStringList expected = query.isEmpty()
                                         ? QStringList()
                                         : QStringList{Page(WebAddresses::ReferPage) + '?' + query};
        QCOMPARE(recorder_.opened, expected);
        if (query.isEmpty()) {
            QCOMPARE(window.lblReferNote->text(),
                     QStringLiteral("Please enter your friend's e-mail address."));
            QCOMPARE(QApplication::focusWidget(), window.txtFriendEmail);
        } else {
            QVERIFY(window.lblReferNote->text() != note);
        }
    }

    // Every underlined link label shows a hand once the pointer comes over it.
    void linkLabelsShowAHand() {
        frmMain main;
        frmAbout about;
        frmExit exitWindow;
        frmSave report(*main.RTB);
        QStringList hands;
        for (QWidget* window :
             std::initializer_list<QWidget*>{&main, &about, &exitWindow, &report}) {
            for (controls::LinkLabel* label : window->findChildren<controls::LinkLabel*>()) {
                QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
                QApplication::sendEvent(label, &enter);
                const QCursor hand = label->cursor();
                if (label->font().underline() &&
                    (hand.shape() == Qt::PointingHandCursor ||
                     (hand.shape() == Qt::BitmapCursor && !hand.pixmap().isNull()))) {
                    hands << label->objectName();
                }
            }
        }
        hands.sort();
        QCOMPARE(hands,
                 (QStringList{"Label1", "Label14", "Label2", "Label61", "lblCobrand", "lblCobrand",
                              "lblFullBrand", "lblHomePage", "lblOtherPrograms"}));
    }

    // QuitProgram closes every window, shown or hidden, gives the lock back and ends with 0.
    void quitProgramUnloadsEveryWindow() {
        QProcess probe;
        probe.start(QStringLiteral(CLOSE_PROBE), QStringList());
        QVERIFY(probe.waitForFinished(30000));
        const QByteArray output = probe.readAllStandardOutput();
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        // Two close requests in one turn of the event loop bring one exit window.
        QVERIFY2(output.startsWith("exit windows: 1\n"), output.constData());
        QVERIFY2(output.contains("unloaded shown\n"), output.constData());
        QVERIFY2(output.contains("unloaded hidden\n"), output.constData());
        QVERIFY(!QFile::exists(platform::PrevInstanceLockPath()));
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
