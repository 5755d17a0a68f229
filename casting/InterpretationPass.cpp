#include "casting/InterpretationPass.h"

#include "casting/Chart.h"
#include "interpretation/modSikidy.h"
#include "platform/RichTextBox.h"

void InterpretationPass(platform::RichTextBox& RTB) {
    // One edit block: the box lays the sixteen sections out once, not once per insertion.
    const platform::RichTextBox::EditBlock block(RTB);
    for (int h = 1; h <= HouseCount; ++h) {
        const House& house = HouseEntry(h);
        strHouseLabel = QLatin1String(house.label);
        strHouseFigureName = QLatin1String(house.figureName);
        const auto row = [&house](int r) -> const DotCount& {
            return intCells.at(static_cast<std::size_t>(house.cells[static_cast<std::size_t>(r)]));
        };
        // A house that cannot be written is skipped; the next one still is.
        try {
            modSikidy::InterpretHouse(RTB, h, row(0), row(1), row(2), row(3));
        } catch (...) {
        }
    }
}
