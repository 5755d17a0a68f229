#include "casting/CastingBoard.h"

#include "casting/Chart.h"
#include "casting/Derivation.h"
#include "casting/InterpretationPass.h"
#include "controls/Look.h"
#include "controls/PictureBox.h"
#include "controls/RichTextBox.h"
#include "controls/Shapes.h"
#include "controls/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <exception>

using controls::TwipsRect;

namespace {

QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption, double points,
                 const QColor& captionColor, const QColor& back, const QRect& geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(controls::Verdana(points, true));
    controls::SetBackColor(frame, back);
    controls::SetForeColor(frame, captionColor);
    frame->setGeometry(geometry);
    return frame;
}

// A column that holds the dot pictures of one figure.
QWidget* Column(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* column = new QWidget(parent);
    column->setObjectName(name);
    controls::SetBackColor(column, QPalette().color(QPalette::Base));
    column->setGeometry(geometry);
    return column;
}

QLabel* HouseLabel(QWidget* parent, int index, const char* text, const QRect& geometry,
                   bool windowColours) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setFont(controls::Verdana(8.25, true));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Text in the system's text colour, not the frame's blue caption colour; the column labels
    // also take the system window background.
    const QPalette system;
    controls::SetForeColor(label, system.color(QPalette::Text));
    if (windowColours) {
        controls::SetBackColor(label, system.color(QPalette::Base));
    }
    label->setGeometry(geometry);
    return label;
}

// What a dot picture's column is called: a mother, a daughter, or in the diviners' tableau, where
// the lower columns are houses 9 to 16 rather than daughters, the house.
QString FigureName(int slot) {
    if (slot < 4) {
        //: %1 of a dot picture's name "%1, row %2: %3"; here %1 is 1 to 4.
        return CastingBoard::tr("Mother %1").arg(slot + 1);
    }
    if (chartTableau == Tableau::Diviners) {
        const int house = slot + 5;
        //: %1 of a dot picture's name "%1, row %2: %3" in the diviners' tableau: %1 is the
        //: house's number (9 to 16), %2 its name, such as "House 15, Safary".
        return CastingBoard::tr("House %1, %2")
            .arg(house)
            .arg(QString::fromLatin1(HouseEntry(house).name));
    }
    //: %1 of a dot picture's name "%1, row %2: %3"; here %1 is 1 to 8.
    return CastingBoard::tr("Daughter %1").arg(slot - 3);
}

} // namespace

CastingBoard::CastingBoard(QWidget* parent, controls::RichTextBox* RTB)
    : QGroupBox(QStringLiteral("Renin-tsikidy"), parent), RTB(RTB) {
    setObjectName(QStringLiteral("Frame3"));
    setFont(controls::Verdana(9.75, true));
    controls::SetBackColor(this, controls::DarkGrey);
    controls::SetForeColor(this, controls::LightOrange);
    setGeometry(TwipsRect(0, 1200, 8175, 6135));

    BuildMotherFrame();

    cmdProceed = controls::GreyButton(this, "cmdProceed", QString(), controls::Verdana(9.75, true),
                                      TwipsRect(120, 3240, 6615, 615));
    cmdProceed->setAutoDefault(true);
    cmdProceed->setDefault(true);
    connect(cmdProceed, &QPushButton::clicked, this, &CastingBoard::cmdProceed_Click);

    //: Button 81 pixels wide.
    Command1 = controls::GreyButton(this, "Command1", tr("&Print"), controls::Verdana(8.25, true),
                                    TwipsRect(6840, 3240, 1215, 615));
    Command1->setAccessibleDescription(
        tr("Opens the report window to save or print the interpretation."));
    connect(Command1, &QPushButton::clicked, this, &CastingBoard::printRequested);

    BuildDaughterFrame();
    setTabOrder(cmdProceed, Command1);
}

