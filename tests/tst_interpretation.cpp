// The interpretation: the figure and house catalogues, the composer InterpretHouse, and the
// interpretation press in the real main window.
#include "interpretation/modSikidy.h"
#include "platform/Random.h"
#include "tests/CastingWindow.h"
#include "tests/ChartSupport.h"
#include "tests/TestMain.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

using namespace modSikidy;

namespace {

const QString CrLf2 = QStringLiteral("\r\n\r\n");

// The line labels of a section, in order.
const char* const Labels[16] = {"Geomantic Figure Name :- ",
                                "Keywords :- ",
                                "European Name :- ",
                                "Category :- ",
                                "Direction :- ",
                                "Significance :- ",
                                "Sikidy Figure Name :- ",
                                "Keyword :- ",
                                "Associated Day :- ",
                                "Associated Element :- ",
                                "Associated Quality :- ",
                                "Associated Planet :- ",
                                "Associated Sign :- ",
                                "Associated Body Part :- ",
                                "Direction :- ",
                                "Significance Of Geomancy :- "};

// The sixteen figures: rows 1 to 4, identifier and title.
const struct {
    Figure rows;
    const char* identifier;
    const char* title;
} Figures[16] = {
    {{1, 1, 1, 1}, "VIA", "Via - The Way"},
    {{2, 2, 2, 2}, "POPULUS", "Populus  The People"},
    {{2, 1, 1, 2}, "CONJUNCTIO", "Conjunctio - Union"},
    {{1, 2, 2, 1}, "CARCER", "Carcer - Prison"},
    {{2, 2, 1, 1}, "FORTUNA MAJOR", "Fortuna Major - Greater Fortune"},
    {{1, 1, 2, 2}, "FORTUNA MINOR", "Fortuna Minor - The Lesser Fortune"},
    {{2, 1, 2, 1}, "ACQUISITIO", "Acquisitio - Gain"},
    {{1, 2, 1, 2}, "AMISSIO", "Amissio - Loss"},
    {{1, 2, 2, 2}, "LAETITIA", "Laetitia - Joy"},
    {{2, 2, 2, 1}, "TRISTITIA", "Tristitia - Sadness"},
    {{2, 2, 1, 2}, "ALBUS", "Albus - White"},
    {{2, 1, 2, 2}, "RUBEUS", "Rubeus - Red"},
    {{1, 2, 1, 1}, "PUELLA", "Puella - Girl"},
    {{1, 1, 2, 1}, "PUER", "Puer - Boy"},
    {{2, 1, 1, 1}, "CAPUT DRACONIS", "Caput Draconis - Dragon's Head"},
    {{1, 1, 1, 2}, "CAUDA DRACONIS", "Cauda Draconis - Dragon's Tail"},
};

// Houses 1 to 16: the report label and paired figure name the pass hands over, the meaning and
// the identifier of the paired figure.
const char* const Houses[16][4] = {
    {"House 1(Tale)", "Taraiky", "Ascendant", "VIA"},
    {"House 2(Mahamay)", "Asambola / Asombola", "Prosperity, Object in Question", "POPULUS"},
    {"House 3(Fahatelo)", "Adabara / Adabaraha", "Brother of Querent", "FORTUNA MAJOR"},
    {"House 4(Bilady)", "Alahasady", "Land/ Place of Dwelling", "FORTUNA MINOR"},
    {"House 5(Fianahana)", "Alohotsy", "Children", "ACQUISITIO"},
    {"House 6(Abily)", "Adalo", "Servants", "AMISSIO"},
    {"House 7(Alisay)", "Alotsimay / Alatsimay", "Spouse", "CONJUNCTIO"},
    {"House 8(Fahavalo)", "Alokola", "Enemies", "CARCER"},
    {"House 9(Fahasivy)", "Alahijana", "Spirits", "LAETITIA"},
    {"House 10(Ombiasy)", "Betsivongo / Alisay /  Betsimisay / Alikasajy", "Benefactor",
     "TRISTITIA"},
    {"House 11(Haja)", "Alakarabo", "Food", "PUER"},
    {"House 12(Haky)", "Alikisy", "The Creator", "PUELLA"},
    {"House 13(Asorita)", "Alabiavo", "The Old Chiefs", "RUBEUS"},
    {"House 14(Saily)", "Alohamora / Alaimora / Alahamora", "Voyages", "ALBUS"},
    {"House 15(Safary)", "Alakaosy", "Voyages", "CAPUT DRACONIS"},
    {"House 16(Kiba)", "Karija", "The house and its members", "CAUDA DRACONIS"},
};

QString TitleOf(const Figure& rows) {
    for (const auto& figure : Figures) {
        if (figure.rows == rows) {
            return QLatin1String(figure.title);
        }
    }
    return QString();
}

// Identification index of a record, -1 for none.
int IndexOf(const FigureInfo* figure) {
    for (int i = 0; i < FigureCount; ++i) {
        if (figure == &FigureRecord(i)) {
            return i;
        }
    }
    return -1;
}

// The section of house h for a cast figure, composed alone into a fresh box.
QString Section(int h, const Figure& rows) {
    strHouseLabel = QLatin1String(Houses[h - 1][0]);
    strHouseFigureName = QLatin1String(Houses[h - 1][1]);
    controls::RichTextBox box;
    InterpretHouse(box, h, rows[0], rows[1], rows[2], rows[3]);
    return box.Text();
}

// A section's heading and its sixteen lines, as plain text without the line breaks.
QStringList Entries(const QString& section) {
    QStringList entries = section.split(CrLf2);
    if (!entries.isEmpty() && entries.last().isEmpty()) {
        entries.removeLast();
    }
    return entries;
}

// The box's text cut into its sections, each starting at its heading.
QStringList Sections(const QString& text) {
    const QString heading = QStringLiteral("Characteristics Of ");
    QStringList sections;
    for (qsizetype at = text.indexOf(heading); at >= 0;) {
        const qsizetype next = text.indexOf(heading, at + 1);
        sections << text.mid(at, next < 0 ? -1 : next - at);
        at = next;
    }
    return sections;
}

// The box after an interpretation press: sixteen sections in house order, one after another,
// each with the house's heading and paired figure name and the title of the figure in it.
void VerifyInterpretation(const QString& text, const std::function<Figure(int)>& rowsOf) {
    const QStringList sections = Sections(text);
    QCOMPARE(sections.size(), 16);
    QCOMPARE(sections.join(QString()), text);
    for (int h = 1; h <= HouseCount; ++h) {
        const QStringList entries = Entries(sections[h - 1]);
        QCOMPARE(entries.size(), 17);
        QCOMPARE(entries[0], QStringLiteral("Characteristics Of ") + Houses[h - 1][0]);
        for (int line = 1; line <= 16; ++line) {
            QVERIFY(entries[line].startsWith(QLatin1String(Labels[line - 1])));
        }
        QCOMPARE(entries[1], QLatin1String(Labels[0]) + Houses[h - 1][1]);
        QCOMPARE(entries[7], QLatin1String(Labels[6]) + TitleOf(rowsOf(h)));
    }
}

} // namespace

