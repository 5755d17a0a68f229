#pragma once

#include "casting/Cast.h"

#include <functional>

// How the twelve figures of a casting are produced: four mothers from random draws (or as
// typed), eight daughters by copying mother rows (classic tableau) or by adding houses (the
// diviners' tableau). Each cell is stored the moment it is produced and
// `written` is told at once, so the board shows it before the next row is handled.
using CellWritten = std::function<void(int cell)>;

// The row a draw u (0 <= u < 1) gives: floor(2u + 1), that is 1 below 0.5 and 2 from 0.5 on.
DotCount MotherRow(float u);

// Mother n (1..4): cells 4(n-1) to 4(n-1)+3, one draw per row, row 1 first.
void CreateMother(int n, const CellWritten& written);

// Daughter n (1..8): cells 16+4(n-1) to 16+4(n-1)+3, each a copy of a mother cell. Row r of
// Daughters 1-4 is row n of Mother r; row r of Daughters 5-8 is row n-4 of Mother 5-r.
void CreateDaughter(int n, const CellWritten& written);

// Mothers 1 to 4 as given: cells 0 to 15, in order, no draw made.
void PlaceMothers(const Mothers& mothers, const CellWritten& written);

// Press n (1..8) after the mothers in the diviners' tableau: house DivinersOrder[n - 1].house,
// row by row the sum of its two parent houses, rows 1 to 4 in order.
void CreateHouse(int n, const CellWritten& written);
