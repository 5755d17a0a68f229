#pragma once

#include "casting/Cast.h"

#include <array>
#include <optional>
#include <vector>

// Checking a whole tableau as copied from a notebook: each house against the houses it comes
// from as they are written, so that one wrong figure is named alone rather than with every house
// worked out from it.

// A house that does not follow from its parents as written.
struct HouseFault {
    int house;       // 5 to 16
    Figure expected; // what its parents as written give
    Figure written;
};

struct TableauFaults {
    std::vector<HouseFault> classic;  // houses 5 to 16 against the mothers' rows
    std::vector<HouseFault> diviners; // 5 to 8 against the mothers, 9 to 16 against their sums
};

// Houses 1 to 16 (index 0 to 15) as written.
using WrittenTableau = std::array<Figure, HouseCount>;

// The houses of `written` that do not follow, in each tableau, in house order.
TableauFaults CheckTableau(const WrittenTableau& written);
// The tableau `written` follows: the one without faults, `chosen` when it follows both, nothing
// when it follows neither.
std::optional<Tableau> FollowedTableau(const TableauFaults& faults, Tableau chosen);
// The mothers of `written`: houses 1 to 4.
Mothers MothersOf(const WrittenTableau& written);
