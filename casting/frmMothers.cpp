#include "casting/frmMothers.h"

#include "casting/CastingBoard.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/PictureBox.h"
#include "controls/Shapes.h"
#include "controls/Twips.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <exception>

using controls::TwipsRect;

namespace {

// A mother cell: the board's dot picture once set; until then an empty ring. The cell with the
// focus wears a dotted frame, which shows on the light ground where the style's frame is faint.
class MotherCell : public controls::PictureBox {
public:
    using controls::PictureBox::PictureBox;
    bool set = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (set) {
            controls::PictureBox::paintEvent(event);
        } else {
            QPainter painter(this);
            painter.fillRect(rect(), palette().color(QPalette::Base));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
            painter.drawEllipse(QPointF(width() / 2.0, height() / 2.0), 6.5, 6.5);
        }
        if (hasFocus()) {
            // The next column covers the cell beyond its first 960 twips, and the block's lines
            // run along the outer sides of the first and last columns: the frame stays within
            // what shows, clear of those lines, and centred on the dots.
            const int shown = controls::Twips(960);
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.drawRect(QRect(3, 0, shown - 4, height() - 1));
        }
    }
};

// The longest pasted text a refusal repeats whole; a longer one is cut, so that the line fits.
constexpr int LongestQuoted = 24;

} // namespace

frmMothers::frmMothers(QWidget* parent, Tableau layout, const std::optional<Mothers>& start)
    : QDialog(parent), layout(layout) {
    //: The window's title; the File menu's item "&Enter Mothers…" opens it.
    controls::SetUpForm(this, "frmMothers", tr("Enter Mothers"), 5775, 4245);
    // A dialog, so that X11 keeps it above the main window it blocks.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    BuildMotherFrame(layout);

    lblReason = new QLabel(this);
    controls::PlaceLabel(lblReason, "lblReason", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 3000, 5535, 675));
    lblReason->setWordWrap(true);
    ShowReason(QString());

    //: Button 84 pixels wide.
    cmdOK = controls::GreyButton(this, "cmdOK", tr("&OK"), controls::Verdana(8.25, true),
                                 TwipsRect(3000, 3780, 1260, 345));
    //: Button 84 pixels wide.
    cmdCancel =
        controls::GreyButton(this, "cmdCancel", tr("&Cancel"), controls::Verdana(8.25, true),
                             TwipsRect(4395, 3780, 1260, 345));
    // Enter presses OK from the cells; Esc cancels, as QDialog does.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    for (int c = 0; c < 16; ++c) {
        const DotCount value = start ? (*start)[static_cast<std::size_t>(c)] : DotCount{0};
        SetCell(c, value == 1 || value == 2 ? value : DotCount{0});
    }
    // The cells are one stop of the Tab chain, the one that last had the focus; arrows move
    // within them.
    for (int c = 0; c + 1 < 16; ++c) {
        setTabOrder(picMother[c], picMother[c + 1]);
    }
    controls::TabChain({picMother[15], cmdOK, cmdCancel});
    FocusCell(0);
}

