#pragma once

#include "casting/Chart.h"

#include <QString>

#include <array>
#include <optional>

// A cast as it can be typed, kept or passed around: the four mothers, in the text form
// "1112/1112/1211/2121" (each mother top row first, Mother 1 first), and the whole chart they
// give in either tableau, worked out without touching the board's store.

// The sixteen mother cells, Mother 1's rows 1 to 4 first: cells 0 to 15 of the store.
using Mothers = std::array<DotCount, 16>;

// Reads the text form: sixteen digits 1 or 2 in four groups of four, separated by blanks, commas,
// slashes or hyphens (leading and trailing blanks allowed). On a refusal returns nothing and, when
// `why` is given, sets it to one line saying what is wrong, naming a character as typed.
std::optional<Mothers> ReadMothers(const QString& text, QString* why = nullptr);
// The text form of `mothers`, with slashes: "1112/1112/1211/2121".
QString MothersText(const Mothers& mothers);
// A figure as four digits, top row first: "1121".
QString FigureDigits(const Figure& figure);

// Adding two rows, as diviners add figures: one seed and one make two, two and two make two, one
// and two make one.
DotCount AddRows(DotCount a, DotCount b);

// The houses 9 to 16 of the diviners' tableau, in the order they are derived (parents first), each
// the sum of two houses.
struct HouseSum {
    int house;
    int left;
    int right;
};
inline constexpr std::array<HouseSum, 8> DivinersOrder{{
    {15, 1, 2},   // Safary = Tale + Mahamay
    {13, 3, 4},   // Asorita = Fahatelo + Bilady
    {14, 13, 15}, // Saily = Asorita + Safary
    {11, 5, 6},   // Haja = Fianahana + Abily
    {9, 7, 8},    // Fahasivy = Alisay + Fahavalo
    {10, 9, 11},  // Ombiasy = Fahasivy + Haja
    {12, 10, 14}, // Haky = Ombiasy + Saily
    {16, 12, 1},  // Kiba = Haky + Tale
}};

// The mother cell that row r (1..4) of Daughter n (1..8) copies in the classic tableau.
int DaughterSource(int n, int r);

// Houses 1 to 16 (index 0 to 15) that `mothers` give in `tableau`.
std::array<Figure, HouseCount> ChartOf(const Mothers& mothers, Tableau tableau);

// "classic" or "diviners", the tableau's name on the command line and in stored charts.
QString TableauName(Tableau tableau);
std::optional<Tableau> ReadTableau(const QString& name);
