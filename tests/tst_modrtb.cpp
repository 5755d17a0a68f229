#include "platform/RichTextBox.h"
#include "platform/WindowMessaging.h"
#include "report/modRTB.h"
#include "tests/UrlRecorder.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

using namespace platform;

namespace {

// What the parent window's own procedure saw.
struct Seen {
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
    LPARAM lParam;
    UINT linkMsg; // the ENLINK's msg for EN_LINK notifications, else 0
};
std::vector<Seen> seen;
LRESULT linkAnswer = 0;

LRESULT ParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    UINT linkMsg = 0;
    if (uMsg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == EN_LINK) {
        linkMsg = reinterpret_cast<const ENLINK*>(lParam)->msg;
    }
    seen.push_back({hWnd, uMsg, wParam, lParam, linkMsg});
    return uMsg == WM_NOTIFY ? linkAnswer : static_cast<LRESULT>(uMsg + wParam);
}

LRESULT OtherProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

LONG_PTR Address(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

std::vector<UINT> LinkMessages() {
    std::vector<UINT> messages;
    for (const Seen& s : seen) {
        if (s.linkMsg != 0) {
            messages.push_back(s.linkMsg);
        }
    }
    return messages;
}

} // namespace

class tst_modRTB : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void hookTurnsOnLinksAndKeepsTheMask();
    void leftPressOpensTheDetectedAddress_data();
    void leftPressOpensTheDetectedAddress();
    void otherMouseActivityOpensNothing();
    void cursorAndAnswerOverLinks();
    void otherNotificationsPassStraightThrough();
    void unhookRestoresTheParent();
    void longLinkIsCutToTheBuffer();
    void detection_data();
    void detection();
    void detectionFollowsEdits();
    void textRangeReadsBytes();
    void handlesDoNotOutliveTheirWindows();

private:
    // A point in the box's viewport over the character at `position`.
    QPoint PointAt(int position) const;
    void Send(QEvent::Type type, Qt::MouseButton button, int position);
    int PositionOf(const QString& text) const;
    // The addresses shown as links, once the box has caught up with the edits.
    QStringList Shown() const;

    Recorder recorder_;
    std::unique_ptr<QWidget> window_;
    QPointer<RichTextBox> rtb_;
};

void tst_modRTB::initTestCase() {
    for (const char* scheme : {"http", "https", "ftp", "mailto"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder_, "open");
    }
}