void frmMothers::BuildMotherFrame(Tableau layout) {
    // As on the board: the house labels of the mothers above their columns, Mother 1 at the left
    // or, as diviners lay the mat, at the right; the labels of houses 5 to 8 right of the rows.
    //: Caption of the frame around the four mothers, 369 pixels wide.
    auto* frame = new QGroupBox(QCoreApplication::translate("CastingBoard", "Mother Figure"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(controls::Verdana(9, true));
    controls::SetBackColor(frame, QPalette().color(QPalette::Button));
    controls::SetForeColor(frame, controls::CaptionBlue);
    frame->setGeometry(TwipsRect(120, 120, 5535, 2775));

    const QPalette system;
    static const char* const columnLabels[4] = {"      1      Tale", "      2      Mahamay",
                                                "      3      Fahatelo", "      4      Bilady"};
    constexpr int lefts[4] = {120, 1080, 2040, 3000};
    constexpr int tops[4] = {120, 600, 1080, 1560};
    for (int i = 0; i < 4; ++i) {
        const int place = layout == Tableau::Diviners ? 3 - i : i;
        auto* label = new QLabel(QString::fromLatin1(columnLabels[i]), frame);
        controls::PlaceLabel(label, "", controls::Verdana(8.25, true), system.color(QPalette::Text),
                             Qt::AlignLeft | Qt::AlignTop,
                             TwipsRect(lefts[place], 240, place == 3 ? 990 : 980, 500));
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setWordWrap(true);
        controls::SetBackColor(label, system.color(QPalette::Base));

        auto* column = new QWidget(frame);
        column->setObjectName(QStringLiteral("Mother%1").arg(i + 1));
        controls::SetBackColor(column, system.color(QPalette::Base));
        column->setGeometry(TwipsRect(lefts[place], 720, 990, 1965));
        for (int r = 0; r < 4; ++r) {
            const int c = 4 * i + r;
            auto* cell = new MotherCell(column);
            cell->setObjectName(QStringLiteral("picMother%1").arg(c));
            cell->setGeometry(TwipsRect(0, tops[r], 990, 300));
            cell->setFocusPolicy(Qt::ClickFocus);
            cell->installEventFilter(this);
            picMother[c] = cell;
        }
    }
    (new controls::Shape(frame))->setGeometry(TwipsRect(120, 240, 5280, 495));
    (new controls::Shape(frame))->setGeometry(TwipsRect(120, 720, 3870, 1965));
    static const char* const rowLabels[4] = {"5 Fianahana", "6 Abily", "7 Alisay", "8 Fahavalo"};
    constexpr int rowTops[4] = {880, 1380, 1860, 2355};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromLatin1(rowLabels[i]), frame);
        controls::PlaceLabel(label, "", controls::Verdana(8.25, true), system.color(QPalette::Text),
                             Qt::AlignLeft | Qt::AlignTop, TwipsRect(4080, rowTops[i], 1300, 195));
        label->setObjectName(QStringLiteral("Label1_%1").arg(4 + i));
    }
    (new controls::Shape(frame))->setGeometry(TwipsRect(3980, 240, 1430, 2445));
    for (int y : {1200, 1680, 2160}) {
        new controls::Line(frame, 3960, y, 5400, y);
    }
}

