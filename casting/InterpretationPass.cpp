#include "casting/InterpretationPass.h"

#include "casting/Chart.h"
#include "controls/RichTextBox.h"
#include "interpretation/modSikidy.h"

#include <QCoreApplication>
#include <QScopeGuard>

void InterpretationPass(controls::RichTextBox& RTB) {
    // Sixteen sections overflow the panel: with its scroll bar shown before the text goes in, the
    // box lays the text out once, at its final width, rather than a second time when the bar
    // appears. The policy goes back afterwards; the bar stays because the text needs it.
    const Qt::ScrollBarPolicy policy = RTB.verticalScrollBarPolicy();
    if (policy == Qt::ScrollBarAsNeeded) {
        RTB.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    const auto restorePolicy = qScopeGuard([&] { RTB.setVerticalScrollBarPolicy(policy); });
    {
        // One edit block: the box lays the sixteen sections out once, not once per insertion.
        const controls::RichTextBox::EditBlock block(RTB);
        for (int h = 1; h <= HouseCount; ++h) {
            const House& house = HouseEntry(h);
            strHouseLabel = QCoreApplication::translate("Chart", house.label);
            strHouseFigureName = QLatin1String(house.figureName);
            const std::array<int, 4>& cells = HouseFigure(h);
            const auto row = [&cells](int r) -> const DotCount& {
                return intCells.at(static_cast<std::size_t>(cells[static_cast<std::size_t>(r)]));
            };
            modSikidy::InterpretHouse(RTB, h, row(0), row(1), row(2), row(3));
        }
    }
}
