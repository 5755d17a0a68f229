#pragma once

#include "casting/Chart.h"

#include <array>
#include <cstdint>

// How diviners read a tableau of sixteen houses, as data: whether its sums are sound, which houses
// repeat the figure of the question's column, which named pairs of houses agree, which principal
// houses hold a figure found nowhere else, and Lozabe. No text: the words are composed elsewhere.

// A few house numbers (or pair numbers) in the order they were found.
class HouseList {
public:
    void Add(int house) {
        items[static_cast<std::size_t>(count++)] = static_cast<std::int8_t>(house);
    }
    int Size() const { return count; }
    int operator[](int i) const { return items[static_cast<std::size_t>(i)]; }
    const std::int8_t* begin() const { return items.data(); }
    const std::int8_t* end() const { return items.data() + count; }

private:
    std::array<std::int8_t, HouseCount> items{};
    int count = 0;
};

// Two houses whose figures, when the same, make a named combination.
struct HousePair {
    int first;
    int second;
};
inline constexpr int PairCount = 8;
// The named pairs, in the order they are read: Tsi-rongatra, Mati-roa, Vahoaka, Tsindrilasy,
// Sampona, Fotoan-tsi-mihatra, Fehi-tsi-roso, Ravoakony.
inline constexpr std::array<HousePair, PairCount> NamedPairs{
    {{9, 10}, {9, 11}, {2, 3}, {14, 16}, {15, 16}, {3, 4}, {11, 15}, {9, 13}}};

// The twelve principal houses in the order a figure standing alone is looked for: house 12
// first, then the four mothers, then the seven below from 16 down to 9.
inline constexpr std::array<int, 12> AloneOrder{12, 1, 2, 3, 4, 16, 15, 14, 13, 11, 10, 9};

// The houses added row by row to give Lozabe.
inline constexpr HousePair LozabeParents{9, 12};

struct Reading {
    // House 12 holds a prince.
    bool sound = false;
    // The question's column, 1 to 4.
    int column = 1;
    // Houses 5 to 16 that hold the column's figure, in ascending order.
    HouseList repeats;
    // Indexes into NamedPairs of the pairs whose two houses hold the same figure, in that order.
    HouseList pairs;
    // Principal houses whose figure is in no other of the sixteen houses, in AloneOrder.
    HouseList alone;
    Figure lozabe{};
};

// A figure with an even number of seeds is a prince; an odd one is a slave.
bool IsPrince(const Figure& figure);

// The reading of the sixteen houses `chart` (house 1 first) with the question in house `column`
// (1..4; any other value is taken as 1).
Reading ReadChart(const std::array<Figure, HouseCount>& chart, int column);
