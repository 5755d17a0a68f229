#include "casting/ReadingText.h"

#include "interpretation/modSikidy.h"

#include <QCoreApplication>

namespace {

// A text marked with QT_TRANSLATE_NOOP("Reading", ...), in the session's language.
QString Translated(const char* text) {
    return QCoreApplication::translate("Reading", text);
}

// The Merina names of houses 1 to 16; those of houses 5 to 7 are only probable.
constexpr std::array<const char*, HouseCount> MerinaNames{
    "Talé",      "Harena",     "Fahatelo", "Vohitra", "Zatovo", "Marina",
    "Vehivavy",  "Fahavalo",   "Fahasivy", "Masina",  "Nia",    "Andriamanitra",
    "Asorotany", "Mpanontany", "Lalana",   "Trano"};

bool Probable(int h) {
    return h >= 5 && h <= 7;
}

// What a repeat in house h says, where the diviners give the house a sense of its own.
const char* HouseSense(int h) {
    switch (h) {
    case 8:
        return QT_TRANSLATE_NOOP("Reading", "enemies");
    case 11:
        return QT_TRANSLATE_NOOP("Reading", "food");
    case 12:
        return QT_TRANSLATE_NOOP("Reading", "God");
    case 15:
        return QT_TRANSLATE_NOOP("Reading", "the road");
    case 16:
        return QT_TRANSLATE_NOOP("Reading", "the house");
    default:
        return nullptr;
    }
}

struct PairText {
    const char* name;
    const char* sense;
};
// The names and senses of NamedPairs, in its order.
constexpr std::array<PairText, PairCount> PairTexts{{
    {"Tsi-rongatra", QT_TRANSLATE_NOOP("Reading", "nothing will stir")},
    {"Mati-roa", QT_TRANSLATE_NOOP("Reading", "two deaths")},
    {"Vahoaka", QT_TRANSLATE_NOOP("Reading", "a crowd of people")},
    {"Tsindrilasy", QT_TRANSLATE_NOOP("Reading", "an enemy draws near")},
    {"Sampona", QT_TRANSLATE_NOOP("Reading", "obstacles in the way")},
    {"Fotoan-tsi-mihatra", QT_TRANSLATE_NOOP("Reading", "the appointed time will not be met")},
    {"Fehi-tsi-roso", QT_TRANSLATE_NOOP("Reading", "the soldiers will not march on")},
    {"Ravoakony",
     QT_TRANSLATE_NOOP("Reading", "a mouthful spat out (the source itself is unsure of this one)")},
}};

// What a figure standing alone in house h means, where the diviners say; empty otherwise.
QString AloneSense(int h, const QString& digits) {
    if (h == 16) {
        return digits == QLatin1String("2111")
                   ? QCoreApplication::translate("Reading", "a remedy against barrenness")
                   : QString();
    }
    if (h != 12) {
        return {};
    }
    if (digits == QLatin1String("2112")) {
        return QCoreApplication::translate(
            "Reading", "what is undertaken may be done seven times over and nothing will stand in "
                       "its way");
    }
    if (digits == QLatin1String("1221")) {
        return QCoreApplication::translate("Reading", "a charm that wards off gunshot");
    }
    if (digits == QLatin1String("2121")) {
        return QCoreApplication::translate("Reading", "a remedy taken from the seeds of a herb");
    }
    if (digits == QLatin1String("1212")) {
        return QCoreApplication::translate("Reading",
                                           "guilt, and for remedy six seeds thrown away");
    }
    if (digits == QLatin1String("2222")) {
        return QCoreApplication::translate("Reading", "a tree serves as the remedy");
    }
    if (digits == QLatin1String("1111")) {
        return QCoreApplication::translate("Reading", "a white hen and a tree serve as the remedy");
    }
    if (digits == QLatin1String("1122") || digits == QLatin1String("2211")) {
        return QCoreApplication::translate(
            "Reading",
            "a reed cut to the person's height and thrown away brings luck (said of 1122 "
            "or of 2211: the source does not say which)");
    }
    return {};
}

const Figure& HouseFigure(const std::array<Figure, HouseCount>& chart, int h) {
    return chart[static_cast<std::size_t>(h - 1)];
}

QString Number(int n) {
    return QString::number(n);
}

} // namespace

QString MerinaName(int h) {
    if (h < 1 || h > HouseCount) {
        return {};
    }
    const QString name = QString::fromUtf8(MerinaNames[static_cast<std::size_t>(h - 1)]);
    return Probable(h) ? name + u'?' : name;
}

QString FigureTitle(const Figure& figure) {
    const modSikidy::FigureInfo* info = modSikidy::FindFigure(
        modSikidy::IdentifyFigure(figure[0], figure[1], figure[2], figure[3]));
    return info ? QCoreApplication::translate("modSikidy", info->title).trimmed() : QString();
}

