#include "casting/TableauCheck.h"

#include <algorithm>

Mothers MothersOf(const WrittenTableau& written) {
    Mothers mothers{};
    for (std::size_t m = 0; m < 4; ++m) {
        std::copy(written[m].begin(), written[m].end(), mothers.begin() + 4 * m);
    }
    return mothers;
}

TableauFaults CheckTableau(const WrittenTableau& written) {
    const Mothers mothers = MothersOf(written);
    const auto at = [&](int h) -> const Figure& { return written[std::size_t(h - 1)]; };
    TableauFaults faults;
    // In the classic tableau every house after the mothers copies mother rows, so each is checked
    // against the mothers as written.
    const auto classic = ChartOf(mothers, Tableau::Classic);
    for (int h = 5; h <= HouseCount; ++h) {
        if (classic[std::size_t(h - 1)] != at(h)) {
            faults.classic.push_back({h, classic[std::size_t(h - 1)], at(h)});
        }
    }
    // In the diviners' one houses 5 to 8 read the mothers' rows, and each later house is the sum
    // of two houses as they are written.
    const auto diviners = ChartOf(mothers, Tableau::Diviners);
    std::array<std::optional<Figure>, HouseCount> expected{};
    for (int h = 5; h <= 8; ++h) {
        expected[std::size_t(h - 1)] = diviners[std::size_t(h - 1)];
    }
    for (const HouseSum& sum : DivinersOrder) {
        Figure figure{};
        for (std::size_t r = 0; r < 4; ++r) {
            figure[r] = AddRows(at(sum.left)[r], at(sum.right)[r]);
        }
        expected[std::size_t(sum.house - 1)] = figure;
    }
    for (int h = 5; h <= HouseCount; ++h) {
        const Figure& figure = *expected[std::size_t(h - 1)];
        if (figure != at(h)) {
            faults.diviners.push_back({h, figure, at(h)});
        }
    }
    return faults;
}

std::optional<Tableau> FollowedTableau(const TableauFaults& faults, Tableau chosen) {
    const bool classic = faults.classic.empty();
    const bool diviners = faults.diviners.empty();
    if (classic && diviners) {
        return chosen;
    }
    if (classic) {
        return Tableau::Classic;
    }
    if (diviners) {
        return Tableau::Diviners;
    }
    return std::nullopt;
}
