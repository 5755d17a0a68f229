#include "interpretation/modSikidy.h"

#include "controls/RichTextBox.h"

#include <QColor>
#include <QCoreApplication>

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

// A text of the catalogues or the composer in the session's language.
QString Tr(const char* text) {
    return QCoreApplication::translate("modSikidy", text);
}

// One line of a section: the label in bold white, the value in light grey, then a blank line.
void WriteLine(controls::RichTextBox& RTB, const QString& label, const QString& value) {
    RTB.SelBold(true);
    RTB.SelColor(LabelColor);
    RTB.SelText(label);
    RTB.SelBold(false);
    RTB.SelColor(ValueColor);
    RTB.SelText(Paragraph(value));
}

void WriteLine(controls::RichTextBox& RTB, const QString& label, const char* value) {
    WriteLine(RTB, label, Tr(value));
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
    RTB.SelText(Paragraph(
        //: Heading of a house's section. %1 is the house's label (context Chart), such as
        //: "House 1(Tale)", translated to follow these words: in French "Caractéristiques de
        //: la %1" with the label "maison 1 (Tale)". Tale, the house's name, stays as it is.
        QCoreApplication::translate("modSikidy", "Characteristics Of %1").arg(strHouseLabel)));

    // The house and the figure paired with it.
    //: A line's label, ending in a blank, then the Malagasy name of the figure paired with the
    //: house.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Geomantic Figure Name :- "),
              strHouseFigureName);
    //: A line's label, ending in a blank, then the house's meaning.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Keywords :- "), house->meaning);
    //: A line's label, ending in a blank, then the paired figure's Latin name.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "European Name :- "),
              QString::fromLatin1(paired.europeanName));
    //: A line's label, ending in a blank, then the paired figure's category, such as "Mpanjaka
    //: (Princes)".
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Category :- "), paired.category);
    //: A line's label, ending in a blank, then a figure's direction, such as South.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Direction :- "), paired.direction);
    //: A line's label, ending in a blank, then a sentence on the paired figure.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Significance :- "),
              paired.shortSignificance);

    // The figure cast into the house.
    //: A line's label, ending in a blank, then the title of the figure cast into the house.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Sikidy Figure Name :- "), cast->title);
    //: A line's label, ending in a blank, then the cast figure's keyword.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Keyword :- "), cast->keyword);
    //: A line's label, ending in a blank, then a day of the week.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Day :- "), cast->day);
    //: A line's label, ending in a blank, then an element, such as Water.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Element :- "),
              cast->element);
    //: A line's label, ending in a blank, then Mobile or Stable.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Quality :- "),
              cast->quality);
    //: A line's label, ending in a blank, then a planet or a node of the Moon.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Planet :- "), cast->planet);
    //: A line's label, ending in a blank, then a sign of the zodiac, or None.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Sign :- "), cast->sign);
    //: A line's label, ending in a blank, then a part of the body.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Associated Body Part :- "),
              cast->bodyPart);
    //: A line's label, ending in a blank, then a figure's direction, such as South.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Direction :- "), cast->direction);
    //: A line's label, ending in a blank, then a few sentences on the cast figure.
    WriteLine(RTB, QCoreApplication::translate("modSikidy", "Significance Of Geomancy :- "),
              cast->longSignificance);
}

} // namespace modSikidy
