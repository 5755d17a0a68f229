#include "shell/frmExit.h"

#include "controls/IconPicture.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/Twips.h"
#include "platform/AppTitle.h"
#include "shell/modHelp.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using controls::TwipsRect;

namespace {

QLineEdit* Field(QWidget* parent, const char* label, const char* name, const QString& caption,
                 int top) {
    auto* text = new QLabel(caption, parent);
    controls::PlaceLabel(text, label, controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(120, top, 1800, 315));
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setFont(controls::Verdana(8.25));
    field->setGeometry(TwipsRect(1980, top, 4440, 315));
    field->setMaxLength(200);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    text->setBuddy(field);
    return field;
}

} // namespace

frmExit::frmExit(QWidget* parent) : QWidget(parent) {
    controls::SetUpForm(this, "frmExit", platform::WindowCaption(), 6825, 4920);

    Picture1 = controls::ProgramIconPicture(this);

    //: One line, 387 pixels wide.
    lblTitle = new QLabel(tr("Thank you for using Kelvora"), this);
    controls::PlaceLabel(lblTitle, "lblTitle", controls::Verdana(9.75, true), controls::LightOrange,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(840, 240, 5800, 240));

    //: Wraps within 425 by 52 pixels.
    lblSupport = new QLabel(tr("Kelvora is free. If it has helped you, please support "
                               "our web site: tell a friend about Kelvora, link to us "
                               "from your own site, and come back to see what is "
                               "new."),
                            this);
    controls::PlaceLabel(lblSupport, "lblSupport", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(240, 720, 6375, 780));
    lblSupport->setWordWrap(true);

    //: A link on one line, 425 pixels wide.
    lblOtherPrograms = controls::NewLinkLabel(
        this, "lblOtherPrograms", tr("Click here to see our other programs."),
        TwipsRect(240, 1560, 6375, 195), {}, [this] { lblOtherPrograms_Click(); });

    //: Caption of the frame around the form, 439 pixels wide.
    auto* Frame1 = new QGroupBox(tr("Refer a Friend"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(controls::Verdana(9.75, true));
    controls::SetBackColor(Frame1, controls::DarkGrey);
    controls::SetForeColor(Frame1, controls::LightOrange);
    Frame1->setGeometry(TwipsRect(120, 1920, 6585, 2280));

    //: The label of a text box, one line, 120 pixels wide.
    txtYourName = Field(Frame1, "lblYourName", "txtYourName", tr("&Your name:"), 360);
    //: The label of a text box, one line, 120 pixels wide.
    txtFriendName = Field(Frame1, "lblFriendName", "txtFriendName", tr("&Friend's name:"), 780);
    txtFriendEmail =
        //: The label of a text box, one line, 120 pixels wide.
        Field(Frame1, "lblFriendEmail", "txtFriendEmail", tr("Friend's &e-mail:"), 1200);

    lblReferNote =
        //: Wraps within 328 by 29 pixels; names the button "&Send". Replaced by one of
        //: the two answers to Send, in the same space.
        new QLabel(tr("Nothing is sent from here: Send opens our page in your browser."), Frame1);
    controls::PlaceLabel(lblReferNote, "lblReferNote", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(120, 1680, 4920, 435));
    lblReferNote->setWordWrap(true);

    //: Button 84 pixels wide.
    cmdSend = controls::GreyButton(Frame1, "cmdSend", tr("&Send"), controls::Verdana(8.25, true),
                                   TwipsRect(5160, 1740, 1260, 345));
    connect(cmdSend, &QPushButton::clicked, this, &frmExit::cmdSend_Click);
    connect(txtFriendEmail, &QLineEdit::returnPressed, this, &frmExit::cmdSend_Click);

    //: Button 84 pixels wide.
    cmdExit = controls::GreyButton(this, "cmdExit", tr("E&xit"), controls::Verdana(8.25, true),
                                   TwipsRect(5400, 4440, 1260, 345));
    connect(cmdExit, &QPushButton::clicked, this, &frmExit::cmdExit_Click);

    controls::TabChain(
        {lblOtherPrograms, txtYourName, txtFriendName, txtFriendEmail, cmdSend, cmdExit});
    cmdExit->setFocus();
}

void frmExit::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

void frmExit::keyPressEvent(QKeyEvent* event) {
    // Only keys the focused control left alone arrive here (a plain window's buttons leave
    // Return alone; the fields leave Return and Esc).
    if (controls::PressFocusedButton(this, event)) {
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmExit::lblOtherPrograms_Click() {
    modHelp::OpenOtherProgramsPage();
}

void frmExit::cmdSend_Click() {
    if (modHelp::OpenReferPage(txtYourName->text(), txtFriendName->text(),
                               txtFriendEmail->text())) {
        //: Wraps within 328 by 29 pixels.
        lblReferNote->setText(tr("Thank you! Finish on our page in your browser."));
    } else {
        //: Wraps within 328 by 29 pixels.
        lblReferNote->setText(tr("Please enter your friend's e-mail address."));
        txtFriendEmail->setFocus();
    }
}

void frmExit::cmdExit_Click() {
    close();
}
