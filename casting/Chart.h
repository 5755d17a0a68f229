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

// How houses 5 to 16 come from the mothers. Classic: houses 5 to 8 read the mother rows from
// Mother 4 back to Mother 1 and the daughters copy mother rows. Diviners: the mothers are laid
// from right (Mother 1) to left, houses 5 to 8 read the rows from Mother 1, and houses 9 to 16 are
// sums of two houses.
enum class Tableau { Classic, Diviners };
// The tableau of the current casting.
extern Tableau chartTableau;

// The cells created so far in the current casting, indexed by cell (none before the first press,
// all 48 after the twelfth). The classic tableau writes them in index order; the diviners'
// tableau writes the daughters house by house, so the store may hold not-yet-written cells,
// which are 0. A cell, once written, is never changed within the casting.
extern std::vector<DotCount> intCells;
// Presses of the casting button in the current casting: 0 before the first, n after press n.
extern std::int16_t intPressCount;
// What the interpretation pass tells the composer about the house it describes.
extern QString strHouseLabel;
extern QString strHouseFigureName;

// Writes cell c, which must not be written yet.
void StoreCell(int c, DotCount value);
// Whether cell c has been written in this casting.
bool CellExists(int c);
// Unwrites cell c (a press taken back), dropping the store's unwritten end.
void ForgetCell(int c);
// Empties the store for a new casting.
void ClearCells();

// Rows 1 to 4 of slot k (0..11); all four cells must exist.
Figure SlotFigure(int k);

struct House {
    const char* name;         // "Tale"
    const char* label;        // report label, "House 1(Tale)"
    const char* figureName;   // paired figure name handed to the composer
    std::array<int, 4> cells; // the cells of the house's figure, rows 1 to 4, classic tableau
};

// House h (1..16).
const House& HouseEntry(int h);
// The four cell indexes of house h's figure, rows 1 to 4 in order, in the current casting's
// tableau or in the one given.
const std::array<int, 4>& HouseFigure(int h);
const std::array<int, 4>& HouseFigure(int h, Tableau tableau);