void CastingBoard::BuildMotherFrame() {
    const QColor scrollBar = QPalette().color(QPalette::Button);
    //: Caption of the frame around the four mothers, 369 pixels wide.
    QGroupBox* frame = Frame(this, "Frame1", tr("Mother Figure"), 9, controls::CaptionBlue,
                             scrollBar, TwipsRect(1200, 360, 5535, 2775));

    // Column labels of houses 1 to 4, then the mother columns below them; LayOutMothers places
    // them.
    static const char* const columnLabels[4] = {"      1      Tale", "      2      Mahamay",
                                                "      3      Fahatelo", "      4      Bilady"};
    static const char* const columnNames[4] = {"Picture2_0", "Picture3_0", "Picture3_1",
                                               "Picture3_2"};
    for (int i = 0; i < 4; ++i) {
        Label1[i] = HouseLabel(frame, i, columnLabels[i], QRect(), true);
        motherColumns[i] = Column(frame, QLatin1String(columnNames[i]), QRect());
        constexpr int tops[4] = {120, 600, 1080, 1560};
        for (int r = 0; r < 4; ++r) {
            const int c = 4 * i + r;
            picCircle[c] = new controls::PictureBox(motherColumns[i]);
            picCircle[c]->setGeometry(TwipsRect(0, tops[r], 990, 300));
        }
    }
    LayOutMothers();
    (new controls::Shape(frame))->setGeometry(TwipsRect(120, 240, 5280, 495));
    (new controls::Shape(frame))->setGeometry(TwipsRect(120, 720, 3870, 1965));

    // Row labels of houses 5 to 8, right of mother rows 1 to 4, with separators between them.
    static const char* const rowLabels[4] = {"5 Fianahana", "6 Abily", "7 Alisay", "8 Fahavalo"};
    constexpr int rowTops[4] = {880, 1380, 1860, 2355};
    for (int i = 0; i < 4; ++i) {
        Label1[4 + i] =
            HouseLabel(frame, 4 + i, rowLabels[i], TwipsRect(4080, rowTops[i], 1300, 195), false);
    }
    (new controls::Shape(frame))->setGeometry(TwipsRect(3980, 240, 1430, 2445));
    for (int y : {1200, 1680, 2160}) {
        new controls::Line(frame, 3960, y, 5400, y);
    }
}

void CastingBoard::LayOutMothers() {
    // Classic: Mother 1 at the left. Diviners lay the mat with Mother 1 (Tale) at the right end,
    // where the labels of houses 5 to 8 stand.
    constexpr int lefts[4] = {120, 1080, 2040, 3000};
    for (int i = 0; i < 4; ++i) {
        const int place = chartTableau == Tableau::Diviners ? 3 - i : i;
        Label1[i]->setGeometry(TwipsRect(lefts[place], 240, place == 3 ? 990 : 980, 500));
        motherColumns[i]->setGeometry(TwipsRect(lefts[place], 720, 990, 1965));
    }
}

void CastingBoard::BuildDaughterFrame() {
    const QColor scrollBar = QPalette().color(QPalette::Button);
    //: Caption of the frame around the eight daughters, 529 pixels wide.
    QGroupBox* frame = Frame(this, "Frame2", tr("Daughter Figure"), 9, controls::CaptionBlue,
                             scrollBar, TwipsRect(120, 3960, 7935, 2055));
    static const char* const labels[8] = {"      9      Fahasivy", "      10     Ombiasy",
                                          "      11      Haja",    "      12      Haky",
                                          "      13      Asorita", "      14      Saily",
                                          "      15      Safary",  "      16      Kiba"};
    for (int j = 0; j < 8; ++j) {
        Label1[8 + j] =
            HouseLabel(frame, 8 + j, labels[j], TwipsRect(120 + 960 * j, 240, 980, 495), true);
    }
    for (int n = 1; n <= 8; ++n) {
        QWidget* column = Column(frame, QStringLiteral("Picture2_%1").arg(n),
                                 TwipsRect(120 + 960 * (n - 1), 720, 990, 1245));
        for (int r = 0; r < 4; ++r) {
            const int c = 16 + 4 * (n - 1) + r;
            picCircle[c] = new controls::PictureBox(column);
            picCircle[c]->setGeometry(TwipsRect(0, 300 * r, 990, 300));
        }
    }
    for (int c = 0; c < CellCount; ++c) {
        picCircle[c]->setObjectName(QStringLiteral("picCircle%1").arg(c));
    }
}