void tst_modRTB::cleanupTestCase() {
    for (const char* scheme : {"http", "https", "ftp", "mailto"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

void tst_modRTB::init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(600, 400);
    rtb_ = new RichTextBox(window_.get());
    rtb_->setObjectName(QStringLiteral("RTB"));
    auto* layout = new QVBoxLayout(window_.get());
    layout->addWidget(rtb_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    SetWindowLongA(HandleOf(window_.get()), GWL_WNDPROC, Address(&ParentProc));
    recorder_.opened.clear();
    seen.clear();
    linkAnswer = 0;
}

void tst_modRTB::cleanup() {
    modRTB::UnhookRichTextLinks();
    window_.reset();
}

QPoint tst_modRTB::PointAt(int position) const {
    QTextCursor at(rtb_->document());
    at.setPosition(position);
    const QRect left = rtb_->cursorRect(at);
    at.setPosition(position + 1);
    const QRect right = rtb_->cursorRect(at);
    return QPoint((left.left() + right.left()) / 2, left.center().y());
}

void tst_modRTB::Send(QEvent::Type type, Qt::MouseButton button, int position) {
    const QPoint pos = PointAt(position);
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent event(type, pos, rtb_->viewport()->mapToGlobal(pos), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(rtb_->viewport(), &event);
}

int tst_modRTB::PositionOf(const QString& text) const {
    return static_cast<int>(rtb_->document()->toPlainText().indexOf(text));
}

QStringList tst_modRTB::Shown() const {
    QCoreApplication::processEvents();
    QStringList shown;
    for (const QTextEdit::ExtraSelection& link : rtb_->extraSelections()) {
        if (link.format.fontUnderline()) {
            shown.append(link.cursor.selectedText());
        }
    }
    return shown;
}

void tst_modRTB::hookTurnsOnLinksAndKeepsTheMask() {
    SendMessageA(rtb_->hWnd(), EM_SETEVENTMASK, 0, 0x1);
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    QCOMPARE(modRTB::lpPrevWndProc, Address(&ParentProc));
    QCOMPARE(modRTB::hWndRTB, rtb_->hWnd());
    QCOMPARE(modRTB::hWndParent, HandleOf(window_.get()));
    QCOMPARE(SendMessageA(rtb_->hWnd(), EM_GETEVENTMASK, 0, 0), LRESULT{0x1 | ENM_LINK});

    rtb_->SelText(QStringLiteral("Report Generated By https://kelvora.example\r\n\r\n"));
    QCOMPARE(Shown(), QStringList{QStringLiteral("https://kelvora.example")});
}

void tst_modRTB::leftPressOpensTheDetectedAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("near"); // the press is on this text's first character
    QTest::addColumn<int>("offset");   // ... or that many characters further
    QTest::addColumn<QString>("opened");

    const QString credit = QStringLiteral("Report Generated By https://kelvora.example\r\n\r\n");
    const QString home = QStringLiteral("https://kelvora.example");
    QTest::newRow("credit line, first character")
        << credit + QStringLiteral("The houses.\r\n") + credit << home << 0 << home;
    QTest::newRow("credit line, last character") << credit << home << 22 << home;
    QTest::newRow("glued behind a report's last line")
        << QStringLiteral(
               "last words.Report Generated By http://kelvora.example/a?b=1&c=%20%2F#top")
        << QStringLiteral("?b=") << 0
        << QStringLiteral("http://kelvora.example/a?b=1&c=%20%2F#top");
    QTest::newRow("ftp") << QStringLiteral("get ftp://files.kelvora.example/k.zip now")
                         << QStringLiteral("k.zip") << 0
                         << QStringLiteral("ftp://files.kelvora.example/k.zip");
    QTest::newRow("mailto") << QStringLiteral("write to mailto:help@kelvora.example.")
                            << QStringLiteral("help@") << 0
                            << QStringLiteral("mailto:help@kelvora.example");
    QTest::newRow("www opens as http")
        << QStringLiteral("(see www.kelvora.example/a)") << QStringLiteral("kelvora") << 0
        << QStringLiteral("http://www.kelvora.example/a");
}

void tst_modRTB::leftPressOpensTheDetectedAddress() {
    QFETCH(QString, text);
    QFETCH(QString, near);
    QFETCH(int, offset);
    QFETCH(QString, opened);
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    rtb_->SelText(text);

    const int position = PositionOf(near) + offset;
    QVERIFY(position >= offset);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, position);
    // Opened on the press, before any release, and the press still reached the parent.
    QCOMPARE(recorder_.opened, QStringList{opened});
    QCOMPARE(LinkMessages(), std::vector<UINT>{WM_LBUTTONDOWN});
    QCOMPARE(seen.back().hWnd, HandleOf(window_.get()));
    QCOMPARE(seen.back().uMsg, WM_NOTIFY);

    Send(QEvent::MouseButtonRelease, Qt::LeftButton, position);
    QCOMPARE(recorder_.opened.size(), 1);
}

void tst_modRTB::otherMouseActivityOpensNothing() {
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    rtb_->SelText(QStringLiteral("Report Generated By https://kelvora.example\r\n"));
    const int link = PositionOf(QStringLiteral("kelvora"));

    Send(QEvent::MouseMove, Qt::NoButton, link);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, link);
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, link);
    Send(QEvent::MouseButtonPress, Qt::RightButton, link);
    Send(QEvent::MouseButtonRelease, Qt::RightButton, link);
    Send(QEvent::MouseButtonDblClick, Qt::RightButton, link);
    QVERIFY(recorder_.opened.isEmpty());
    const std::vector<UINT> expected{WM_SETCURSOR,     WM_MOUSEMOVE,   WM_LBUTTONUP,
                                     WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                     WM_RBUTTONDBLCLK};
    QCOMPARE(LinkMessages(), expected);

    // A press beside the address is no link activity at all.
    seen.clear();
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("By")));
    QVERIFY(seen.empty());
    QVERIFY(recorder_.opened.isEmpty());
}

