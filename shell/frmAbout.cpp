#include "shell/frmAbout.h"

#include "controls/IconPicture.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/Shapes.h"
#include "controls/Twips.h"
#include "platform/AppTitle.h"
#include "shell/WebAddresses.h"
#include "shell/modHelp.h"

#include <QPushButton>

using controls::TwipsRect;

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    controls::SetUpForm(this, "frmAbout", platform::WindowCaption(), 6825, 3870);
    // SetUpForm's frame, as a dialog: X11 marks only a dialog transient for its owner, which
    // keeps it above the main window it blocks.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    Picture1 = controls::ProgramIconPicture(this);

    Label2 = new QLabel(platform::WindowCaption(), this);
    controls::PlaceLabel(Label2, "Label2", controls::Verdana(9.75, true), controls::LightOrange,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(840, 240, 1575, 240));

    Label1_0 =
        //: Wraps within 425 by 69 pixels.
        new QLabel(tr("Sikidy is a method of divination from Madagascar. This word is derived "
                      "from the Arabic word for \"figure\". This form of divination can be used "
                      "to know if the sign shown by the reading is good or bad and help us "
                      "prepare ourselves for the worst. Copyright © Kelvora; all rights "
                      "reserved."),
                   this);
    controls::PlaceLabel(Label1_0, "Label1_0", controls::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(240, 720, 6375, 1035));
    Label1_0->setWordWrap(true);

    lblHomePage = controls::NewLinkLabel(
        this, "lblHomePage",
        //: A link on one line, 310 pixels wide; %1 is the maker's home page address.
        tr("Click here to visit %1").arg(QString::fromLatin1(WebAddresses::HomePage)),
        TwipsRect(2040, 1800, 4650, 195), {}, [this] { lblHomePage_Click(); });

    //: Wraps within 417 by 41 pixels. The first sentences of the main window's
    //: offer: keep them word for word the same.
    Label3 = new QLabel(tr("Home Business Opportunity. Start your own Internet "
                           "business and make money online. Get this software fully "
                           "branded for your website."),
                        this);
    controls::PlaceLabel(Label3, "Label3", controls::Verdana(8.25, true), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(360, 2280, 6255, 615));
    Label3->setWordWrap(true);

    //: A link on one line, 178 pixels wide, below the offer. The last sentence of the main
    //: window's offer: keep it word for word the same.
    lblCobrand = controls::NewLinkLabel(this, "lblCobrand", tr("Click here for more details."),
                                        TwipsRect(4080, 2880, 2670, 195), {},
                                        [this] { lblCobrand_Click(); });

    // A horizontal line 2 pixels wide, running past both edges.
    Line1_2 = new controls::Line(this, -60, 3240, 6840, 3240, 2, QColor(255, 224, 192));
    Line1_2->setObjectName(QStringLiteral("Line1_2"));

    //: Button 84 pixels wide.
    cmdOK = controls::GreyButton(this, "cmdOK", tr("&OK"), controls::Verdana(8.25, true),
                                 TwipsRect(5400, 3360, 1260, 345));
    // Default for Enter; QDialog turns Esc into reject(), which closes the window as OK does.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // First in the tab order, so it has the focus when the window opens; Tab goes on to the links.
    controls::TabChain({cmdOK, lblHomePage, lblCobrand});
    cmdOK->setFocus();
}

void frmAbout::ShowModal(QWidget* owner) {
    frmAbout about(owner);
    controls::CenterOnScreen(&about);
    about.exec();
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    modHelp::OpenHomePage();
}

void frmAbout::lblCobrand_Click() {
    modHelp::OpenFullBrandPage();
}
