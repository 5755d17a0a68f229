// The Enter Mothers window from the keyboard: digits, Space, arrows in either layout, pasting, and
// the OK button that waits for all sixteen cells.
#include "casting/frmMothers.h"
#include "controls/PictureBox.h"
#include "tests/TestMain.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestMothers : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void keys_data() {
        QTest::addColumn<bool>("diviners");
        QTest::addColumn<QString>("clipboard"); // what a paste finds
        QTest::addColumn<QString>("keys");      // keys typed, blank-separated
        QTest::addColumn<int>("focus");         // the cell with the focus after them
        QTest::addColumn<QString>("block");     // the cells after them, '.' for one not set
        QTest::addColumn<QString>("reason");    // the refusal shown, if any
        const QString none;
        QTest::newRow("a digit goes down the mother, then to the next")
            << false << none << "2 2 2 2 1" << 5 << "2222/1.../..../...." << none;
        QTest::newRow("Space sets one seed, then toggles, and stays")
            << false << none << "Space Down Space Space" << 1 << "12../..../..../...." << none;
        QTest::newRow("classic: Right goes to Mother 2, Left stops at Mother 1")
            << false << none << "Left Right Down 2" << 6 << "..../.2../..../...." << none;
        QTest::newRow("diviners: Left goes to Mother 2, Right stops at Mother 1")
            << true << none << "Right Left Down 2" << 6 << "..../.2../..../...." << none;
        QTest::newRow("the cells are one Tab stop, the one last in use")
            << false << none << "Right Down Tab Shift+Tab 2" << 6 << "..../.2../..../...." << none;
        QTest::newRow("Ctrl+V pastes a cast") << false << " 2121, 1211 1112/1112 "
                                              << "1 Ctrl+V" << 1 << "2121/1211/1112/1112" << none;
        QTest::newRow("a refused Shift+Insert leaves the block as it was")
            << false << "1112;1112/1211/2121"
            << "2 1 Shift+Insert" << 2 << "21../..../..../...."
            << "';' is neither a row nor a separator: rows are 1 or 2, mothers are separated by "
               "blanks, commas, slashes or hyphens.";
        QTest::newRow("a long paste is cut in the refusal")
            << false << QString(300, u'1') << "Ctrl+V" << 0 << "..../..../..../...."
            << "'11111111111111111111…' is not four mothers of four rows each, such as "
               "1112/1112/1211/2121.";
        QTest::newRow("a digit typed after a refusal clears it")
            << false << "1113"
            << "Ctrl+V 2" << 1 << "2.../..../..../...." << none;
    }

    void keys() {
        QFETCH(bool, diviners);
        QFETCH(QString, clipboard);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        QFETCH(QString, block);
        QFETCH(QString, reason);
        QGuiApplication::clipboard()->setText(clipboard);
        frmMothers window(nullptr, diviners ? Tableau::Diviners : Tableau::Classic, std::nullopt);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString hint = window.lblReason->text();
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QString cells;
        for (int c = 0; c < 16; ++c) {
            cells += QString(c % 4 || c == 0 ? "" : "/") + ".12"[window.Cell(c)];
        }
        QCOMPARE(cells, block);
        QCOMPARE(window.cmdOK->isEnabled(), !block.contains(u'.'));
        QCOMPARE(QApplication::focusWidget(), window.picMother[focus]);
        QCOMPARE(window.lblReason->text(), reason.isEmpty() ? hint : reason);
        QCOMPARE(window.picMother[focus]->accessibleDescription(), reason);
    }

    // The focused cell wears its dotted frame whole, in every column, clear of the block's lines:
    // neither cut by the next column, drawn over the cell's end, nor run into the line beside
    // the first or last column.
    void focusFrameIsWhole_data() {
        QTest::addColumn<bool>("diviners");
        QTest::addColumn<int>("mother");
        QTest::newRow("classic, Mother 1, beside the block's left line") << false << 1;
        QTest::newRow("classic, Mother 2, the next column beside it") << false << 2;
        QTest::newRow("classic, Mother 4, beside the line of houses 5 to 8") << false << 4;
        QTest::newRow("diviners, Mother 1, beside the line of houses 5 to 8") << true << 1;
    }
    void focusFrameIsWhole() {
        QFETCH(bool, diviners);
        QFETCH(int, mother);
        frmMothers window(nullptr, diviners ? Tableau::Diviners : Tableau::Classic,
                          ReadMothers(QStringLiteral("1112/1112/1211/2121")));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* block = window.findChild<QWidget*>(QStringLiteral("Frame1"));
        window.cmdOK->setFocus();
        const QImage plain = block->grab().toImage();
        window.picMother[4 * (mother - 1) + 1]->setFocus();
        QVERIFY(window.picMother[4 * (mother - 1) + 1]->hasFocus());
        const QImage focused = block->grab().toImage();
        // The frame is what the focus changed.
        QRect frame;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != focused.pixel(x, y)) {
                    frame |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(frame.width() > 40 && frame.height() > 10);
        const auto changed = [&](QPoint from, QPoint step, int count) {
            int n = 0;
            for (QPoint p = from; count-- > 0; p += step) {
                n += plain.pixel(p) != focused.pixel(p);
            }
            return n;
        };
        // Each side dotted along its length (a dot, then a gap of two).
        QVERIFY(changed(frame.topLeft(), {1, 0}, frame.width()) >= frame.width() / 3 - 1);
        QVERIFY(changed(frame.bottomLeft(), {1, 0}, frame.width()) >= frame.width() / 3 - 1);
        QVERIFY(changed(frame.topLeft(), {0, 1}, frame.height()) >= frame.height() / 3 - 1);
        QVERIFY(changed(frame.topRight(), {0, 1}, frame.height()) >= frame.height() / 3 - 1);
        // Beside the left and right sides, the cell's own light ground, not a line.
        const QRgb ground = plain.pixel(frame.topLeft() + QPoint(2, 2));
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            QCOMPARE(plain.pixel(frame.left() - 1, y), ground);
            QCOMPARE(plain.pixel(frame.right() + 1, y), ground);
        }
    }
};

QTEST_MAIN(TestMothers)
#include "tst_mothers.moc"