void tst_modRTB::cursorAndAnswerOverLinks() {
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    rtb_->SelText(QStringLiteral("Report Generated By https://kelvora.example\r\n"));
    Send(QEvent::MouseMove, Qt::NoButton, PositionOf(QStringLiteral("kelvora")));
    QCOMPARE(rtb_->viewport()->cursor().shape(), Qt::PointingHandCursor);
    Send(QEvent::MouseMove, Qt::NoButton, PositionOf(QStringLiteral("Generated")));
    QCOMPARE(rtb_->viewport()->cursor().shape(), Qt::IBeamCursor);

    // A window that answers non-zero keeps the press from the box: the caret stays put.
    rtb_->moveCursor(QTextCursor::Start);
    linkAnswer = 1;
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("kelvora")));
    QCOMPARE(rtb_->textCursor().position(), 0);
    QCOMPARE(recorder_.opened.size(), 1);
    linkAnswer = 0;
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("kelvora")));
    QVERIFY(rtb_->textCursor().position() > 0);
}

void tst_modRTB::otherNotificationsPassStraightThrough() {
    QWidget* other = new QWidget(window_.get());
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    rtb_->SelText(QStringLiteral("https://kelvora.example"));
    const HWND parent = HandleOf(window_.get());

    // A link press from another child, and another code from the box.
    ENLINK fromOther{};
    fromOther.nmhdr = {HandleOf(other), 7, EN_LINK};
    fromOther.msg = WM_LBUTTONDOWN;
    fromOther.chrg = {0, 23};
    ENLINK otherCode = fromOther;
    otherCode.nmhdr = {rtb_->hWnd(), 0, 0x0700};
    for (ENLINK* record : {&fromOther, &otherCode}) {
        seen.clear();
        const LPARAM lParam = reinterpret_cast<LPARAM>(record);
        QCOMPARE(SendMessageA(parent, WM_NOTIFY, 7, lParam), linkAnswer);
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].wParam, WPARAM{7});
        QCOMPARE(seen[0].lParam, lParam);
    }
    // Any other message, with its result.
    seen.clear();
    QCOMPARE(SendMessageA(parent, WM_USER + 1, 5, -9), LRESULT{WM_USER + 6});
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].lParam, LPARAM{-9});
    QVERIFY(recorder_.opened.isEmpty());
}

void tst_modRTB::unhookRestoresTheParent() {
    const HWND parent = HandleOf(window_.get());
    modRTB::HookRichTextLinks(rtb_->hWnd(), parent);
    rtb_->SelText(QStringLiteral("Report Generated By https://kelvora.example\r\n"));
    modRTB::UnhookRichTextLinks();
    QCOMPARE(modRTB::lpPrevWndProc, LONG_PTR{0});
    QCOMPARE(modRTB::hWndRTB, rtb_->hWnd());
    QCOMPARE(modRTB::hWndParent, parent);
    QVERIFY(SendMessageA(rtb_->hWnd(), EM_GETEVENTMASK, 0, 0) & ENM_LINK);
    QVERIFY(Shown().isEmpty());

    seen.clear();
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("kelvora")));
    QVERIFY(recorder_.opened.isEmpty());
    QVERIFY(seen.empty());
    QCOMPARE(SendMessageA(parent, WM_USER, 1, 0), LRESULT{WM_USER + 1});
    QCOMPARE(seen.size(), std::size_t{1});

    // The parent's own procedure is back, and a second unhook leaves a newer one alone.
    QCOMPARE(SetWindowLongA(parent, GWL_WNDPROC, Address(&OtherProc)), Address(&ParentProc));
    modRTB::UnhookRichTextLinks();
    QCOMPARE(SetWindowLongA(parent, GWL_WNDPROC, Address(&ParentProc)), Address(&OtherProc));

    // Hooking again works as the first time.
    modRTB::HookRichTextLinks(rtb_->hWnd(), parent);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("kelvora")));
    QCOMPARE(recorder_.opened, QStringList{QStringLiteral("https://kelvora.example")});
}

