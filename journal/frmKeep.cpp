#include "journal/frmKeep.h"

#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using controls::TwipsRect;

namespace {

// Black on white, as the program's other text boxes.
void WhiteBox(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    box->setFont(controls::Verdana(8.25));
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    controls::PlaceLabel(label, name, controls::Verdana(8.25, true), controls::LightOrange,
                         Qt::AlignLeft | Qt::AlignVCenter, geometry);
    return label;
}

} // namespace

frmKeep::frmKeep(QWidget* owner, const QString& caption, const QString& chart,
                 const QString& question, const QString& note)
    : QDialog(owner) {
    controls::SetUpForm(this, "frmKeep", caption, 6825, 4260);
    // As a dialog, so that X11 keeps it above the window it blocks.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    lblChart = new QLabel(chart, this);
    controls::PlaceLabel(lblChart, "lblChart", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(120, 120, 6585, 255));

    //: The label of a one-line text box, 439 pixels wide.
    QLabel* lblQuestion =
        Caption(this, "lblQuestion", tr("&Question:"), TwipsRect(120, 480, 6585, 255));
    txtQuestion = new QLineEdit(question, this);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setGeometry(TwipsRect(120, 750, 6585, 315));
    WhiteBox(txtQuestion);
    lblQuestion->setBuddy(txtQuestion);

    //: The label of a text box of several lines, 439 pixels wide.
    QLabel* lblNote = Caption(this, "lblNote", tr("&Note:"), TwipsRect(120, 1200, 6585, 255));
    txtNote = new QPlainTextEdit(note, this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setGeometry(TwipsRect(120, 1470, 6585, 1575));
    // Tab goes on to the buttons rather than typing a tab, so the keyboard never gets caught.
    txtNote->setTabChangesFocus(true);
    WhiteBox(txtNote);
    lblNote->setBuddy(txtNote);

    lblFailure = new QLabel(this);
    controls::PlaceLabel(lblFailure, "lblFailure", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 3105, 6585, 615));
    lblFailure->setWordWrap(true);

    //: Button 84 pixels wide.
    cmdOK = controls::GreyButton(this, "cmdOK", tr("OK"), controls::Verdana(8.25, true),
                                 TwipsRect(4080, 3780, 1260, 345));
    //: Button 84 pixels wide.
    cmdCancel = controls::GreyButton(this, "cmdCancel", tr("Cancel"), controls::Verdana(8.25, true),
                                     TwipsRect(5445, 3780, 1260, 345));
    // Return in the question box keeps; Esc cancels (QDialog's own).
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmKeep::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    controls::TabChain({txtQuestion, txtNote, cmdOK, cmdCancel});
    txtQuestion->setFocus();
}

void frmKeep::SetWrite(Write how) {
    write = std::move(how);
}

void frmKeep::accept() {
    if (write) {
        // A write may wait for another program that holds the journal.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString failure = write(Question(), Note());
        QApplication::restoreOverrideCursor();
        lblFailure->setText(failure);
        if (!failure.isEmpty()) {
            return;
        }
    }
    QDialog::accept();
}

QString frmKeep::Question() const {
    return txtQuestion->text();
}

QString frmKeep::Note() const {
    return txtNote->toPlainText();
}
