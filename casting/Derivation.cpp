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
        int cell = 0;
        int source = 0;
        if (n <= 4) {
            cell = 16 + 4 * (n - 1) + (r - 1);
            source = 4 * (r - 1) + (n - 1);
        } else {
            const int m = n - 4;
            cell = 32 + 4 * (m - 1) + (r - 1);
            source = 12 - 4 * (r - 1) + (m - 1);
        }
        StoreCell(cell, intCells.at(static_cast<std::size_t>(source)));
        written(cell);
    }
}
