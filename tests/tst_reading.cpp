// The diviners' reading: the model over every cast, worked readings typed by hand, and the
// Reading window beside the real main window, against what `kelvora --reading` prints.
#include "casting/Cast.h"
#include "casting/Reading.h"
#include "casting/frmReading.h"
#include "platform/Random.h"
#include "tests/CastingWindow.h"
#include "tests/ChartSupport.h"
#include "tests/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

#include <set>

namespace {

QList<int> Listed(const HouseList& list) {
    return QList<int>(list.begin(), list.end());
}

// The pairs found, as "first-second".
QStringList PairHouses(const HouseList& pairs) {
    QStringList houses;
    for (int i : pairs) {
        const HousePair& pair = NamedPairs[static_cast<std::size_t>(i)];
        houses << QStringLiteral("%1-%2").arg(pair.first).arg(pair.second);
    }
    return houses;
}

// The sentences `kelvora --reading` prints for `mothers` and `column`: the last field of each line
// after the sixteen houses.
QStringList PrintedSentences(const Mothers& mothers, int column) {
    QProcess kelvora;
    kelvora.start(QStringLiteral(KELVORA_BINARY),
                  {QStringLiteral("--reading"), MothersText(mothers),
                   QStringLiteral("--column=%1").arg(column)});
    if (!kelvora.waitForFinished(30000) || kelvora.exitCode() != 0) {
        return {QStringLiteral("kelvora --reading failed: ") +
                QString::fromUtf8(kelvora.readAllStandardError())};
    }
    const QStringList lines =
        QString::fromUtf8(kelvora.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QStringList sentences;
    for (const QString& line : lines.mid(HouseCount)) {
        sentences << line.section(u'\t', -1);
    }
    return sentences;
}

} // namespace

class TestReading : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    // Every one of the 65,536 casts: house 12 always a prince and no other house always; at most
    // 11 different figures among the twelve principal houses; at most 10 houses alone. A tableau
    // whose sums are wrong is not sound.
    void everyCast() {
        std::array<bool, HouseCount> everPrince{};
        std::array<bool, HouseCount> everSlave{};
        int mostFigures = 0;
        int mostAlone = 0;
        for (unsigned pattern = 0; pattern < 65536; ++pattern) {
            const auto chart = ChartOf(CastNumber(pattern), Tableau::Diviners);
            for (std::size_t h = 0; h < HouseCount; ++h) {
                (IsPrince(chart[h]) ? everPrince : everSlave)[h] = true;
            }
            std::set<Figure> principal;
            for (int h : AloneOrder) {
                principal.insert(chart[static_cast<std::size_t>(h - 1)]);
            }
            mostFigures = std::max(mostFigures, int(principal.size()));
            const Reading reading = ReadChart(chart, 1);
            QVERIFY(reading.sound);
            mostAlone = std::max(mostAlone, reading.alone.Size());
        }
        for (int h = 1; h <= HouseCount; ++h) {
            QVERIFY2(everPrince[static_cast<std::size_t>(h - 1)], qPrintable(QString::number(h)));
            QCOMPARE(everSlave[static_cast<std::size_t>(h - 1)], h != 12);
        }
        QVERIFY2(mostFigures <= 11, qPrintable(QString::number(mostFigures)));
        QVERIFY2(mostAlone <= 10, qPrintable(QString::number(mostAlone)));
        // A slave in house 12: not sound.
        auto chart =
            ChartOf(*ReadMothers(QStringLiteral("1112/1112/1211/2121")), Tableau::Diviners);
        chart[11] = Figure{1, 2, 2, 2};
        QVERIFY(!ReadChart(chart, 1).sound);
    }

