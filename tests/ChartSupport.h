#pragma once

#include "casting/Cast.h"
#include "casting/Chart.h"

// The four rows of the figure that stands in house h of the current casting.
inline Figure HouseRows(int h) {
    const auto& cells = HouseFigure(h);
    return {intCells.at(cells[0]), intCells.at(cells[1]), intCells.at(cells[2]),
            intCells.at(cells[3])};
}

// The cast numbered `pattern` (0 to 65,535): bit c set is two dots in cell c.
inline Mothers CastNumber(unsigned pattern) {
    Mothers mothers{};
    for (std::size_t c = 0; c < mothers.size(); ++c) {
        mothers[c] = (pattern >> c) & 1u ? DotCount{2} : DotCount{1};
    }
    return mothers;
}
