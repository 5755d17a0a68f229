// The chart model and its derivation, driven by scripted draws.
#include "casting/Cast.h"
#include "casting/Chart.h"
#include "casting/Derivation.h"
#include "controls/ImageList.h"
#include "platform/Random.h"
#include "tests/ChartSupport.h"
#include "tests/TestMain.h"

#include <QImage>
#include <QScopeGuard>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

// Casts a whole chart: four mothers, eight daughters.
void CastChart() {
    ClearCells();
    const CellWritten ignore = [](int) {};
    for (int n = 1; n <= 4; ++n) {
        CreateMother(n, ignore);
    }
    for (int n = 1; n <= 8; ++n) {
        CreateDaughter(n, ignore);
    }
}

// Casts a chart whose sixteen mother cells are the bits of `pattern` (bit c set: two dots).
void CastPattern(unsigned pattern) {
    platform::ScriptedDraws draws([pattern](int i) { return (pattern >> i) & 1u ? 0.75f : 0.25f; });
    CastChart();
}

} // namespace

class TestChart : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    void cleanup() { ClearCells(); }

    void motherRowFromDraw_data() {
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("row");
        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("largest below one half") << std::nextafter(0.5f, 0.0f) << 1;
        QTest::newRow("one half") << 0.5f << 2;
        QTest::newRow("smallest above one half") << std::nextafter(0.5f, 1.0f) << 2;
        QTest::newRow("largest below one") << std::nextafter(1.0f, 0.0f) << 2;
    }
    void motherRowFromDraw() {
        QFETCH(float, u);
        QFETCH(int, row);
        QCOMPARE(int(MotherRow(u)), row);
    }

    void uniformCastingsGiveUniformFigures_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("row");
        QTest::newRow("all draws below one half") << 0.4999f << 1;
        QTest::newRow("all draws one half or more") << 0.5f << 2;
    }
    void uniformCastingsGiveUniformFigures() {
        QFETCH(float, draw);
        QFETCH(int, row);
        platform::ScriptedDraws draws([draw](int) { return draw; });
        CastChart();
        QCOMPARE(int(intCells.size()), CellCount);
        for (DotCount cell : intCells) {
            QCOMPARE(int(cell), row);
        }
        QCOMPARE(draws.Used(), 16);
    }

    // Draws are taken one per mother row in cell order; daughters take none.
    void drawsFillMotherCellsInOrder() {
        const std::vector<float> script = {0.9f, 0.1f, 0.1f, 0.6f, 0.2f, 0.7f, 0.5f, 0.0f,
                                           0.3f, 0.3f, 0.8f, 0.8f, 0.6f, 0.4f, 0.2f, 0.99f};
        platform::ScriptedDraws draws([&script](int i) { return script.at(i); });
        std::vector<int> shown;
        const CellWritten record = [&shown](int c) { shown.push_back(c); };
        for (int n = 1; n <= 4; ++n) {
            CreateMother(n, record);
        }
        QCOMPARE(draws.Used(), 16);
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(int(intCells[c]), script[c] < 0.5f ? 1 : 2);
        }
        for (int n = 1; n <= 8; ++n) {
            CreateDaughter(n, record);
        }
        QCOMPARE(draws.Used(), 16);
        // Every cell is reported the moment it is written, in ascending order.
        QCOMPARE(int(shown.size()), CellCount);
        for (int c = 0; c < CellCount; ++c) {
            QCOMPARE(shown[c], c);
        }
    }

    // Over every possible set of mothers: Daughter n is column n of the mother block read from
    // Mother 1 to 4, Daughter n + 4 is Daughter n upside down, and houses 5-8 equal 13-16.
    void derivationHoldsForEveryCasting() {
        for (unsigned pattern = 0; pattern < (1u << 16); ++pattern) {
            CastPattern(pattern);
            for (int n = 1; n <= 4; ++n) {
                const Figure daughter = SlotFigure(3 + n);
                const Figure turned = SlotFigure(7 + n);
                for (int r = 1; r <= 4; ++r) {
                    if (daughter[r - 1] != SlotFigure(r - 1)[n - 1] ||
                        turned[r - 1] != daughter[4 - r]) {
                        QFAIL(qPrintable(QStringLiteral("pattern %1, daughter %2, row %3")
                                             .arg(pattern)
                                             .arg(n)
                                             .arg(r)));
                    }
                }
            }
            for (int h = 5; h <= 8; ++h) {
                if (HouseRows(h) != HouseRows(h + 8)) {
                    QFAIL(qPrintable(QStringLiteral("pattern %1, house %2").arg(pattern).arg(h)));
                }
            }
        }
    }

    void housesReadTheirSlots() {
        CastPattern(0xA5C3);
        for (int h = 1; h <= 4; ++h) {
            QCOMPARE(HouseRows(h), SlotFigure(h - 1));
        }
        for (int h = 9; h <= 16; ++h) {
            QCOMPARE(HouseRows(h), SlotFigure(h - 5));
        }
        QCOMPARE(QString::fromLatin1(HouseEntry(10).figureName),
                 QStringLiteral("Betsivongo / Alisay /  Betsimisay / Alikasajy"));
        // Mothers 1-4 with first rows 1, 1, 2, 2 and all other rows 1: house 9 reads the first
        // rows top to bottom, house 5 bottom to top.
        CastPattern((1u << 8) | (1u << 12));
        QCOMPARE(HouseRows(9), (Figure{1, 1, 2, 2}));
        QCOMPARE(HouseRows(5), (Figure{2, 2, 1, 1}));
    }

    // The text form of a cast: what is taken, and what a refusal names.
    void readsACast_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mothers"); // as written back, empty when refused
        QTest::addColumn<QString>("why");     // the refusal
        const QString separators = "is neither a row nor a separator: rows are 1 or 2, mothers "
                                   "are separated by blanks, commas, slashes or hyphens.";
        QTest::newRow("hyphens") << "1112 - 1112-1211-2121"
                                 << "1112/1112/1211/2121"
                                 << "";
        QTest::newRow("a character beyond the BMP, named whole")
            << QString::fromUtf8("1112/1112/1211/212\U0001F600") << ""
            << QString::fromUtf8("'\U0001F600' ") + separators;
    }
    void readsACast() {
        QFETCH(QString, text);
        QFETCH(QString, mothers);
        QFETCH(QString, why);
        QString reason;
        const std::optional<Mothers> read = ReadMothers(text, &reason);
        QCOMPARE(read ? MothersText(*read) : QString(), mothers);
        QCOMPARE(reason, why);
    }

    // The worked tableau of mothers 1112/1112/1211/2121, whose first two are equal, and of four
    // different mothers, in both tableaux (each figure top row first), and the house each press 5
    // to 12 writes, parents first.
    void tableauOfWorkedExample_data() {
        QTest::addColumn<QString>("cast");
        QTest::addColumn<int>("tableau");
        QTest::addColumn<QString>("houses");
        QTest::addColumn<QList<int>>("pressOrder");
        const QList<int> diviners{15, 13, 14, 11, 9, 10, 12, 16};
        const QList<int> classic{9, 10, 11, 12, 13, 14, 15, 16};
        QTest::newRow("diviners")
            << "1112/1112/1211/2121" << int(Tableau::Diviners)
            << "1112 1112 1211 2121 1112 1121 1112 2211 1121 1112 2211 2222 1112 1112 2222 1112"
            << diviners;
        QTest::newRow("classic")
            << "1112/1112/1211/2121" << int(Tableau::Classic)
            << "1112 1112 1211 2121 2111 1211 2111 1122 1112 1121 1112 2211 2111 1211 2111 1122"
            << classic;
        QTest::newRow("four different mothers, diviners")
            << "1211/2221/1122/2112" << int(Tableau::Diviners)
            << "1211 2221 1122 2112 1212 2211 1221 1122 2121 1122 1221 1122 1212 2222 1212 2111"
            << diviners;
        QTest::newRow("four different mothers, classic")
            << "1211/2221/1122/2112" << int(Tableau::Classic)
            << "1211 2221 1122 2112 2121 1122 1221 2211 1212 2211 1221 1122 2121 1122 1221 2211"
            << classic;
    }
    void tableauOfWorkedExample() {
        QFETCH(QString, cast);
        QFETCH(int, tableau);
        QFETCH(QString, houses);
        QFETCH(QList<int>, pressOrder);
        const Mothers mothers = *ReadMothers(cast);
        const QStringList expected = houses.split(u' ');
        // Worked out on its own, for the command line and kept charts.
        const auto chart = ChartOf(mothers, Tableau(tableau));
        for (int h = 1; h <= HouseCount; ++h) {
            QCOMPARE(FigureDigits(chart[h - 1]), expected[h - 1]);
        }
        // Press by press on the board's store: each press writes exactly its house's four cells.
        chartTableau = Tableau(tableau);
        const auto restore = qScopeGuard([] { chartTableau = Tableau::Classic; });
        PlaceMothers(mothers, [](int) {});
        for (int n = 1; n <= 8; ++n) {
            std::vector<int> written;
            const CellWritten record = [&written](int c) { written.push_back(c); };
            chartTableau == Tableau::Diviners ? CreateHouse(n, record) : CreateDaughter(n, record);
            const int house = pressOrder[n - 1];
            QCOMPARE(written,
                     std::vector<int>(HouseFigure(house).begin(), HouseFigure(house).end()));
            QCOMPARE(FigureDigits(HouseRows(house)), expected[house - 1]);
        }
    }

    // Over all 65,536 casts, the chart worked out at once is the one the board's presses derive,
    // in either tableau.
    void chartOfIsTheBoardsDerivation_data() {
        QTest::addColumn<int>("tableau");
        QTest::newRow("classic") << int(Tableau::Classic);
        QTest::newRow("diviners") << int(Tableau::Diviners);
    }
    void chartOfIsTheBoardsDerivation() {
        QFETCH(int, tableau);
        chartTableau = Tableau(tableau);
        const auto restore = qScopeGuard([] { chartTableau = Tableau::Classic; });
        const CellWritten ignore = [](int) {};
        for (unsigned pattern = 0; pattern < (1u << 16); ++pattern) {
            const Mothers mothers = CastNumber(pattern);
            ClearCells();
            PlaceMothers(mothers, ignore);
            for (int n = 1; n <= 8; ++n) {
                chartTableau == Tableau::Diviners ? CreateHouse(n, ignore)
                                                  : CreateDaughter(n, ignore);
            }
            const auto chart = ChartOf(mothers, chartTableau);
            for (int h = 1; h <= HouseCount; ++h) {
                if (HouseRows(h) != chart[std::size_t(h - 1)]) {
                    QFAIL(qPrintable(QStringLiteral("%1, house %2: pressed %3, worked out %4")
                                         .arg(MothersText(mothers))
                                         .arg(h)
                                         .arg(FigureDigits(HouseRows(h)),
                                              FigureDigits(chart[std::size_t(h - 1)]))));
                }
            }
        }
    }

    // The generator never reaches 1.0, so a row is always 1 or 2, and each comes about half the
    // time: with a million draws the count of twos lies within six standard deviations (500).
    void generatorIsUniformAndBelowOne() {
        platform::Randomize(20261207);
        constexpr int draws = 1'000'000;
        int twos = 0;
        float largest = 0.0f;
        for (int i = 0; i < draws; ++i) {
            const float u = platform::Rnd();
            QVERIFY(u >= 0.0f && u < 1.0f);
            largest = std::max(largest, u);
            const DotCount row = MotherRow(u);
            QVERIFY(row == 1 || row == 2);
            twos += row == 2;
        }
        QVERIFY(std::abs(twos - draws / 2) < 3000);
        QVERIFY(largest > 0.999f);
    }

    void generatorSeedsDiffer() {
        platform::Randomize(1);
        const float a = platform::Rnd();
        platform::Randomize(1);
        QCOMPARE(platform::Rnd(), a);
        // Seeding from the clock again, once the clock has moved on, gives another sequence.
        const auto seededFromClock = [] {
            platform::Randomize();
            std::vector<float> draws(8);
            for (float& u : draws) {
                u = platform::Rnd();
            }
            return draws;
        };
        const std::vector<float> first = seededFromClock();
        QTRY_VERIFY(seededFromClock() != first);
    }

    // Picture 1 has one dot in the middle, picture 2 two dots beside it; both stay 66 x 20 logical
    // pixels and are drawn at full resolution for a high-DPI screen.
    void dotPictures_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("96 dpi") << qreal(1.0);
        QTest::newRow("double density") << qreal(2.0);
        QTest::newRow("fractional") << qreal(1.5);
    }
    void dotPictures() {
        QFETCH(qreal, dpr);
        const auto dark = [](const QImage& image, qreal x, qreal y, qreal ratio) {
            return qAlpha(image.pixel(int(x * ratio), int(y * ratio))) > 200;
        };
        const QPixmap one = controls::ImageList::Picture(1, dpr);
        const QPixmap two = controls::ImageList::Picture(2, dpr);
        for (const QPixmap& picture : {one, two}) {
            QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(66, 20));
            QCOMPARE(picture.size(), QSize(qRound(66 * dpr), qRound(20 * dpr)));
        }
        const QImage a = one.toImage();
        const QImage b = two.toImage();
        QVERIFY(dark(a, 33, 10, dpr));
        QVERIFY(!dark(a, 20, 10, dpr) && !dark(a, 46, 10, dpr));
        QVERIFY(!dark(b, 33, 10, dpr));
        QVERIFY(dark(b, 20, 10, dpr) && dark(b, 46, 10, dpr));
        QVERIFY(!dark(a, 2, 2, dpr) && !dark(b, 2, 2, dpr));
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
