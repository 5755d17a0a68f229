#include "casting/Chart.h"

#include <QtGlobal>

#include <cassert>

Tableau chartTableau = Tableau::Classic;
std::vector<DotCount> intCells;
std::int16_t intPressCount = 0;
QString strHouseLabel;
QString strHouseFigureName;

namespace {

// Houses 5 to 8 read the mothers' rows from Mother 4 back to Mother 1, so they always carry the
// same figures as Daughters 5 to 8 (houses 13 to 16). House 10's name has two blanks before
// "Betsimisay". The labels are translated where they are used; the names never are.
constexpr std::array<House, HouseCount> Houses{{
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Tale", QT_TRANSLATE_NOOP("Chart", "House 1(Tale)"), "Taraiky", {0, 1, 2, 3}},
    {"Mahamay",
     //: %1 of the heading "Characteristics Of %1", written to follow its words.
     QT_TRANSLATE_NOOP("Chart", "House 2(Mahamay)"),
     "Asambola / Asombola",
     {4, 5, 6, 7}},
    {"Fahatelo",
     //: %1 of the heading "Characteristics Of %1", written to follow its words.
     QT_TRANSLATE_NOOP("Chart", "House 3(Fahatelo)"),
     "Adabara / Adabaraha",
     {8, 9, 10, 11}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Bilady", QT_TRANSLATE_NOOP("Chart", "House 4(Bilady)"), "Alahasady", {12, 13, 14, 15}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Fianahana", QT_TRANSLATE_NOOP("Chart", "House 5(Fianahana)"), "Alohotsy", {12, 8, 4, 0}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Abily", QT_TRANSLATE_NOOP("Chart", "House 6(Abily)"), "Adalo", {13, 9, 5, 1}},
    {"Alisay",
     //: %1 of the heading "Characteristics Of %1", written to follow its words.
     QT_TRANSLATE_NOOP("Chart", "House 7(Alisay)"),
     "Alotsimay / Alatsimay",
     {14, 10, 6, 2}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Fahavalo", QT_TRANSLATE_NOOP("Chart", "House 8(Fahavalo)"), "Alokola", {15, 11, 7, 3}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Fahasivy", QT_TRANSLATE_NOOP("Chart", "House 9(Fahasivy)"), "Alahijana", {16, 17, 18, 19}},
    {"Ombiasy",
     //: %1 of the heading "Characteristics Of %1", written to follow its words.
     QT_TRANSLATE_NOOP("Chart", "House 10(Ombiasy)"),
     "Betsivongo / Alisay /  Betsimisay / Alikasajy",
     {20, 21, 22, 23}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Haja", QT_TRANSLATE_NOOP("Chart", "House 11(Haja)"), "Alakarabo", {24, 25, 26, 27}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Haky", QT_TRANSLATE_NOOP("Chart", "House 12(Haky)"), "Alikisy", {28, 29, 30, 31}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Asorita", QT_TRANSLATE_NOOP("Chart", "House 13(Asorita)"), "Alabiavo", {32, 33, 34, 35}},
    {"Saily",
     //: %1 of the heading "Characteristics Of %1", written to follow its words.
     QT_TRANSLATE_NOOP("Chart", "House 14(Saily)"),
     "Alohamora / Alaimora / Alahamora",
     {36, 37, 38, 39}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Safary", QT_TRANSLATE_NOOP("Chart", "House 15(Safary)"), "Alakaosy", {40, 41, 42, 43}},
    //: %1 of the heading "Characteristics Of %1", written to follow its words.
    {"Kiba", QT_TRANSLATE_NOOP("Chart", "House 16(Kiba)"), "Karija", {44, 45, 46, 47}},
}};

} // namespace

void StoreCell(int c, DotCount value) {
    assert(c >= 0 && c < CellCount && !CellExists(c));
    assert(value == 1 || value == 2);
    const auto cell = static_cast<std::size_t>(c);
    if (cell >= intCells.size()) {
        intCells.resize(cell + 1, 0);
    }
    intCells[cell] = value;
}

bool CellExists(int c) {
    const auto cell = static_cast<std::size_t>(c);
    return cell < intCells.size() && intCells[cell] != 0;
}

void ForgetCell(int c) {
    if (CellExists(c)) {
        intCells[static_cast<std::size_t>(c)] = 0;
    }
    while (!intCells.empty() && intCells.back() == 0) {
        intCells.pop_back();
    }
}

void ClearCells() {
    intCells.clear();
}

Figure SlotFigure(int k) {
    const auto first = static_cast<std::size_t>(4 * k);
    return {intCells.at(first), intCells.at(first + 1), intCells.at(first + 2),
            intCells.at(first + 3)};
}

const House& HouseEntry(int h) {
    return Houses.at(static_cast<std::size_t>(h - 1));
}

const std::array<int, 4>& HouseFigure(int h) {
    return HouseFigure(h, chartTableau);
}

const std::array<int, 4>& HouseFigure(int h, Tableau tableau) {
    // Diviners read the mother rows from their right end, where Mother 1 stands.
    static constexpr std::array<std::array<int, 4>, 4> DivinersRows{
        {{0, 4, 8, 12}, {1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}}};
    if (tableau == Tableau::Diviners && h >= 5 && h <= 8) {
        return DivinersRows.at(static_cast<std::size_t>(h - 5));
    }
    return HouseEntry(h).cells;
}
