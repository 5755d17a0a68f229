#pragma once

#include "casting/Cast.h"

#include <array>
#include <cstdint>

// How often each of the sixteen figures falls in each of the sixteen houses: over all 65,536
// casts of a tableau (what random casting gives), and over a set of charts, with a chi-square
// test per house of whether the charts' counts look like random casting.
namespace figures {

inline constexpr int FigureCount = 16;
// Every cast: four mothers of four rows, each one or two seeds.
inline constexpr int CastCount = 65536;
// A house is unusual only below this p-value: sixteen houses are tested at once.
inline constexpr double Threshold = 0.05 / 16;
// An expected count below this makes the test unreliable ("too few charts").
inline constexpr double LeastExpected = 5.0;

// A figure as a number 0 to 15: a bit for each row of two seeds, row 1 the highest.
int FigureIndex(const Figure& figure);
Figure FigureAt(int index);
// A cast as a number 0 to 65535: a bit for each cell of two seeds, Mother 1's row 1 the highest.
int CastIndex(const Mothers& mothers);

// Counts indexed [house - 1][figure index].
using Counts = std::array<std::array<std::int64_t, FigureCount>, HouseCount>;
// The figure index of each house (house 1 first).
using Houses = std::array<std::uint8_t, HouseCount>;

// How often each figure falls in each house over all 65,536 casts of `tableau` (each cast worked
// out once with ChartOf, on the first call).
const Counts& CastCounts(Tableau tableau);
// The houses of cast `cast` (CastIndex) in `tableau`, from the same table.
const Houses& CastHouses(int cast, Tableau tableau);
// The earlier house that house h holds the same figure as in every cast of `tableau`; 0 for none.
int CopyOf(int house, Tableau tableau);

// The figures of a set of charts, all counted in one tableau.
struct Tally {
    Tableau tableau = Tableau::Diviners;
    std::int64_t charts = 0;
    Counts counts{};

    void Add(const Houses& houses);
    void Add(const Mothers& mothers) { Add(CastHouses(CastIndex(mothers), tableau)); }
};

// The count random casting gives figure `figure` in house `house` over `charts` charts.
double Expected(Tableau tableau, int house, int figure, std::int64_t charts);

enum class Verdict {
    NoCharts, // nothing counted
    TooFew,   // an expected count below LeastExpected
    Copy,     // the house repeats an earlier one: not a test of its own
    Usual,    // p at or above Threshold
    Unusual,  // p below Threshold
};

struct HouseTest {
    Verdict verdict = Verdict::NoCharts;
    // Set for TooFew, Usual and Unusual.
    double chiSquare = 0;
    int degrees = 0;
    double p = 1;
    // The house it repeats, for Copy.
    int copyOf = 0;
};

// The chi-square goodness-of-fit test of house `house` of `tally` against random casting: the
// cells the house can hold (an expected count above zero) are summed, with one degree of freedom
// fewer than them.
HouseTest TestHouse(const Tally& tally, int house);

} // namespace figures
