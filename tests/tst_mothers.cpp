// The Enter Mothers window from the keyboard: digits, Space, arrows in either layout, pasting, and
// the OK button that waits for all sixteen cells.
#include "casting/frmMothers.h"
#include "controls/PictureBox.h"
#include "tests/TestMain.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// The window's cells in the text form, '.' for a cell not set.
QString Block(const frmMothers& window) {
    QString text;
    for (int c = 0; c < 16; ++c) {
        if (c > 0 && c % 4 == 0) {
            text += u'/';
        }
        text += window.Cell(c) == 0 ? QChar(u'.') : QChar(u'0' + window.Cell(c));
    }
    return text;
}

} // namespace

class TestMothers : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void keys_data() {
        QTest::addColumn<bool>("diviners");
        QTest::addColumn<QString>("start");     // the board's mothers, or empty
        QTest::addColumn<QString>("clipboard"); // what a paste finds
        QTest::addColumn<QString>("keys");      // keys typed, blank-separated
        QTest::addColumn<QString>("block");     // the cells after them
        QTest::addColumn<int>("focus");         // the cell with the focus after them
        QTest::addColumn<QString>("reason");    // the line under the cells, when a refusal
        const QString none;
        const QString empty = "..../..../..../....";
        QTest::newRow("empty start, OK disabled")
            << false << none << none << "" << empty << 0 << "";
        QTest::newRow("sixteen digits fill the block")
            << false << none << none << "1 1 1 2 1 1 1 2 1 2 1 1 2 1 2 1"
            << "1112/1112/1211/2121" << 15 << "";
        QTest::newRow("a digit goes down the mother, then to the next")
            << false << none << none << "2 2 2 2 1"
            << "2222/1.../..../...." << 5 << "";
        QTest::newRow("the last cell keeps the focus")
            << false << "1111/1111/1111/1111" << none << "Down Down Down Right Right Right 2 2"
            << "1111/1111/1111/1112" << 15 << "";
        QTest::newRow("Space toggles and stays")
            << false << "1111/2222/1111/2222" << none << "Space Down Space Space"
            << "2111/2222/1111/2222" << 1 << "";
        QTest::newRow("Space sets an empty cell to one seed") << false << none << none << "Space"
                                                              << "1.../..../..../...." << 0 << "";
        QTest::newRow("classic: Right goes to Mother 2") << false << none << none << "Right Down 2"
                                                         << "..../.2../..../...." << 6 << "";
        QTest::newRow("classic: Left at Mother 1 stays") << false << none << none << "Left Up 2"
                                                         << "2.../..../..../...." << 1 << "";
        QTest::newRow("diviners: Left goes to Mother 2") << true << none << none << "Left Down 2"
                                                         << "..../.2../..../...." << 6 << "";
        QTest::newRow("diviners: Right at Mother 1 stays") << true << none << none << "Right 2"
                                                           << "2.../..../..../...." << 1 << "";
        QTest::newRow("diviners: Right from Mother 4 goes to Mother 3")
            << true << none << none << "Left Left Left Right Up Down Down 1"
            << "..../..../..1./...." << 11 << "";
        QTest::newRow("Tab leaves the cells and Shift+Tab comes back to the same one")
            << false << none << none << "Right Down Tab Shift+Tab 2"
            << "..../.2../..../...." << 6 << "";
        QTest::newRow("Ctrl+V pastes a cast") << false << none << " 2121, 1211 1112/1112 "
                                              << "Ctrl+V"
                                              << "2121/1211/1112/1112" << 0 << "";
        QTest::newRow("Shift+Insert pastes over the board's mothers")
            << false << "1111/1111/1111/1111"
            << "1112/1112/1211/2121"
            << "Shift+Insert"
            << "1112/1112/1211/2121" << 0 << "";
        QTest::newRow("a refused paste leaves the block as it was")
            << false << "1111/2222/1111/2222"
            << "1112/1113/1211/2121"
            << "Ctrl+V"
            << "1111/2222/1111/2222" << 0
            << "'3' is not a row: each row is 1 (one seed) or 2 (two seeds).";
        QTest::newRow("three mothers are refused")
            << false << none << "1112/1112/1211"
            << "1 Ctrl+V"
            << "1.../..../..../...." << 1
            << "'1112/1112/1211' is not four mothers of four rows each, such as "
               "1112/1112/1211/2121.";
        QTest::newRow("a long paste is cut in the refusal")
            << false << none << QString(300, u'1') << "Ctrl+V" << empty << 0
            << QString::fromUtf8("'11111111111111111111…' is not four mothers of four rows "
                                 "each, such as 1112/1112/1211/2121.");
        QTest::newRow("a digit typed after a refusal clears it")
            << false << none << "1113/1112/1211/2121"
            << "Ctrl+V 2"
            << "2.../..../..../...." << 1 << "";
    }

    void keys() {
        QFETCH(bool, diviners);
        QFETCH(QString, start);
        QFETCH(QString, clipboard);
        QFETCH(QString, keys);
        QFETCH(QString, block);
        QFETCH(int, focus);
        QFETCH(QString, reason);
        std::optional<Mothers> mothers;
        if (!start.isEmpty()) {
            mothers = ReadMothers(start);
            QVERIFY(mothers);
        }
        QGuiApplication::clipboard()->setText(clipboard);
        frmMothers window(nullptr, diviners ? Tableau::Diviners : Tableau::Classic, mothers);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString hint = window.lblReason->text();
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QCOMPARE(Block(window), block);
        QCOMPARE(window.cmdOK->isEnabled(), !block.contains(u'.'));
        QCOMPARE(QApplication::focusWidget(), window.picMother[focus]);
        QCOMPARE(window.lblReason->text(), reason.isEmpty() ? hint : reason);
        QCOMPARE(window.picMother[focus]->accessibleDescription(), reason);
    }
};

QTEST_MAIN(TestMothers)
#include "tst_mothers.moc"
