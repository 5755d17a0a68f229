#include "casting/Derivation.h"

#include "platform/Random.h"

#include <cmath>

DotCount MotherRow(float u) {
    // In double: in float, 2u + 1 for the largest float below 0.5 rounds up to 2.0.
    return static_cast<DotCount>(std::floor(2.0 * static_cast<double>(u) + 1.0));
}

void CreateMother(int n, const CellWritten& written) {
    for (int r = 1; r <= 4; ++r) {
        const int cell = 4 * (n - 1) + (r - 1);
        StoreCell(cell, MotherRow(platform::Rnd()));
        written(cell);
    }
}

void CreateDaughter(int n, const CellWritten& written) {
    for (int r = 1; r <= 4; ++r) {
        const int cell = 16 + 4 * (n - 1) + (r - 1);
        StoreCell(cell, intCells.at(static_cast<std::size_t>(DaughterSource(n, r))));
        written(cell);
    }
}

void PlaceMothers(const Mothers& mothers, const CellWritten& written) {
    for (int cell = 0; cell < 16; ++cell) {
        StoreCell(cell, mothers[static_cast<std::size_t>(cell)]);
        written(cell);
    }
}

void CreateHouse(int n, const CellWritten& written) {
    const HouseSum& sum = DivinersOrder.at(static_cast<std::size_t>(n - 1));
    const auto row = [](int h, std::size_t r) {
        return intCells.at(static_cast<std::size_t>(HouseFigure(h, Tableau::Diviners)[r]));
    };
    const std::array<int, 4>& cells = HouseFigure(sum.house, Tableau::Diviners);
    for (std::size_t r = 0; r < 4; ++r) {
        StoreCell(cells[r], AddRows(row(sum.left, r), row(sum.right, r)));
        written(cells[r]);
    }
}
