#include "casting/frmReading.h"

#include "casting/CastingBoard.h"
#include "casting/Reading.h"
#include "casting/ReadingText.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTextEdit>

#include <exception>

using controls::TwipsRect;

namespace {

// The Reading window that is open: there is one at a time.
QPointer<frmReading> openWindow;

// The question's column in Kelvora's settings file.
const QString ColumnKey = QStringLiteral("ReadingColumn");

QSettings Settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Kelvora"), QStringLiteral("Kelvora"));
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

Beside BesidePlace(const QRect& owner, const QSize& size, const QRect& room) {
    Beside place{owner.topLeft(), owner.left()};
    int left = owner.right() + 1;
    if (left + size.width() > room.right() + 1) {
        if (owner.left() - size.width() >= room.left()) {
            left = owner.left() - size.width();
        } else {
            place.ownerLeft =
                std::min(owner.left(),
                         std::max(room.left(), room.right() + 1 - size.width() - owner.width()));
            left = std::max(room.left(), room.right() + 1 - size.width());
        }
    }
    const int top = std::clamp(owner.top(), room.top(),
                               std::max(room.top(), room.bottom() + 1 - size.height()));
    place.window = QPoint(left, top);
    return place;
}

frmReading* frmReading::ShowReading(CastingBoard* board, QWidget* owner) {
    if (!openWindow) {
        openWindow = new frmReading(board, owner);
        openWindow->setAttribute(Qt::WA_DeleteOnClose);
        // The frame is not known before the window is first shown: take the owner's.
        const QRect frame = owner->frameGeometry();
        const QSize size = openWindow->size() + (frame.size() - owner->size());
        const QScreen* screen = owner->screen();
        const Beside place = BesidePlace(frame, size, screen ? screen->availableGeometry() : frame);
        if (place.ownerLeft != frame.left()) {
            owner->move(place.ownerLeft, frame.top());
        }
        openWindow->move(place.window);
    }
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

frmReading* frmReading::OpenWindow() {
    return openWindow;
}

frmReading::frmReading(CastingBoard* board, QWidget* owner) : QWidget(owner), board(board) {
    //: Title of the Reading window.
    controls::SetUpForm(this, "frmReading", tr("Kelvora Reading"), 9000, 7650);

    lblChart = new QLabel(this);
    controls::PlaceLabel(lblChart, "lblChart", controls::Verdana(8.25, true), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 120, 8760, 420));
    lblChart->setWordWrap(true);

    //: The label of the choice of the question's house, 120 pixels wide.
    lblColumn = new QLabel(tr("&Question in:"), this);
    controls::PlaceLabel(lblColumn, "lblColumn", controls::Verdana(8.25, true),
                         controls::LightOrange, Qt::AlignLeft | Qt::AlignVCenter,
                         TwipsRect(120, 600, 1800, 315));
    cboColumn = new QComboBox(this);
    cboColumn->setObjectName(QStringLiteral("cboColumn"));
    cboColumn->setGeometry(TwipsRect(1980, 600, 4500, 315));
    for (int column = 1; column <= 4; ++column) {
        cboColumn->addItem(ColumnChoice(column), column);
    }
    //: The choice's name to screen readers.
    cboColumn->setAccessibleName(tr("Question in"));
    lblColumn->setBuddy(cboColumn);
    const int remembered = Settings().value(ColumnKey, 1).toInt();
    cboColumn->setCurrentIndex(remembered >= 1 && remembered <= 4 ? remembered - 1 : 0);

    txtReading = new QTextEdit(this);
    txtReading->setObjectName(QStringLiteral("txtReading"));
    //: The reading's name to screen readers.
    txtReading->setAccessibleName(tr("Reading"));
    txtReading->setGeometry(TwipsRect(120, 1020, 8760, 5940));
    txtReading->setReadOnly(true);
    txtReading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab leaves the text rather than typing a tab, so keyboard users are never caught in it.
    txtReading->setTabChangesFocus(true);
    QPalette palette = txtReading->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    txtReading->setPalette(palette);

    const QFont bold = controls::Verdana(8.25, true);
    //: Button 84 pixels wide: copies the whole reading as text.
    cmdCopy = controls::GreyButton(this, "cmdCopy", tr("C&opy All"), bold,
                                   TwipsRect(120, 7140, 1260, 345));
    //: Button 84 pixels wide.
    cmdClose = controls::GreyButton(this, "cmdClose", tr("&Close"), bold,
                                    TwipsRect(7620, 7140, 1260, 345));
    connect(cmdCopy, &QPushButton::clicked, this, &frmReading::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cboColumn, &QComboBox::currentIndexChanged, this, &frmReading::cboColumn_Changed);
    connect(board, &CastingBoard::castingChanged, this, &frmReading::Refresh);

    controls::TabChain({cboColumn, txtReading, cmdCopy, cmdClose});
    cboColumn->setFocus();
    Refresh();
}

int frmReading::Column() const {
    return cboColumn->currentIndex() + 1;
}

void frmReading::Refresh() {
    const std::optional<Mothers> mothers = CastingBoard::BoardMothers();
    // Composing can fail only for want of memory: the window then says so rather than showing
    // half a reading.
    try {
        sentences.clear();
        if (intPressCount < 12 || !mothers) {
            lblChart->setText(tr("No chart on the board."));
            txtReading->setHtml(Escaped(tr("The reading appears once the twelve figures of a "
                                           "chart are on the board, in either tableau.")));
            cmdCopy->setEnabled(false);
            return;
        }
        lblChart->setText(
            chartTableau == Tableau::Diviners
                //: %1 is the chart's mothers, "1112/1112/1211/2121".
                ? tr("Mothers %1, diviners' tableau.").arg(MothersText(*mothers))
                //: %1 is the chart's mothers.
                : tr("Mothers %1: the chart on the board is in the classic tableau, so this "
                     "reads the diviners' tableau of the same four mothers.")
                      .arg(MothersText(*mothers)));
        txtReading->setHtml(Compose(*mothers, Column(), sentences));
        cmdCopy->setEnabled(true);
    } catch (const std::exception& failure) {
        sentences.clear();
        lblChart->setText(
            tr("The reading could not be shown: %1").arg(QString::fromLocal8Bit(failure.what())));
        txtReading->clear();
        cmdCopy->setEnabled(false);
    }
}

QString frmReading::Compose(const Mothers& mothers, int column, QStringList& sentences) {
    const std::array<Figure, HouseCount> chart = ChartOf(mothers, Tableau::Diviners);
    QString html = QStringLiteral("<table cellspacing=0 cellpadding=2>");
    html += QStringLiteral("<tr><th align=left>%1</th><th align=left>%2</th><th "
                           "align=left>%3</th><th align=left>%4</th><th align=left>%5</th></tr>")
                //: Headings of the houses' table: the house's number and names, its figure,
                //: the figure's title, prince or slave.
                .arg(Escaped(tr("House")), Escaped(tr("Names")), Escaped(tr("Figure")),
                     Escaped(tr("Title")), Escaped(tr("Prince or slave")));
    for (int h = 1; h <= HouseCount; ++h) {
        const Figure& figure = chart[static_cast<std::size_t>(h - 1)];
        html += QStringLiteral("<tr><td>%1</td><td>%2, %3</td><td>%4</td><td>%5</td>"
                               "<td>%6</td></tr>")
                    .arg(QString::number(h), Escaped(QLatin1String(HouseEntry(h).name)),
                         Escaped(MerinaName(h)), FigureDigits(figure), Escaped(FigureTitle(figure)),
                         Escaped(PrinceOrSlave(figure)));
    }
    html += QStringLiteral("</table><p>%1</p>")
                .arg(Escaped(tr("A name ending in ? is probable, not certain. Prince or slave "
                                "is the cast figure's own number of seeds, even or odd; it is not "
                                "the house's category the interpretation panel shows.")));
    html += QStringLiteral("<p><b>%1</b></p><ul>")
                //: %1 is the question's column as chosen, "Talé (the person, …)".
                .arg(Escaped(tr("Reading, the question in %1").arg(ColumnChoice(column))));
    for (const ReadingLine& line : ReadingLines(chart, column)) {
        html += QStringLiteral("<li>%1</li>").arg(Escaped(line.sentence));
        sentences.append(line.sentence);
    }
    html += QStringLiteral("</ul><p>%1</p>")
                .arg(Escaped(tr("Kelvora's own choices: a principal house (1 to 4, 9 to 16) stands "
                                "alone when its figure is in no other of the sixteen houses; after "
                                "house 12 and houses 1 to 4, the houses below are looked at from "
                                "16 down to 9. Where a house has no sense from the diviners, the "
                                "meaning given is Kelvora's house catalogue's.")));
    return html;
}

void frmReading::cboColumn_Changed(int index) {
    Settings().setValue(ColumnKey, index + 1);
    Refresh();
}

void frmReading::cmdCopy_Click() {
    QApplication::clipboard()->setText(lblChart->text() + u'\n' + txtReading->toPlainText());
}

void frmReading::keyPressEvent(QKeyEvent* event) {
    if (controls::PressFocusedButton(this, event)) {
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
