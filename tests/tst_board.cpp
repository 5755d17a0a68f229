// The casting board in the real main window: press by press, as a person would press it.
#include "platform/Random.h"
#include "tests/CastingWindow.h"
#include "tests/ChartSupport.h"
#include "tests/TestMain.h"

#include <QAccessible>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

#include <new>
#include <optional>
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

// Fails a press as memory running out would, while it makes its texts: the `left`-th dot picture
// named from now on throws.
class FailingTranslator : public QTranslator {
public:
    explicit FailingTranslator(int left) : left(left) {}
    QString translate(const char*, const char* source, const char*, int) const override {
        if (qstrcmp(source, "%1, row %2: %3") == 0 && --left == 0) {
            throw std::bad_alloc();
        }
        return {};
    }

private:
    mutable int left;
};

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

public:
    static void initMain() { testsupport::InitMain(); }

private:
    std::optional<testsupport::CastingWindow> casting;

    controls::PictureBox* Dot(int c) const { return casting->Dot(c); }
    void Press() { casting->Press(); }

    // The board as it must be at press count n of a casting: caption, dots, Print and Keep.
    void VerifyState(int n) {
        QCOMPARE(int(intPressCount), n);
        QCOMPARE(casting->cmdProceed->text(), QLatin1String(Captions[n]));
        QCOMPARE(casting->Command1->isEnabled(), n == 13);
        QCOMPARE(casting->window.mnuKeep->isEnabled(), n == 12 || n == 13); // Keep in Journal
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
        casting.emplace();
        QVERIFY(casting->Active());
    }
    void cleanup() { casting.reset(); }

    // The caption carries the version the build was given.
    void startsEmpty() {
        VerifyState(0);
        QVERIFY(casting->RTB->Text().isEmpty());
        QCOMPARE(casting->window.windowTitle(), QStringLiteral("Kelvora v" KELVORA_VERSION));
        QCOMPARE(casting->window.centralWidget()->size(), QSize(835, 550));
        QVERIFY(casting->cmdProceed->hasFocus());
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
    }

    void fourteenthPressResets() {
        platform::ScriptedDraws draws(Draw);
        for (int n = 1; n <= 13; ++n) {
            Press();
        }
        QVERIFY(
            casting->RTB->verticalScrollBar()->isVisible()); // sixteen sections overflow the panel
        casting->RTB->SelText(QStringLiteral("left from the last casting"));
        Press();
        VerifyState(0);
        QVERIFY(casting->RTB->Text().isEmpty());
        QVERIFY(!casting->RTB->verticalScrollBar()->isVisible()); // and the empty panel needs none
        QCOMPARE(draws.Used(), 16);
        // The next press casts a new Mother 1 from fresh draws.
        Press();
        VerifyState(1);
        QCOMPARE(draws.Used(), 20);
    }

    // A press that fails part way (memory runs out at the third row of Mother 2) is taken back
    // whole and said on standard error; the next press casts Mother 2 again, from the next draws.
    void failedPressIsTakenBack() {
        platform::ScriptedDraws draws(
            [](int i) { return i == 6 ? throw std::bad_alloc() : Draw(i); });
        Press();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("press 2 .* taken back")));
        Press();
        VerifyState(1);
        Press();
        VerifyState(2);
        QCOMPARE(int(intCells[6]), Draw(9) < 0.5f ? 1 : 2);
    }

    // The diviners' tableau, chosen in the File menu on an empty board: Mother 1 stands at the
    // right; typed mothers go on as presses 1 to 4; presses 5 to 12 name one house each, parents
    // first (what each writes: tst_chart). Chosen again during the casting, the classic tableau
    // waits for the next one; the choice is remembered for the next start.
    void divinersTableauFromTheMenu() {
        const auto restore = qScopeGuard([] {
            chartTableau = Tableau::Classic;
            QSettings(QStringLiteral("Kelvora"), QStringLiteral("Kelvora")).clear();
        });
        casting->window.mnuTableau->trigger();
        QCOMPARE(casting->window.Frame3->Label1[0]->x(), 200); // Tale at the right, 3000 twips
        casting->window.Frame3->EnterMothers(*ReadMothers(QStringLiteral("1112/1112/1211/2121")));
        QCOMPARE(int(intPressCount), 4);
        QVERIFY(!casting->Command1->isEnabled() && casting->RTB->Text().isEmpty());
        casting->window.mnuTableau->trigger();
        QVERIFY(casting->window.mnuTableau->text().contains(QLatin1String("next casting")));
        for (const char* house :
             {"Safary", "Asorita", "Saily", "Haja", "Fahasivy", "Ombiasy", "Haky", "Kiba"}) {
            QCOMPARE(casting->cmdProceed->text(), QStringLiteral("Click to Create ") + house);
            Press();
        }
        casting->Press(2);
        VerifyState(0);
        QCOMPARE(chartTableau, Tableau::Classic);
        casting->window.mnuTableau->trigger();
        frmMain next;
        QVERIFY(next.mnuTableau->isChecked());
    }

    // In the diviners' tableau the lower columns are houses 9 to 16, and screen readers name
    // their dots so (houses of the worked example 1112/1112/1211/2121).
    void divinersDotsAreNamedByHouse_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::newRow("Tale") << 3 << "Mother 1, row 4: two dots";
        QTest::newRow("Fahasivy") << 18 << "House 9, Fahasivy, row 3: two dots";
        QTest::newRow("Safary") << 40 << "House 15, Safary, row 1: two dots";
        QTest::newRow("Kiba") << 44 << "House 16, Kiba, row 1: one dot";
    }
    void divinersDotsAreNamedByHouse() {
        QFETCH(int, cell);
        QFETCH(QString, name);
        const auto restore = qScopeGuard([] { chartTableau = Tableau::Classic; });
        casting->window.Frame3->OpenChart(*ReadMothers(QStringLiteral("1112/1112/1211/2121")),
                                          Tableau::Diviners);
        QCOMPARE(QAccessible::queryAccessibleInterface(Dot(cell))->text(QAccessible::Name), name);
    }

    // A press of the diviners' tableau that fails at its third row is taken back whole, although
    // its cells lie before cells written already: the board is exactly as before it, and the
    // next press derives the same house.
    void divinersPressIsTakenBack() {
        const auto restore = qScopeGuard([] { chartTableau = Tableau::Classic; });
        const auto board = [this] {
            QStringList seen{casting->cmdProceed->text(),
                             casting->cmdProceed->accessibleDescription(),
                             QString::number(intPressCount)};
            for (DotCount cell : intCells) {
                seen << QString::number(cell);
            }
            for (int c = 0; c < CellCount; ++c) {
                seen << (Dot(c)->isVisible() ? Dot(c)->accessibleName() : QStringLiteral("-"));
            }
            return seen;
        };
        casting->window.Frame3->SetTableau(Tableau::Diviners);
        casting->window.Frame3->EnterMothers(*ReadMothers(QStringLiteral("1211/2221/1122/2112")));
        for (int press = 5; press <= 12; ++press) {
            const QStringList before = board();
            {
                FailingTranslator failing(3);
                QCoreApplication::installTranslator(&failing);
                QTest::ignoreMessage(
                    QtWarningMsg,
                    QRegularExpression(QStringLiteral("press %1 .* taken back").arg(press)));
                Press();
                QCoreApplication::removeTranslator(&failing);
            }
            QCOMPARE(board(), before);
            Press();
            QCOMPARE(int(intPressCount), press);
        }
        // The houses worked by hand for these mothers (tst_chart).
        QStringList houses;
        for (int h = 1; h <= HouseCount; ++h) {
            houses << FigureDigits(HouseRows(h));
        }
        QCOMPARE(houses.join(u' '), QStringLiteral("1211 2221 1122 2112 1212 2211 1221 1122 2121 "
                                                   "1122 1221 1122 1212 2222 1212 2111"));
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
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
