#include "interpretation/modSikidy.h"

#include "controls/RichTextBox.h"

#include <QColor>

namespace modSikidy {

QString IdentifyFigure(DotCount row1, DotCount row2, DotCount row3, DotCount row4) {
    const Figure rows{row1, row2, row3, row4};
    for (int i = 0; i < FigureCount; ++i) {
        const FigureInfo& figure = FigureRecord(i);
        if (figure.rows == rows) {
            return QLatin1String(figure.identifier);
        }
    }
    return QString();
}

const FigureInfo* FindFigure(const QString& identifier) {
    for (int i = 0; i < FigureCount; ++i) {
        const FigureInfo& figure = FigureRecord(i);
        if (identifier == QLatin1String(figure.identifier)) {
            return &figure;
        }
    }
    return nullptr;
}

namespace {

const QColor HeadingColor{255, 255, 0};
const QColor LabelColor{255, 255, 255};
const QColor ValueColor{192, 192, 192};
constexpr double SectionPoints = 11;

QString Paragraph(const QString& text) {
    return text + QLatin1String("\r\n\r\n");
}

// One line of a section: the label in bold white, the value in light grey, then a blank line.
void WriteLine(controls::RichTextBox& RTB, const char* label, const QString& value) {
    RTB.SelBold(true);
    RTB.SelColor(LabelColor);
    RTB.SelText(QLatin1String(label));
    RTB.SelBold(false);
    RTB.SelColor(ValueColor);
    RTB.SelText(Paragraph(value));
}

void WriteLine(controls::RichTextBox& RTB, const char* label, const char* value) {
    WriteLine(RTB, label, QString(QLatin1String(value)));
}

} // namespace

void InterpretHouse(controls::RichTextBox& RTB, int h, const DotCount& row1, const DotCount& row2,
                    const DotCount& row3, const DotCount& row4) {
    const FigureInfo* cast = FindFigure(IdentifyFigure(row1, row2, row3, row4));
    const HouseInfo* house = HouseRecord(h);
    if (!cast || !house) {
        return;
    }
    const FigureInfo& paired = *house->pairedFigure;

    RTB.SelBold(true);
    RTB.SelColor(HeadingColor);
    RTB.SelFontSize(SectionPoints);
    RTB.SelText(Paragraph(QLatin1String("Characteristics Of ") + strHouseLabel));

    // The house and the figure paired with it.
    WriteLine(RTB, "Geomantic Figure Name :- ", strHouseFigureName);
    WriteLine(RTB, "Keywords :- ", house->meaning);
    WriteLine(RTB, "European Name :- ", paired.europeanName);
    WriteLine(RTB, "Category :- ", paired.category);
    WriteLine(RTB, "Direction :- ", paired.direction);
    WriteLine(RTB, "Significance :- ", paired.shortSignificance);

    // The figure cast into the house.
    WriteLine(RTB, "Sikidy Figure Name :- ", cast->title);
    WriteLine(RTB, "Keyword :- ", cast->keyword);
    WriteLine(RTB, "Associated Day :- ", cast->day);
    WriteLine(RTB, "Associated Element :- ", cast->element);
    WriteLine(RTB, "Associated Quality :- ", cast->quality);
    WriteLine(RTB, "Associated Planet :- ", cast->planet);
    WriteLine(RTB, "Associated Sign :- ", cast->sign);
    WriteLine(RTB, "Associated Body Part :- ", cast->bodyPart);
    WriteLine(RTB, "Direction :- ", cast->direction);
    WriteLine(RTB, "Significance Of Geomancy :- ", cast->longSignificance);
}

} // namespace modSikidy
