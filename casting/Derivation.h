#pragma once

#include "casting/Chart.h"

#include <functional>

// How the twelve figures of a casting are produced: four mothers from random draws, eight
// daughters by copying mother rows. Each cell is stored the moment it is produced and
// `written` is told at once, so the board shows it before the next row is handled.
using CellWritten = std::function<void(int cell)>;

// The row a draw u (0 <= u < 1) gives: floor(2u + 1), that is 1 below 0.5 and 2 from 0.5 on.
DotCount MotherRow(float u);

// Mother n (1..4): cells 4(n-1) to 4(n-1)+3, one draw per row, row 1 first.
void CreateMother(int n, const CellWritten& written);

// Daughter n (1..8): cells 16+4(n-1) to 16+4(n-1)+3, each a copy of a mother cell. Row r of
// Daughters 1-4 is row n of Mother r; row r of Daughters 5-8 is row n-4 of Mother 5-r.
void CreateDaughter(int n, const CellWritten& written);