    // Readings worked out by hand. Figures top row first; a sum row is 2 where the two rows agree
    // and 1 where they differ; houses 5 to 8 are rows 1 to 4 read across Mothers 1 to 4.
    //
    // 1112/1112/1211/2121: 5 1112, 6 1121, 7 1112, 8 2211; 15 = 1+2 = 2222; 13 = 3+4 = 1112;
    // 14 = 13+15 = 1112; 11 = 5+6 = 2211; 9 = 7+8 = 1121; 10 = 9+11 = 1112; 12 = 10+14 = 2222;
    // 16 = 12+1 = 1112. Alone: only 1211 (3) and 2121 (4); 2211 is also in 8, 2222 in 15.
    //
    // 2112/1221/2121/1212: 5 2121, 6 1212, 7 1221, 8 2112; 15 = 1111; 13 = 1111; 14 = 2222;
    // 11 = 1111; 9 = 1111; 10 = 2222; 12 = 2222; 16 = 2112. Every principal figure is found
    // twice or more: none alone. 9, 11, 13 and 15 all 1111.
    //
    // 1111/2122/1212/2221: 5 1212, 6 1122, 7 1212, 8 1221; 15 = 1211; 13 = 1211; 14 = 2222;
    // 11 = 2112; 9 = 2211; 10 = 2121; 12 = 2121; 16 = 1212. Alone, in reading order: 1 (1111),
    // 2 (2122), 4 (2221), 14 (2222), 11 (2112), 9 (2211); 12 shares 2121 with 10.
    void workedReadings_data() {
        QTest::addColumn<QString>("cast");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("repeats");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QList<int>>("alone");
        QTest::addColumn<QString>("lozabe");
        const QString worked = QStringLiteral("1112/1112/1211/2121");
        QTest::newRow("worked, Talé") << worked << 1 << QList<int>{5, 7, 10, 13, 14, 16}
                                      << QStringList{"14-16"} << QList<int>{3, 4} << "1121";
        QTest::newRow("worked, Fahatelo")
            << worked << 3 << QList<int>{} << QStringList{"14-16"} << QList<int>{3, 4} << "1121";
        const QString second = QStringLiteral("2112/1221/2121/1212");
        const QStringList secondPairs{"9-11", "11-15", "9-13"};
        QTest::newRow("second, Talé")
            << second << 1 << QList<int>{8, 16} << secondPairs << QList<int>{} << "1111";
        QTest::newRow("second, Harena")
            << second << 2 << QList<int>{7} << secondPairs << QList<int>{} << "1111";
        QTest::newRow("second, Vohitra")
            << second << 4 << QList<int>{6} << secondPairs << QList<int>{} << "1111";
        const QString third = QStringLiteral("1111/2122/1212/2221");
        const QList<int> thirdAlone{1, 2, 4, 14, 11, 9};
        QTest::newRow("third, Talé")
            << third << 1 << QList<int>{} << QStringList{} << thirdAlone << "2112";
        QTest::newRow("third, Fahatelo")
            << third << 3 << QList<int>{5, 7, 16} << QStringList{} << thirdAlone << "2112";
        QTest::newRow("column out of range reads Talé")
            << third << 0 << QList<int>{} << QStringList{} << thirdAlone << "2112";
    }
    void workedReadings() {
        QFETCH(QString, cast);
        QFETCH(int, column);
        QFETCH(QList<int>, repeats);
        QFETCH(QStringList, pairs);
        QFETCH(QList<int>, alone);
        QFETCH(QString, lozabe);
        const Reading reading = ReadChart(ChartOf(*ReadMothers(cast), Tableau::Diviners), column);
        QVERIFY(reading.sound);
        QCOMPARE(Listed(reading.repeats), repeats);
        QCOMPARE(PairHouses(reading.pairs), pairs);
        QCOMPARE(Listed(reading.alone), alone);
        QCOMPARE(FigureDigits(reading.lozabe), lozabe);
    }

    // The Reading window's place beside a main window of 839 x 572 (its board the left 549
    // pixels) centred on screens of three widths.
    void placeBeside_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("ownerLeft");
        QTest::addColumn<int>("windowLeft");
        QTest::newRow("room on the right") << 2560 << 860 << 1699;
        QTest::newRow("room once the main window moves a little") << 1920 << 477 << 1316;
        QTest::newRow("room on neither side") << 1280 << 0 << 676;
        QTest::newRow("room once the main window moves") << 1600 << 157 << 996;
        QTest::newRow("narrower than the main window, which stays") << 800 << -19 << 196;
    }
    void placeBeside() {
        QFETCH(int, screenWidth);
        QFETCH(int, ownerLeft);
        QFETCH(int, windowLeft);
        const QRect room(0, 0, screenWidth, 1024);
        const QRect owner((screenWidth - 839) / 2, 226, 839, 572);
        const Beside place = BesidePlace(owner, QSize(604, 514), room);
        QCOMPARE(place.ownerLeft, ownerLeft);
        QCOMPARE(place.window, QPoint(windowLeft, 226));
    }

    // The window, opened with Ctrl+R, follows the board through castings, a chart opened in
    // either tableau and the reset press, and reads as `kelvora --reading` prints.
    void windowFollowsTheBoard() {
        QSettings(QSettings::UserScope, QStringLiteral("Kelvora"), QStringLiteral("Kelvora"))
            .remove(QStringLiteral("ReadingColumn"));
        testsupport::CastingWindow casting;
        QVERIFY(casting.Active());
        casting.window.UseTableauForRun(Tableau::Diviners);
        QVERIFY(!casting.window.mnuReading->isEnabled());

        QRandomGenerator random(42);
        platform::ScriptedDraws draws([&random](int) { return float(random.generateDouble()); });
        casting.Press(12);
        QVERIFY(casting.window.mnuReading->isEnabled());
        QTest::keyClick(&casting.window, Qt::Key_R, Qt::ControlModifier);
        frmReading* reading = frmReading::OpenWindow();
        QVERIFY(reading);
        QVERIFY(QTest::qWaitForWindowExposed(reading));
        QCOMPARE(reading->Column(), 1);
        QCOMPARE(reading->Sentences(), PrintedSentences(*CastingBoard::BoardMothers(), 1));

        // A person picks Vohitra from the keyboard; the choice is read at once and remembered.
        reading->cboColumn->setFocus();
        QTest::keyClick(reading->cboColumn, Qt::Key_End);
        QCOMPARE(reading->Column(), 4);
        QCOMPARE(reading->Sentences(), PrintedSentences(*CastingBoard::BoardMothers(), 4));

        casting.Press(2); // the interpretation press, then the reset
        QVERIFY(reading->Sentences().isEmpty());
        QVERIFY(!casting.window.mnuReading->isEnabled());

        casting.Press(12); // a new casting, another cast
        QCOMPARE(reading->Sentences(), PrintedSentences(*CastingBoard::BoardMothers(), 4));

        const Mothers opened = *ReadMothers(QStringLiteral("1111/2122/1212/2221"));
        casting.window.Frame3->OpenChart(opened, Tableau::Classic);
        QVERIFY(reading->lblChart->text().contains(QStringLiteral("classic tableau")));
        QCOMPARE(reading->Sentences(), PrintedSentences(opened, 4));

        reading->close();
        QTest::keyClick(&casting.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(frmReading::OpenWindow()->Column(), 4);
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