void tst_modRTB::longLinkIsCutToTheBuffer() {
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    const QString address =
        QStringLiteral("https://kelvora.example/") + QString(5000 - 24, QLatin1Char('a'));
    rtb_->SelText(QStringLiteral("Report Generated By ") + address + QStringLiteral("\r\n"));
    QCOMPARE(Shown(), QStringList{address});

    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("kelvora")));
    QCOMPARE(recorder_.opened, QStringList{address.left(modRTB::LinkBufferChars - 1)});
}

void tst_modRTB::detection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("links");

    QTest::newRow("no other scheme")
        << QStringLiteral("file:///etc/passwd javascript:alert(1) news:x ssh://h.example")
        << QStringList{};
    QTest::newRow("schemes without an address")
        << QStringLiteral("http:// www. mailto: https://.x") << QStringList{};
    QTest::newRow("not glued to a word")
        << QStringLiteral("xhttp://a.example awww.a.example") << QStringList{};
    QTest::newRow("sentence punctuation stays outside")
        << QStringLiteral("Go to https://kelvora.example/a_(b), or www.kelvora.example.")
        << QStringList{QStringLiteral("https://kelvora.example/a_(b)"),
                       QStringLiteral("www.kelvora.example")};
    QTest::newRow("bracketed") << QStringLiteral("(http://kelvora.example/x)")
                               << QStringList{QStringLiteral("http://kelvora.example/x")};
    QTest::newRow("any case, ends at a space or quote")
        << QStringLiteral("HTTPS://KELVORA.EXAMPLE \"ftp://f.example\"<mailto:a@b.example>")
        << QStringList{QStringLiteral("HTTPS://KELVORA.EXAMPLE"), QStringLiteral("ftp://f.example"),
                       QStringLiteral("mailto:a@b.example")};
    QTest::newRow("each paragraph")
        << QStringLiteral("http://a.example\r\nplain\r\nwww.b.example/c\r\n")
        << QStringList{QStringLiteral("http://a.example"), QStringLiteral("www.b.example/c")};
}

void tst_modRTB::detection() {
    QFETCH(QString, text);
    QFETCH(QStringList, links);
    SendMessageA(rtb_->hWnd(), EM_AUTOURLDETECT, 1, 0);
    rtb_->SelText(text);
    QStringList found = Shown();
    found.sort();
    links.sort();
    QCOMPARE(found, links);
}

