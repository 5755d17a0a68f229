#include "interpretation/modSikidy.h"

#include <QtGlobal>

#include <array>

namespace modSikidy {

namespace {

// What each house stands for, house 1 first. Houses 14 and 15 share "Voyages"; house 4's
// meaning has a blank after the slash only. Translated where they are shown.
constexpr std::array<const char*, HouseCount> Meanings{
    QT_TRANSLATE_NOOP("modSikidy", "Ascendant"),
    QT_TRANSLATE_NOOP("modSikidy", "Prosperity, Object in Question"),
    QT_TRANSLATE_NOOP("modSikidy", "Brother of Querent"),
    QT_TRANSLATE_NOOP("modSikidy", "Land/ Place of Dwelling"),
    QT_TRANSLATE_NOOP("modSikidy", "Children"),
    QT_TRANSLATE_NOOP("modSikidy", "Servants"),
    QT_TRANSLATE_NOOP("modSikidy", "Spouse"),
    QT_TRANSLATE_NOOP("modSikidy", "Enemies"),
    QT_TRANSLATE_NOOP("modSikidy", "Spirits"),
    QT_TRANSLATE_NOOP("modSikidy", "Benefactor"),
    QT_TRANSLATE_NOOP("modSikidy", "Food"),
    QT_TRANSLATE_NOOP("modSikidy", "The Creator"),
    QT_TRANSLATE_NOOP("modSikidy", "The Old Chiefs"),
    QT_TRANSLATE_NOOP("modSikidy", "Voyages"),
    QT_TRANSLATE_NOOP("modSikidy", "Voyages"),
    QT_TRANSLATE_NOOP("modSikidy", "The house and its members"),
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
