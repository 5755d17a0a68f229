// The casting board in the real main window: press by press, as a person would press it.
#include "casting/Chart.h"
#include "controls/PictureBox.h"
#include "controls/RichTextBox.h"
#include "platform/Random.h"
#include "shell/frmMain.h"
#include "tests/TestMain.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Records the order in which dot pictures are shown.
class ShowRecorder : public QObject {
public:
    std::vector<int> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            shown.push_back(watched->objectName().mid(9).toInt());
        }
        return false;
    }
};

// A scripted draw sequence with no pattern to it: bit i of a fixed constant.
float Draw(int i) {
    constexpr unsigned long long bits = 0x9E3779B97F4A7C15ull;
    return (bits >> (i % 64)) & 1u ? 0.5f : 0.25f;
}

// The caption of cmdProceed at each press count: what the next press does.
const char* const Captions[14] = {
    "Click to Create Mother 1",         "Click to Create Mother 2",
    "Click to Create Mother 3",         "Click to Create Mother 4",
    "Click to Create Four Daughters 1", "Click to Create Four Daughters 2",
    "Click to Create Four Daughters 3", "Click to Create Four Daughters 4",
    "Click to Create Four Daughters 5", "Click to Create Four Daughters 6",
    "Click to Create Four Daughters 7", "Click to Create Four Daughters 8",
    "Display Sikidy Interpretation",    "Do It Once Again"};

} // namespace

class TestBoard : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmMain> window;
    QPushButton* cmdProceed = nullptr;
    QPushButton* Command1 = nullptr;
    controls::RichTextBox* RTB = nullptr;

    controls::PictureBox* Dot(int c) const {
        return window->findChild<controls::PictureBox*>(QStringLiteral("picCircle%1").arg(c));
    }

    void Press() { QTest::mouseClick(cmdProceed, Qt::LeftButton); }

    // The board as it must be at press count n of a casting: caption, dots and Print.
    void VerifyState(int n) {
        QCOMPARE(int(intPressCount), n);
        QCOMPARE(cmdProceed->text(), QLatin1String(Captions[n]));
        QCOMPARE(Command1->isEnabled(), n == 13);
        const int visible = n == 0 ? 0 : std::min(n, 12) * 4;
        QCOMPARE(int(intCells.size()), visible);
        for (int c = 0; c < CellCount; ++c) {
            QVERIFY2(Dot(c)->isVisible() == (c < visible), qPrintable(QString::number(c)));
            if (c < visible) {
                QCOMPARE(Dot(c)->Picture(), int(intCells[c]));
            }
        }
    }

private slots:
    void init() {
        ClearCells();
        intPressCount = 0;
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        cmdProceed = window->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
        Command1 = window->findChild<QPushButton*>(QStringLiteral("Command1"));
        RTB = window->findChild<controls::RichTextBox*>(QStringLiteral("RTB"));
        QVERIFY(cmdProceed && Command1 && RTB);
    }
    void cleanup() { window.reset(); }

    void startsEmpty() {
        QCOMPARE(cmdProceed->text(), QStringLiteral("Click to Create Mother 1"));
        VerifyState(0);
        QVERIFY(RTB->Text().isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kelvora v1.0"));
        QCOMPARE(window->centralWidget()->size(), QSize(835, 550));
        QVERIFY(cmdProceed->hasFocus());
    }

    void captionsNameTheNextPress_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::newRow("0") << 0 << "Click to Create Mother 1";
        QTest::newRow("3") << 3 << "Click to Create Mother 4";
        QTest::newRow("4") << 4 << "Click to Create Four Daughters 1";
        QTest::newRow("11") << 11 << "Click to Create Four Daughters 8";
        QTest::newRow("12") << 12 << "Display Sikidy Interpretation";
        QTest::newRow("13") << 13 << "Do It Once Again";
    }
    void captionsNameTheNextPress() {
        QFETCH(int, count);
        QFETCH(QString, caption);
        platform::ScriptedDraws draws(Draw);
        for (int n = 0; n < count; ++n) {
            Press();
        }
        QCOMPARE(cmdProceed->text(), caption);
    }

    // Each press shows its figure at once, top row first; the columns fill left to right.
    void pressesShowDotsInOrder() {
        platform::ScriptedDraws draws(Draw);
        ShowRecorder recorder;
        for (int c = 0; c < CellCount; ++c) {
            Dot(c)->installEventFilter(&recorder);
        }
        for (int n = 1; n <= 12; ++n) {
            recorder.shown.clear();
            Press();
            VerifyState(n);
            QCOMPARE(recorder.shown, (std::vector<int>{4 * (n - 1), 4 * (n - 1) + 1,
                                                       4 * (n - 1) + 2, 4 * (n - 1) + 3}));
        }
        // The first daughter column shows the top dots of Mothers 1 to 4.
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(Dot(16 + r)->Picture(), Dot(4 * r)->Picture());
        }
        Press();
        VerifyState(13);
        QVERIFY(Command1->isEnabled());
    }

    void fourteenthPressResets() {
        platform::ScriptedDraws draws(Draw);
        for (int n = 1; n <= 13; ++n) {
            Press();
        }
        QVERIFY(RTB->verticalScrollBar()->isVisible()); // sixteen sections overflow the panel
        RTB->SelText(QStringLiteral("left from the last casting"));
        Press();
        VerifyState(0);
        QVERIFY(RTB->Text().isEmpty());
        QVERIFY(!RTB->verticalScrollBar()->isVisible()); // and the empty panel needs none
        QCOMPARE(draws.Used(), 16);
        // The next press casts a new Mother 1 from fresh draws.
        Press();
        VerifyState(1);
        QCOMPARE(draws.Used(), 20);
    }

    // 28 presses: two complete castings from draws 1-16 and 17-32 of one sequence.
    void twoCastingsContinueOneSequence() {
        platform::ScriptedDraws draws(Draw);
        std::vector<std::vector<DotCount>> castings;
        for (int press = 1; press <= 28; ++press) {
            Press();
            if (press == 13 || press == 27) {
                castings.push_back(intCells);
            }
        }
        VerifyState(0);
        QCOMPARE(int(castings.size()), 2);
        QCOMPARE(draws.Used(), 32);
        for (int casting = 0; casting < 2; ++casting) {
            for (int c = 0; c < 16; ++c) {
                QCOMPARE(int(castings[casting][c]), Draw(16 * casting + c) < 0.5f ? 1 : 2);
            }
        }
    }

    void keyboardPressesTheCastingButton() {
        platform::ScriptedDraws draws(Draw);
        QTest::keyClick(cmdProceed, Qt::Key_Space);
        QTest::keyClick(cmdProceed, Qt::Key_Return);
        VerifyState(2);
    }
};

KELVORA_TEST_MAIN(TestBoard)
#include "tst_board.moc"
