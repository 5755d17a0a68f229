#pragma once

#include "casting/Chart.h"

#include <QString>

namespace controls {
class RichTextBox;
} // namespace controls

// The interpretation of a chart: the sixteen figures, the sixteen houses, and the composer that
// writes one house's section into a rich-text box.
namespace modSikidy {

inline constexpr int FigureCount = 16;

// One figure of the catalogue. In English every text is shown exactly as stored, trailing blanks
// included; other languages show its translation, except the identifier and the Latin name.
struct FigureInfo {
    const char* identifier; // the name in capitals, the key of FindFigure; never shown
    Figure rows;            // row 1 (top) to row 4
    const char* europeanName;
    const char* title;
    const char* keyword;
    const char* category;
    const char* direction;
    const char* day;
    const char* element;
    const char* quality;
    const char* planet;
    const char* sign;
    const char* bodyPart;
    const char* shortSignificance;
    const char* longSignificance;
};

// One house as the interpretation describes it.
struct HouseInfo {
    int number; // 1..16
    const char* meaning;
    const FigureInfo* pairedFigure;
};

// The record at position i (0..15) of identification order, "VIA" first, "CAUDA DRACONIS" last.
const FigureInfo& FigureRecord(int i);

// The figure at position k (1..16) of house order, which is the figure paired with house k;
// nullptr for any other k.
const FigureInfo* FigureInHouseOrder(int k);

// The identifier of the figure with these four rows, row 1 the top row; the records are tested
// in identification order. Empty if a row is neither 1 nor 2.
QString IdentifyFigure(DotCount row1, DotCount row2, DotCount row3, DotCount row4);

// The first record, in identification order, whose identifier equals `identifier` exactly
// (case-sensitive); nullptr if there is none.
const FigureInfo* FindFigure(const QString& identifier);

// House h (1..16); nullptr for any other h.
const HouseInfo* HouseRecord(int h);

// Appends the section of house h to RTB at its caret: a yellow heading naming strHouseLabel,
// six lines about the house and its paired figure (strHouseFigureName first), then ten lines
// about the figure cast into the house, whose rows are row1 to row4. The house number is handed
// over by the interpretation pass, which knows it, rather than being parsed back out of the
// label. Sets bold, colour and size only: never the font face, the caret or the selection.
// Writes nothing if h is not a house or the rows name no figure.
void InterpretHouse(controls::RichTextBox& RTB, int h, const DotCount& row1, const DotCount& row2,
                    const DotCount& row3, const DotCount& row4);

} // namespace modSikidy
