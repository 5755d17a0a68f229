#pragma once

#include "casting/Chart.h"

// The four rows of the figure that stands in house h of the current casting.
inline Figure HouseRows(int h) {
    const auto& cells = HouseFigure(h);
    return {intCells.at(cells[0]), intCells.at(cells[1]), intCells.at(cells[2]),
            intCells.at(cells[3])};
}