std::optional<Mothers> frmMothers::Ask(QWidget* parent, Tableau layout,
                                       const std::optional<Mothers>& start) {
    frmMothers window(parent, layout, start);
    controls::CenterOnScreen(&window);
    if (window.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return window.Result();
}

std::optional<Mothers> frmMothers::Result() const {
    Mothers mothers{};
    for (std::size_t c = 0; c < mothers.size(); ++c) {
        if (cells[c] == 0) {
            return std::nullopt;
        }
        mothers[c] = cells[c];
    }
    return mothers;
}

void frmMothers::SetCell(int c, DotCount value) {
    cells[static_cast<std::size_t>(c)] = value;
    auto* cell = static_cast<MotherCell*>(picMother[c]);
    cell->set = value != 0;
    if (value != 0) {
        cell->SetPicture(value);
    }
    cell->update();
    // Named as the board names its dots, in its words.
    const char* const board = "CastingBoard";
    //: %3 of a cell's name "%1, row %2: %3", for a cell with neither one dot nor two yet.
    QString shown = frmMothers::tr("not set");
    if (value != 0) {
        shown = QCoreApplication::translate(board, value == 2 ? "two dots" : "one dot");
    }
    cell->setAccessibleName(QCoreApplication::translate(board, "%1, row %2: %3")
                                .arg(QCoreApplication::translate(board, "Mother %1").arg(c / 4 + 1))
                                .arg(c % 4 + 1)
                                .arg(shown));
    cmdOK->setEnabled(Result().has_value());
}

void frmMothers::TabStop(int c) {
    for (controls::PictureBox* cell : picMother) {
        cell->setFocusPolicy(cell == picMother[c] ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void frmMothers::FocusCell(int c) {
    TabStop(c);
    picMother[c]->setFocus(Qt::OtherFocusReason);
}

int frmMothers::Neighbour(int c, int key) const {
    const int mother = c / 4;
    const int row = c % 4;
    // Left and right go across the mothers as they are laid out.
    const int towardsRight = layout == Tableau::Diviners ? -1 : 1;
    switch (key) {
    case Qt::Key_Up:
        return row > 0 ? c - 1 : c;
    case Qt::Key_Down:
        return row < 3 ? c + 1 : c;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int next = mother + (key == Qt::Key_Right ? towardsRight : -towardsRight);
        return next >= 0 && next < 4 ? 4 * next + row : c;
    }
    default:
        return c;
    }
}

bool frmMothers::CellKey(int c, const QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    // The digit typed, whichever key gives it (the keypad, or Shift on a French keyboard).
    const QString typed = event->text();
    if (typed == u"1" || typed == u"2") {
        // Down the mother, then on to the next mother's top row; the last cell keeps the focus.
        SetCell(c, typed == u"1" ? DotCount{1} : DotCount{2});
        ShowReason(QString());
        FocusCell(c < 15 ? c + 1 : c);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        SetCell(c, Cell(c) == 1 ? DotCount{2} : DotCount{1});
        ShowReason(QString());
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        FocusCell(Neighbour(c, event->key()));
        return true;
    default:
        return false;
    }
}

bool frmMothers::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(picMother.begin(), picMother.end(), watched);
    if (found == picMother.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const int c = static_cast<int>(found - picMother.begin());
    // No exception may leave an event handler: a failure (only for want of memory, while texts
    // are made) leaves the key unhandled.
    try {
        switch (event->type()) {
        case QEvent::KeyPress:
            return CellKey(c, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // A click or the Tab chain reached the cell: it is the cells' Tab stop from now on.
            TabStop(c);
            return false;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                FocusCell(c);
                SetCell(c, Cell(c) == 1 ? DotCount{2} : DotCount{1});
                return true;
            }
            return false;
        default:
            return false;
        }
    } catch (const std::exception& failure) {
        qWarning("Kelvora: a key in the Enter Mothers window was not handled: %s", failure.what());
        return true;
    }
}

void frmMothers::Paste() {
    const QString text = QGuiApplication::clipboard()->text();
    QString why;
    const std::optional<Mothers> mothers = ReadMothers(text, &why);
    if (!mothers) {
        // A refusal may repeat the pasted text; a long one is cut so that the line fits.
        const QString quoted = text.trimmed();
        if (quoted.size() > LongestQuoted) {
            why.replace(quoted, quoted.left(LongestQuoted - 4) + QChar(0x2026));
        }
        ShowReason(why);
        return;
    }
    for (int c = 0; c < 16; ++c) {
        SetCell(c, (*mothers)[static_cast<std::size_t>(c)]);
    }
    ShowReason(QString());
}

void frmMothers::ShowReason(const QString& reason) {
    if (reason == picMother[0]->accessibleDescription() && !lblReason->text().isEmpty()) {
        return;
    }
    // The cells carry the refusal as their description, which screen readers say when it changes
    // on the cell with the focus, and again on each cell the arrows reach, until the next change.
    for (controls::PictureBox* cell : picMother) {
        cell->setAccessibleDescription(reason);
    }
    if (reason.isEmpty()) {
        controls::SetForeColor(lblReason, Qt::white);
        //: Under the mother cells, wraps within 369 by 45 pixels; "1112/1112/1211/2121" is a
        //: cast as it can be pasted, keep it as it is.
        lblReason->setText(tr("Type 1 or 2 for each row, Space to change it, arrows to move; or "
                              "paste a cast such as 1112/1112/1211/2121."));
        return;
    }
    controls::SetForeColor(lblReason, controls::LightOrange);
    lblReason->setText(reason);
}