void tst_modRTB::detectionFollowsEdits() {
    const QString a = QStringLiteral("https://a.example");
    const QString b = QStringLiteral("www.b.example");
    // Text already in the box is detected when detection starts.
    rtb_->SelText(QStringLiteral("first https://a.example\r\n"));
    SendMessageA(rtb_->hWnd(), EM_AUTOURLDETECT, 1, 0);
    QCOMPARE(Shown(), QStringList{a});

    // Typing after a link neither extends it nor takes its look, and Text stays plain.
    rtb_->moveCursor(QTextCursor::End);
    rtb_->SelText(QStringLiteral("second www.b.example and more"));
    QTest::keyClicks(rtb_, QStringLiteral(" typed"));
    QCOMPARE(Shown(), (QStringList{a, b}));
    QCOMPARE(rtb_->Text(),
             QStringLiteral("first https://a.example\r\nsecond www.b.example and more typed"));
    QTextCursor typed(rtb_->document());
    typed.movePosition(QTextCursor::End);
    QVERIFY(!typed.charFormat().fontUnderline());
    typed.setPosition(PositionOf(QStringLiteral("a.example")) + 1);
    QVERIFY(!typed.charFormat().fontUnderline());

    // Text put in before the links moves them along.
    QTextCursor edit(rtb_->document());
    edit.insertText(QStringLiteral("zz\nyy "));
    QCOMPARE(Shown(), (QStringList{a, b}));

    // Breaking the scheme ends the link; undo brings it back.
    edit.setPosition(PositionOf(QStringLiteral("://a")) + 1);
    edit.deletePreviousChar();
    QCOMPARE(Shown(), QStringList{b});
    rtb_->undo();
    QCOMPARE(Shown(), (QStringList{a, b}));

    // A link pressed at its new place still opens exactly itself.
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    Send(QEvent::MouseButtonPress, Qt::LeftButton, PositionOf(QStringLiteral("b.example")));
    QCOMPARE(recorder_.opened, QStringList{QStringLiteral("http://www.b.example")});

    rtb_->SetText(QString());
    QVERIFY(Shown().isEmpty());
    rtb_->SetText(QStringLiteral("www.c.example"));
    QCOMPARE(Shown(), QStringList{QStringLiteral("www.c.example")});
}

void tst_modRTB::textRangeReadsBytes() {
    rtb_->SelText(QStringLiteral("ab\r\nc\u00e9\u4e2d"));
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    TEXTRANGEA range{{1, -1}, buffer};
    const LPARAM lParam = reinterpret_cast<LPARAM>(&range);
    QCOMPARE(SendMessageA(rtb_->hWnd(), EM_GETTEXTRANGE, 0, lParam), LRESULT{5});
    QCOMPARE(QByteArray(buffer, 7), QByteArray("b\rc\xe9?\0#", 7));

    std::memset(buffer, '#', sizeof buffer);
    range.chrg = {4, 2};
    QCOMPARE(SendMessageA(rtb_->hWnd(), EM_GETTEXTRANGE, 0, lParam), LRESULT{0});
    QCOMPARE(QByteArray(buffer, 2), QByteArray("\0#", 2));
    range.chrg = {2, 900};
    QCOMPARE(SendMessageA(rtb_->hWnd(), EM_GETTEXTRANGE, 0, lParam), LRESULT{4});
}

void tst_modRTB::handlesDoNotOutliveTheirWindows() {
    auto* child = new QWidget(window_.get());
    const HWND handle = HandleOf(child);
    QCOMPARE(HandleOf(child), handle);
    QCOMPARE(WidgetOf(handle), child);
    QVERIFY(handle != HandleOf(window_.get()) && handle != rtb_->hWnd());
    QCOMPARE(SetWindowLongA(handle, GWL_WNDPROC, Address(&ParentProc)), Address(&DefWindowProcA));
    delete child;
    QCOMPARE(WidgetOf(handle), nullptr);
    QCOMPARE(SendMessageA(handle, WM_USER, 1, 0), LRESULT{0});
    QCOMPARE(SetWindowLongA(handle, GWL_WNDPROC, Address(&OtherProc)), LONG_PTR{0});
    // A new widget never gets the old handle, even at the same address.
    auto* next = new QWidget(window_.get());
    QVERIFY(HandleOf(next) != handle);
    QVERIFY(seen.empty());

    // A box that goes away while hooked leaves nothing behind to reach.
    modRTB::HookRichTextLinks(rtb_->hWnd(), HandleOf(window_.get()));
    const HWND box = rtb_->hWnd();
    delete rtb_;
    QCOMPARE(SendMessageA(box, EM_GETEVENTMASK, 0, 0), LRESULT{0});
}

QTEST_MAIN(tst_modRTB)
#include "tst_modrtb.moc"