QString PrinceOrSlave(const Figure& figure) {
    //: A figure with an even number of seeds.
    return IsPrince(figure) ? QCoreApplication::translate("Reading", "prince")
                            //: A figure with an odd number of seeds.
                            : QCoreApplication::translate("Reading", "slave");
}

QString ColumnChoice(int column) {
    switch (column) {
    case 2:
        //: A choice of the question's column: the Malagasy name, then what it asks about.
        return QCoreApplication::translate("Reading", "Harena (property)");
    case 3:
        return QCoreApplication::translate("Reading", "Fahatelo (relations, inferred)");
    case 4:
        return QCoreApplication::translate("Reading", "Vohitra (the village or place)");
    default:
        return QCoreApplication::translate("Reading", "Talé (the person, and anything else)");
    }
}

QList<ReadingLine> ReadingLines(const std::array<Figure, HouseCount>& chart, int column) {
    const Reading reading = ReadChart(chart, column);
    QList<ReadingLine> lines;

    if (reading.sound) {
        lines.append({QStringLiteral("sound"),
                      {QStringLiteral("yes")},
                      //: %1 is the Merina name of house 12.
                      QCoreApplication::translate(
                          "Reading",
                          "House 12 (%1) holds a prince, a figure of an even number of seeds: the "
                          "tableau's sums are sound. Kelvora worked the tableau out itself, so "
                          "this always holds; it checks the arithmetic and is no omen.")
                          .arg(MerinaName(12))});
    } else {
        lines.append(
            {QStringLiteral("sound"),
             {QStringLiteral("no")},
             QCoreApplication::translate(
                 "Reading", "House 12 (%1) holds a slave, a figure of an odd number of seeds: the "
                            "tableau's sums are wrong, and a diviner would lay it again.")
                 .arg(MerinaName(12))});
    }

    for (int h : reading.repeats) {
        const char* sense = HouseSense(h);
        const QString meaning =
            sense ? Translated(sense)
                  //: %1 is what Kelvora's house catalogue says the house stands for.
                  : QCoreApplication::translate(
                        "Reading", "what Kelvora's house catalogue gives for it, \"%1\"")
                        .arg(QCoreApplication::translate("modSikidy",
                                                         modSikidy::HouseRecord(h)->meaning));
        lines.append(
            {QStringLiteral("repeat"),
             {Number(h)},
             //: %1 and %2 are a house's number and Merina name, %3 and %4 those of the
             //: question's column, %5 what the house stands for.
             QCoreApplication::translate(
                 "Reading", "House %1 (%2) holds the same figure as house %3 (%4), where the "
                            "question stands: if that bears on the question, it speaks through %5.")
                 .arg(Number(h), MerinaName(h), Number(reading.column), MerinaName(reading.column),
                      meaning)});
    }

    for (int i : reading.pairs) {
        const HousePair& pair = NamedPairs[static_cast<std::size_t>(i)];
        const PairText& text = PairTexts[static_cast<std::size_t>(i)];
        const QString name = QString::fromLatin1(text.name);
        lines.append({QStringLiteral("pair"),
                      {Number(pair.first), Number(pair.second), name},
                      //: %1 to %4 are two houses' numbers and Merina names, %5 the pair's
                      //: Malagasy name, %6 what it means.
                      QCoreApplication::translate(
                          "Reading", "Houses %1 (%2) and %3 (%4) hold the same figure: %5, %6.")
                          .arg(Number(pair.first), MerinaName(pair.first), Number(pair.second),
                               MerinaName(pair.second), name, Translated(text.sense))});
    }

    for (int h : reading.alone) {
        const Figure& figure = HouseFigure(chart, h);
        const QString digits = FigureDigits(figure);
        const QString sense = AloneSense(h, digits);
        const QString found =
            //: %1 and %2 are the house's number and Merina name, %3 and %4 its figure's digits
            //: and title.
            QCoreApplication::translate(
                "Reading",
                "House %1 (%2) holds %3 (%4), which no other house holds: it stands alone.")
                .arg(Number(h), MerinaName(h), digits, FigureTitle(figure));
        lines.append({QStringLiteral("alone"),
                      {Number(h)},
                      sense.isEmpty()
                          ? found
                          //: %1 is the sentence saying the figure stands alone, %2 its meaning.
                          : QCoreApplication::translate("Reading", "%1 Diviners read it as %2.")
                                .arg(found, sense)});
    }

    const QString lozabe = FigureDigits(reading.lozabe);
    lines.append(
        {QStringLiteral("lozabe"),
         {lozabe},
         //: %1 to %4 are two houses' numbers and Merina names, %5 and %6 a figure's
         //: digits and title.
         QCoreApplication::translate(
             "Reading", "Houses %1 (%2) and %3 (%4) added row by row give Lozabe, the great "
                        "calamity: %5 (%6).")
             .arg(Number(LozabeParents.first), MerinaName(LozabeParents.first),
                  Number(LozabeParents.second), MerinaName(LozabeParents.second), lozabe,
                  FigureTitle(reading.lozabe))});
    return lines;
}
