#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The data one casting produces: figures of four rows of one or two dots, the cell store that
// holds the twelve figures, the press counter of the casting board, and the sixteen houses.

// The value of one row of a figure: 1 for one dot, 2 for two dots. It doubles as the 1-based
// number of the dot picture that shows it.
using DotCount = std::int16_t;

// Four rows, row 1 (the top row) first.
using Figure = std::array<DotCount, 4>;

// Twelve figures of four cells: Mothers 1-4 in slots 0-3, Daughters 1-8 in slots 4-11.
// Row r (1..4) of slot k is cell 4k + r - 1.
inline constexpr int SlotCount = 12;
inline constexpr int CellCount = 4 * SlotCount;
inline constexpr int HouseCount = 16;

// The cells created so far in the current casting, in creation order (none before the first
// press, all 48 after the twelfth). A cell, once written, is never changed within the casting.
extern std::vector<DotCount> intCells;
// Presses of the casting button in the current casting: 0 before the first, n after press n.
extern std::int16_t intPressCount;
// What the interpretation pass tells the composer about the house it describes.
extern QString strHouseLabel;
extern QString strHouseFigureName;

// Writes cell c, which must be the next cell of the store.
void StoreCell(int c, DotCount value);
// Empties the store for a new casting.
void ClearCells();

// Rows 1 to 4 of slot k (0..11); all four cells must exist.
Figure SlotFigure(int k);

struct House {
    const char* name;         // "Tale"
    const char* label;        // report label, "House 1(Tale)"
    const char* figureName;   // paired figure name handed to the composer
    std::array<int, 4> cells; // the cells of the house's figure, rows 1 to 4
};

// House h (1..16).
const House& HouseEntry(int h);
// The four cell indexes of house h's figure, rows 1 to 4 in order.
const std::array<int, 4>& HouseFigure(int h);