namespace {

// What the next press does, by press count: the caption of cmdProceed and the longer account
// screen readers give. "%1" is the number of the figure made next, counted from the row's first
// press count; the last row also holds beyond its count. Both are translated where they are shown.
struct NextPress {
    int firstCount;
    int lastCount;
    const char* caption;
    const char* description;
};
constexpr NextPress NextPresses[] = {
    //: The casting button's caption, 441 pixels wide; %1 is 1 to 4.
    {0, 3, QT_TRANSLATE_NOOP("CastingBoard", "Click to Create Mother %1"),
     //: What the casting button does next, to screen readers; %1 is 1 to 4.
     QT_TRANSLATE_NOOP("CastingBoard",
                       "Next: casts Mother %1, four rows of one or two dots drawn at random.")},
    //: The casting button's caption, 441 pixels wide; %1 is 1 to 8 (one daughter a press).
    {4, 11, QT_TRANSLATE_NOOP("CastingBoard", "Click to Create Four Daughters %1"),
     //: What the casting button does next, to screen readers; %1 is 1 to 8.
     QT_TRANSLATE_NOOP("CastingBoard", "Next: derives Daughter %1 from rows of the four mothers.")},
    //: The casting button's caption, 441 pixels wide.
    {12, 12, QT_TRANSLATE_NOOP("CastingBoard", "Display Sikidy Interpretation"),
     //: Names the panel's caption "Sikidy Interpretation" and the button "&Print".
     QT_TRANSLATE_NOOP("CastingBoard", "Next: writes the interpretation of the sixteen houses "
                                       "into the Sikidy Interpretation panel and enables Print.")},
    //: The casting button's caption, 441 pixels wide.
    {13, 13, QT_TRANSLATE_NOOP("CastingBoard", "Do It Once Again"),
     QT_TRANSLATE_NOOP("CastingBoard",
                       "Next: clears the board and the interpretation for a new casting.")},
};

// The diviners' tableau derives one house a press, named in the caption: "%1" is the house's
// name, and in the description "%2" its number, "%3" and "%4" the names of the houses added.
//: The casting button's caption, 441 pixels wide; %1 is a house's name, such as Safary.
constexpr const char* DivinersCaption = QT_TRANSLATE_NOOP("CastingBoard", "Click to Create %1");
constexpr const char* DivinersDescription =
    //: What the casting button does next, to screen readers; %1 and %3, %4 are houses' names,
    //: %2 the number of house %1.
    QT_TRANSLATE_NOOP("CastingBoard", "Next: derives %1, house %2, by adding %3 and %4.");

QString HouseName(int h) {
    return QString::fromLatin1(HouseEntry(h).name);
}

QString NextPressText(int count, const char* NextPress::*text) {
    for (const NextPress& row : NextPresses) {
        if (count <= row.lastCount || &row == std::end(NextPresses) - 1) {
            const QString filled = CastingBoard::tr(row.*text);
            return filled.contains(u'%') ? filled.arg(count - row.firstCount + 1) : filled;
        }
    }
    return {};
}

} // namespace

QString CastingBoard::StateCaption(int count, Tableau tableau) {
    if (tableau == Tableau::Diviners && count >= 4 && count <= 11) {
        return tr(DivinersCaption).arg(HouseName(DivinersOrder.at(std::size_t(count - 4)).house));
    }
    return NextPressText(count, &NextPress::caption);
}

QString CastingBoard::StateDescription(int count, Tableau tableau) {
    if (tableau == Tableau::Diviners && count >= 4 && count <= 11) {
        const HouseSum& sum = DivinersOrder.at(std::size_t(count - 4));
        return tr(DivinersDescription)
            .arg(HouseName(sum.house))
            .arg(sum.house)
            .arg(HouseName(sum.left), HouseName(sum.right));
    }
    return NextPressText(count, &NextPress::description);
}

void CastingBoard::ShowState(int count) {
    // Both texts are made before either is shown, so a failure shows neither.
    const QString caption = StateCaption(count);
    const QString description = StateDescription(count);
    cmdProceed->setText(caption);
    cmdProceed->setAccessibleDescription(description);
}

void CastingBoard::HideAllDots() {
    for (controls::PictureBox* picture : picCircle) {
        picture->hide();
    }
}

