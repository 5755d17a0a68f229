#include "casting/Reading.h"

#include "casting/Cast.h"

namespace {

// The figure as a number 0 to 15 (a bit for each row of two seeds), so that figures compare in
// one step; whatever the rows hold, the number stays in range.
int Code(const Figure& figure) {
    return (figure[0] == 2) << 3 | (figure[1] == 2) << 2 | (figure[2] == 2) << 1 | (figure[3] == 2);
}

} // namespace

bool IsPrince(const Figure& figure) {
    return (figure[0] + figure[1] + figure[2] + figure[3]) % 2 == 0;
}

Reading ReadChart(const std::array<Figure, HouseCount>& chart, int column) {
    Reading reading;
    reading.column = column >= 1 && column <= 4 ? column : 1;
    std::array<int, HouseCount + 1> code{};
    std::array<int, 16> seen{};
    for (int h = 1; h <= HouseCount; ++h) {
        code[static_cast<std::size_t>(h)] = Code(chart[static_cast<std::size_t>(h - 1)]);
        ++seen[static_cast<std::size_t>(code[static_cast<std::size_t>(h)])];
    }
    const auto figure = [&](int h) { return code[static_cast<std::size_t>(h)]; };

    reading.sound = IsPrince(chart[11]);
    for (int h = 5; h <= HouseCount; ++h) {
        if (figure(h) == figure(reading.column)) {
            reading.repeats.Add(h);
        }
    }
    for (int i = 0; i < PairCount; ++i) {
        const HousePair& pair = NamedPairs[static_cast<std::size_t>(i)];
        if (figure(pair.first) == figure(pair.second)) {
            reading.pairs.Add(i);
        }
    }
    for (int h : AloneOrder) {
        if (seen[static_cast<std::size_t>(figure(h))] == 1) {
            reading.alone.Add(h);
        }
    }
    const Figure& left = chart[static_cast<std::size_t>(LozabeParents.first - 1)];
    const Figure& right = chart[static_cast<std::size_t>(LozabeParents.second - 1)];
    for (std::size_t r = 0; r < 4; ++r) {
        reading.lozabe[r] = AddRows(left[r], right[r]);
    }
    return reading;
}
