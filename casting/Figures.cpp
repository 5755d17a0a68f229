#include "casting/Figures.h"

#include "casting/maths/ChiSquare.h"

#include <memory>
#include <mutex>
#include <vector>

namespace figures {

namespace {

// Every cast's houses and the counts they make, in one tableau.
struct CastTable {
    std::vector<Houses> houses;
    Counts counts{};
    std::array<int, HouseCount> copyOf{};
};

Mothers MothersAt(int cast) {
    Mothers mothers{};
    for (int cell = 0; cell < 16; ++cell) {
        mothers[static_cast<std::size_t>(cell)] = (cast >> (15 - cell) & 1) ? 2 : 1;
    }
    return mothers;
}

std::unique_ptr<CastTable> MakeTable(Tableau tableau) {
    auto table = std::make_unique<CastTable>();
    table->houses.resize(CastCount);
    for (int cast = 0; cast < CastCount; ++cast) {
        const std::array<Figure, HouseCount> chart = ChartOf(MothersAt(cast), tableau);
        Houses& houses = table->houses[static_cast<std::size_t>(cast)];
        for (std::size_t h = 0; h < HouseCount; ++h) {
            houses[h] = static_cast<std::uint8_t>(FigureIndex(chart[h]));
            ++table->counts[h][houses[h]];
        }
    }
    // A house that holds an earlier house's figure in every cast repeats it.
    for (std::size_t h = 1; h < HouseCount; ++h) {
        for (std::size_t earlier = 0; earlier < h && !table->copyOf[h]; ++earlier) {
            bool same = true;
            for (const Houses& houses : table->houses) {
                if (houses[h] != houses[earlier]) {
                    same = false;
                    break;
                }
            }
            if (same) {
                table->copyOf[h] = static_cast<int>(earlier) + 1;
            }
        }
    }
    return table;
}

const CastTable& Table(Tableau tableau) {
    static std::once_flag madeClassic;
    static std::once_flag madeDiviners;
    static std::unique_ptr<CastTable> classic;
    static std::unique_ptr<CastTable> diviners;
    if (tableau == Tableau::Classic) {
        std::call_once(madeClassic, [] { classic = MakeTable(Tableau::Classic); });
        return *classic;
    }
    std::call_once(madeDiviners, [] { diviners = MakeTable(Tableau::Diviners); });
    return *diviners;
}

} // namespace

int FigureIndex(const Figure& figure) {
    return (figure[0] == 2) << 3 | (figure[1] == 2) << 2 | (figure[2] == 2) << 1 | (figure[3] == 2);
}

Figure FigureAt(int index) {
    return Figure{DotCount(index & 8 ? 2 : 1), DotCount(index & 4 ? 2 : 1),
                  DotCount(index & 2 ? 2 : 1), DotCount(index & 1 ? 2 : 1)};
}

int CastIndex(const Mothers& mothers) {
    int cast = 0;
    for (const DotCount row : mothers) {
        cast = cast << 1 | (row == 2);
    }
    return cast;
}

const Counts& CastCounts(Tableau tableau) {
    return Table(tableau).counts;
}

const Houses& CastHouses(int cast, Tableau tableau) {
    return Table(tableau).houses[static_cast<std::size_t>(cast & (CastCount - 1))];
}

int CopyOf(int house, Tableau tableau) {
    return house >= 1 && house <= HouseCount
               ? Table(tableau).copyOf[static_cast<std::size_t>(house - 1)]
               : 0;
}

void Tally::Add(const Houses& houses) {
    ++charts;
    for (std::size_t h = 0; h < HouseCount; ++h) {
        ++counts[h][houses[h]];
    }
}

double Expected(Tableau tableau, int house, int figure, std::int64_t charts) {
    const std::int64_t casts =
        CastCounts(tableau)[static_cast<std::size_t>(house - 1)][static_cast<std::size_t>(figure)];
    return double(charts) * double(casts) / double(CastCount);
}

HouseTest TestHouse(const Tally& tally, int house) {
    HouseTest test;
    if (const int copy = CopyOf(house, tally.tableau)) {
        test.verdict = Verdict::Copy;
        test.copyOf = copy;
        return test;
    }
    if (tally.charts <= 0) {
        return test;
    }
    int cells = 0;
    bool tooFew = false;
    for (int f = 0; f < FigureCount; ++f) {
        const double expected = Expected(tally.tableau, house, f, tally.charts);
        if (expected <= 0) {
            continue; // a figure the house never holds
        }
        ++cells;
        tooFew = tooFew || expected < LeastExpected;
        const double observed =
            double(tally.counts[static_cast<std::size_t>(house - 1)][static_cast<std::size_t>(f)]);
        test.chiSquare += (observed - expected) * (observed - expected) / expected;
    }
    test.degrees = cells - 1;
    test.p = ::ChiSquareTail(test.chiSquare, test.degrees);
    test.verdict = tooFew               ? Verdict::TooFew
                   : test.p < Threshold ? Verdict::Unusual
                                        : Verdict::Usual;
    return test;
}

} // namespace figures