void CastingBoard::ShowCell(int c) {
    const DotCount v = intCells.at(static_cast<std::size_t>(c));
    controls::PictureBox* picture = picCircle[c];
    picture->SetPicture(v);
    //: %3 of a dot picture's name "%1, row %2: %3".
    const QString dots =
        v == 2 ? tr("two dots") : /*: %3 of a dot picture's name "%1, row %2: %3". */ tr("one dot");
    picture->setAccessibleName(
        //: A dot picture to screen readers, such as "Mother 1, row 2: two dots": %1 is "Mother
        //: %1", "Daughter %1" or "House %1, %2", %2 the row (1 to 4), %3 "one dot" or "two dots".
        tr("%1, row %2: %3").arg(FigureName(c / 4)).arg(c % 4 + 1).arg(dots));
    picture->show();
}

void CastingBoard::Form_Load() {
    HideAllDots();
    ShowState(0);
    Command1->setEnabled(false);
}

void CastingBoard::SetTableau(Tableau tableau) {
    nextTableau = tableau;
    if (!CastingUnderWay()) {
        chartTableau = tableau;
        LayOutMothers();
    }
}

std::optional<Mothers> CastingBoard::BoardMothers() {
    if (intPressCount < 4) {
        return std::nullopt;
    }
    Mothers mothers{};
    std::copy_n(intCells.begin(), mothers.size(), mothers.begin());
    return mothers;
}

void CastingBoard::cmdProceed_Click() {
    // The press counts once its work is done. Its work can fail only for want of memory, while
    // texts are made (a caption, a dot's name, the interpretation); the press is then taken back,
    // so that the count, the cells and what the board shows stay in step and the next press tries
    // the same step again.
    const int next = intPressCount < 13 ? intPressCount + 1 : 0;
    pressCells.clear();
    try {
        DoPress(next);
    } catch (const std::exception& failure) {
        TakeBack();
        qWarning("Kelvora: press %d of the casting button was taken back: %s", intPressCount + 1,
                 failure.what());
        return;
    }
    intPressCount = static_cast<std::int16_t>(next);
    emit castingChanged();
}

void CastingBoard::DoPress(int next) {
    if (next == 0) {
        ClearBoard();
        // The castings to come take the tableau chosen meanwhile.
        chartTableau = nextTableau;
        LayOutMothers();
    } else if (next <= 12) {
        CreateFigure(next);
        ShowState(next);
    } else {
        InterpretationPass(*RTB);
        ShowState(13);
        Command1->setEnabled(true);
    }
}

void CastingBoard::CreateFigure(int next) {
    const auto shown = [this](int cell) {
        pressCells.push_back(cell);
        ShowCell(cell);
    };
    if (next <= 4) {
        CreateMother(next, shown);
    } else if (chartTableau == Tableau::Diviners) {
        CreateHouse(next - 4, shown);
    } else {
        CreateDaughter(next - 4, shown);
    }
}

void CastingBoard::ClearBoard() {
    // The caption first: it is the one step of the reset that makes text; the steps after it
    // only empty and hide.
    ShowState(0);
    ClearCells();
    HideAllDots();
    Command1->setEnabled(false);
    RTB->SetText(QString());
}

void CastingBoard::TakeBack() {
    for (int c : pressCells) {
        ForgetCell(c);
        picCircle[c]->hide();
    }
    pressCells.clear();
    if (intPressCount == 12) {
        RTB->SetText(QString());
    }
}

void CastingBoard::EnterMothers(const Mothers& mothers) {
    PlaceChart(mothers, nextTableau, 4);
}

void CastingBoard::OpenChart(const Mothers& mothers, Tableau tableau) {
    PlaceChart(mothers, tableau, 12);
}

void CastingBoard::PlaceChart(const Mothers& mothers, Tableau tableau, int count) {
    // Called from menu commands: a failure (only for want of memory) leaves an empty board and
    // a line on standard error rather than a half-placed chart.
    try {
        ClearBoard();
        intPressCount = 0;
        chartTableau = tableau;
        LayOutMothers();
        PlaceMothers(mothers, [this](int cell) { ShowCell(cell); });
        for (int next = 5; next <= count; ++next) {
            CreateFigure(next);
        }
        ShowState(count);
        intPressCount = static_cast<std::int16_t>(count);
    } catch (const std::exception& failure) {
        ClearCells();
        HideAllDots();
        qWarning("Kelvora: the chart could not be placed on the board: %s", failure.what());
    }
    emit castingChanged();
}