class TestInterpretation : public QObject {
    Q_OBJECT

public:
    static void initMain() { testsupport::InitMain(); }

private slots:
    // --- Figure catalogue ---------------------------------------------------------------------

    // Each of the sixteen row patterns names the figure the table above gives it.
    void identifyFigure_data() {
        QTest::addColumn<Figure>("rows");
        QTest::addColumn<QString>("identifier");
        for (const auto& figure : Figures) {
            QTest::newRow(figure.identifier) << figure.rows << figure.identifier;
        }
        QTest::newRow("row of 3") << Figure{1, 3, 1, 1} << QString();
        QTest::newRow("row of 0") << Figure{0, 1, 1, 1} << QString();
    }
    void identifyFigure() {
        QFETCH(Figure, rows);
        QFETCH(QString, identifier);
        QCOMPARE(IdentifyFigure(rows[0], rows[1], rows[2], rows[3]), identifier);
    }

    void findFigure_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("index");
        QTest::newRow("VIA") << "VIA" << 0;
        QTest::newRow("Via") << "Via" << -1;
        QTest::newRow("via") << "via" << -1;
        QTest::newRow("FORTUNA MAJOR") << "FORTUNA MAJOR" << 4;
        QTest::newRow("Fortuna Major") << "Fortuna Major" << -1;
        QTest::newRow("two blanks") << "FORTUNA  MAJOR" << -1;
        QTest::newRow("trailing blank") << "VIA " << -1;
        QTest::newRow("prefix") << "CAUDA" << -1;
        QTest::newRow("last") << "CAUDA DRACONIS" << 15;
        QTest::newRow("empty") << "" << -1;
    }
    void findFigure() {
        QFETCH(QString, identifier);
        QFETCH(int, index);
        QCOMPARE(IndexOf(FindFigure(identifier)), index);
    }

    void figureRecordsHangTogether() {
        int longStartsWithShort = 0;
        QStringList separateWordings;
        for (int i = 0; i < FigureCount; ++i) {
            const FigureInfo& f = FigureRecord(i);
            const QString id = QLatin1String(f.identifier);
            // The European name is the identifier in mixed case.
            QStringList words = id.toLower().split(u' ');
            for (QString& word : words) {
                word[0] = word[0].toUpper();
            }
            QCOMPARE(QLatin1String(f.europeanName), words.join(u' '));
            // The title is the European name, " - " and the meaning (POPULUS: two blanks).
            const QString separator =
                id == u"POPULUS" ? QStringLiteral("  ") : QStringLiteral(" - ");
            QVERIFY2(QLatin1String(f.title).startsWith(f.europeanName + separator), f.title);
            // The category follows the figure's place in house order.
            int house = 1;
            while (FigureInHouseOrder(house) != &f) {
                QVERIFY(++house <= HouseCount);
            }
            QCOMPARE(QLatin1String(f.category), house <= 8 ? QLatin1String("Mpanjaka (Princes)")
                                                           : QLatin1String("Andevo (Slaves)"));
            if (QLatin1String(f.longSignificance).startsWith(QLatin1String(f.shortSignificance))) {
                ++longStartsWithShort;
            } else {
                separateWordings << id;
            }
        }
        QCOMPARE(longStartsWithShort, 11);
        QCOMPARE(separateWordings,
                 QStringList({"VIA", "POPULUS", "ALBUS", "RUBEUS", "CAPUT DRACONIS"}));
        QCOMPARE(FigureInHouseOrder(0), nullptr);
        QCOMPARE(FigureInHouseOrder(17), nullptr);
    }

    void blanksOnlyWhereTheyBelong() {
        // A stray blank is invisible on screen but lands in every saved report.
        QStringList trailing;
        for (int i = 0; i < FigureCount; ++i) {
            const FigureInfo& f = FigureRecord(i);
            for (const char* text : {f.identifier, f.europeanName, f.title, f.keyword, f.category,
                                     f.direction, f.day, f.element, f.quality, f.planet, f.sign,
                                     f.bodyPart, f.shortSignificance, f.longSignificance}) {
                const QString s = QLatin1String(text);
                QVERIFY2(!s.isEmpty() && !s.startsWith(u' '), text);
                QVERIFY2(!s.contains(QLatin1String("  ")) || s == u"Populus  The People", text);
                if (s.endsWith(u' ')) {
                    trailing << s;
                }
            }
        }
        QCOMPARE(trailing,
                 QStringList(
                     {"You may hear some bad news. You may suffer from heartbreak. ", "Mobile "}));
        QCOMPARE(QLatin1String(FindFigure("RUBEUS")->quality), QLatin1String("Mobile "));
        QCOMPARE(QLatin1String(FindFigure("TRISTITIA")->keyword), QLatin1String("Lonliness"));
        QCOMPARE(QLatin1String(FindFigure("RUBEUS")->bodyPart),
                 QLatin1String("Reproductivity System"));
    }

    // --- House catalogue ----------------------------------------------------------------------

    void houses_data() {
        QTest::addColumn<int>("house");
        for (int h = 1; h <= HouseCount; ++h) {
            QTest::addRow("%d", h) << h;
        }
    }
    void houses() {
        QFETCH(int, house);
        const HouseInfo* record = HouseRecord(house);
        QVERIFY(record && record->pairedFigure);
        QCOMPARE(record->number, house);
        QCOMPARE(QLatin1String(record->meaning), QLatin1String(Houses[house - 1][2]));
        QCOMPARE(QLatin1String(record->pairedFigure->identifier),
                 QLatin1String(Houses[house - 1][3]));
    }

    void houseCatalogueHangsTogether() {
        std::set<QString> meanings;
        std::set<const FigureInfo*> paired;
        for (int h = 1; h <= HouseCount; ++h) {
            meanings.insert(QLatin1String(HouseRecord(h)->meaning));
            paired.insert(HouseRecord(h)->pairedFigure);
        }
        QCOMPARE(int(meanings.size()), 15); // only "Voyages" repeats
        QCOMPARE(int(paired.size()), 16);
        QCOMPARE(HouseRecord(0), nullptr);
        QCOMPARE(HouseRecord(17), nullptr);
    }

    // --- Composer -----------------------------------------------------------------------------

    void house8Example() {
        const QString expected = QStringLiteral(
            "Characteristics Of House 8(Fahavalo)\r\n\r\n"
            "Geomantic Figure Name :- Alokola\r\n\r\n"
            "Keywords :- Enemies\r\n\r\n"
            "European Name :- Carcer\r\n\r\n"
            "Category :- Mpanjaka (Princes)\r\n\r\n"
            "Direction :- West\r\n\r\n"
            "Significance :- This signifies a comfortable house and food to eat. You will be "
            "protected from vagabonds.\r\n\r\n"
            "Sikidy Figure Name :- Conjunctio - Union\r\n\r\n"
            "Keyword :- Interaction\r\n\r\n"
            "Associated Day :- Wednesday\r\n\r\n"
            "Associated Element :- Earth\r\n\r\n"
            "Associated Quality :- Mobile\r\n\r\n"
            "Associated Planet :- Mercury\r\n\r\n"
            "Associated Sign :- Virgo\r\n\r\n"
            "Associated Body Part :- Intestines\r\n\r\n"
            "Direction :- East\r\n\r\n"
            "Significance Of Geomancy :- There may be some heavy weight of problems on your "
            "head. You will be protected from enemies and thieves. You will be successful in "
            "relationships, partnerships or new ventures.\r\n\r\n");
        QCOMPARE(Section(8, {2, 1, 1, 2}), expected);
    }

    void castFigureLines_data() {
        QTest::addColumn<Figure>("rows");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("significance");
        QTest::newRow("VIA") << Figure{1, 1, 1, 1}
                             << QStringList{"Via - The Way", "Change", "Monday",  "Water", "Mobile",
                                            "Moon",          "Cancer", "Stomach", "South"}
                             << "This figure signifies some kind of action and forward motion. "
                                "You may also face loneliness. This is only favorable for travel.";
        QTest::newRow("RUBEUS") << Figure{2, 1, 2, 2}
                                << QStringList{"Rubeus - Red", "Passion",
                                               "Tuesday",      "Water",
                                               "Mobile ",      "Mars",
                                               "Scorpio",      "Reproductivity System",
                                               "North"}
                                << "There may be a lot of passion and violence involved. Hear "
                                   "what your inner voice has to tell you. Find the good in the "
                                   "bad.";
    }
    void castFigureLines() {
        QFETCH(Figure, rows);
        QFETCH(QStringList, values);
        QFETCH(QString, significance);
        values << significance;
        const QStringList entries = Entries(Section(3, rows));
        QCOMPARE(entries.size(), 17);
        for (int line = 7; line <= 16; ++line) {
            QCOMPARE(entries[line], QLatin1String(Labels[line - 1]) + values[line - 7]);
        }
    }

    void firstBlockDependsOnlyOnHouse() {
        const QStringList a = Entries(Section(2, {1, 1, 1, 1}));
        const QStringList b = Entries(Section(2, {2, 1, 2, 1}));
        const QStringList expected{"Characteristics Of House 2(Mahamay)",
                                   "Geomantic Figure Name :- Asambola / Asombola",
                                   "Keywords :- Prosperity, Object in Question",
                                   "European Name :- Populus",
                                   "Category :- Mpanjaka (Princes)",
                                   "Direction :- South",
                                   "Significance :- This figure stands for abundance."};
        QCOMPARE(a.mid(0, 7), expected);
        QCOMPARE(b.mid(0, 7), expected);
        QVERIFY(a.mid(7) != b.mid(7));
    }

    void colourWeightAndSize() {
        strHouseLabel = QStringLiteral("House 1(Tale)");
        strHouseFigureName = QStringLiteral("Taraiky");
        controls::RichTextBox box;
        const QFont face = box.document()->defaultFont();
        InterpretHouse(box, 1, 1, 2, 2, 1);

        const auto check = [](const QTextCharFormat& format, const QColor& colour, bool bold) {
            QCOMPARE(format.foreground().color(), colour);
            QCOMPARE(format.fontWeight(), bold ? int(QFont::Bold) : int(QFont::Normal));
            QCOMPARE(format.fontPointSize(), 11.0);
            QVERIFY(!format.hasProperty(QTextFormat::FontFamilies));
        };
        int lines = 0;
        bool heading = true;
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
            QList<QTextFragment> fragments;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                fragments << it.fragment();
            }
            if (block.text().isEmpty()) {
                continue;
            }
            if (heading) {
                QCOMPARE(fragments.size(), 1);
                check(fragments[0].charFormat(), QColor(255, 255, 0), true);
                heading = false;
                continue;
            }
            QCOMPARE(fragments.size(), 2);
            QCOMPARE(fragments[0].text(), QLatin1String(Labels[lines]));
            check(fragments[0].charFormat(), QColor(255, 255, 255), true);
            check(fragments[1].charFormat(), QColor(192, 192, 192), false);
            ++lines;
        }
        QCOMPARE(lines, 16);
        QCOMPARE(box.document()->defaultFont(), face);
    }

    void writesAtTheCaret() {
        // The composer neither moves the caret nor clears: text before and after it stays, and
        // the caret ends behind the section.
        const QString section = Section(1, {1, 1, 1, 1});
        controls::RichTextBox box;
        box.SelText(QStringLiteral("A\r\nB"));
        QTextCursor caret = box.textCursor();
        caret.setPosition(1);
        box.setTextCursor(caret);
        InterpretHouse(box, 1, 1, 1, 1, 1);
        box.SelText(QStringLiteral("|"));
        QCOMPARE(box.Text(), QStringLiteral("A") + section + QStringLiteral("|\r\nB"));
    }

    void nothingForAnUnknownHouseOrFigure() {
        controls::RichTextBox box;
        InterpretHouse(box, 0, 1, 1, 1, 1);
        InterpretHouse(box, 17, 1, 1, 1, 1);
        InterpretHouse(box, 1, 1, 1, 3, 1);
        QCOMPARE(box.Text(), QString());
    }

    // --- The interpretation press in the main window -----------------------------------------

    void init() {
        ClearCells();
        intPressCount = 0;
        strHouseLabel.clear();
        strHouseFigureName.clear();
    }

    void interpretationPress() {
        platform::ScriptedDraws draws(
            [](int i) { return (0x9E3779B9u >> (i % 32)) & 1u ? 0.75f : 0.0f; });
        testsupport::CastingWindow casting;
        casting.Press(12);
        QCOMPARE(casting.RTB->Text(), QString());
        const std::vector<DotCount> before = intCells;
        casting.Press();
        QCOMPARE(intCells, before);

        // Each house's section names the figure that stands in the house.
        const QString text = casting.RTB->Text();
        VerifyInterpretation(text, HouseRows);
        if (QTest::currentTestFailed()) {
            return;
        }
        const QStringList sections = Sections(text);
        QCOMPARE(strHouseLabel, QStringLiteral("House 16(Kiba)"));
        QCOMPARE(strHouseFigureName, QStringLiteral("Karija"));

        // Houses 5-8 carry the figures of houses 13-16; only the house lines differ.
        for (int h = 5; h <= 8; ++h) {
            const QStringList low = Entries(sections[h - 1]);
            const QStringList high = Entries(sections[h + 7]);
            QCOMPARE(low.mid(7), high.mid(7));
            for (int line = 0; line <= 6; ++line) {
                QVERIFY2(low[line] != high[line], qPrintable(low[line]));
            }
        }
    }

    void secondCastingReplacesTheFirst() {
        platform::ScriptedDraws draws([](int i) { return i < 16 ? 0.0f : 0.75f; });
        testsupport::CastingWindow casting;
        casting.Press(27);
        QCOMPARE(int(intPressCount), 13);
        // The second casting is all double dots: sixteen POPULUS sections, nothing of the first.
        VerifyInterpretation(casting.RTB->Text(), [](int) { return Figure{2, 2, 2, 2}; });
        casting.Press();
        QCOMPARE(casting.RTB->Text(), QString());
    }
};

QTEST_MAIN(TestInterpretation)
#include "tst_interpretation.moc"
