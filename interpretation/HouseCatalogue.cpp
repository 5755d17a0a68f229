#include "interpretation/modSikidy.h"

#include <array>

namespace modSikidy {

namespace {

// What each house stands for, house 1 first. Houses 14 and 15 share "Voyages"; house 4's
// meaning has a blank after the slash only.
constexpr std::array<const char*, HouseCount> Meanings{
    "Ascendant",
    "Prosperity, Object in Question",
    "Brother of Querent",
    "Land/ Place of Dwelling",
    "Children",
    "Servants",
    "Spouse",
    "Enemies",
    "Spirits",
    "Benefactor",
    "Food",
    "The Creator",
    "The Old Chiefs",
    "Voyages",
    "Voyages",
    "The house and its members",
};

// House h is paired with the figure at position h of house order.
std::array<HouseInfo, HouseCount> BuildHouses() {
    std::array<HouseInfo, HouseCount> houses{};
    for (int h = 1; h <= HouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h - 1);
        houses[i] = {h, Meanings[i], FigureInHouseOrder(h)};
    }
    return houses;
}

} // namespace

const HouseInfo* HouseRecord(int h) {
    static const std::array<HouseInfo, HouseCount> houses = BuildHouses();
    if (h < 1 || h > HouseCount) {
        return nullptr;
    }
    return &houses[static_cast<std::size_t>(h - 1)];
}

} // namespace modSikidy
