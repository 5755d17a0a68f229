#include "shell/frmAbout.h"

#include "platform/Cursors.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Shapes.h"
#include "platform/Twips.h"
#include "shell/WebAddresses.h"
#include "shell/modHelp.h"

#include <QPushButton>

using platform::TwipsRect;

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    platform::SetUpForm(this, "frmAbout", QStringLiteral("Kelvora v1.0"), 6825, 3870);

    Picture1 = platform::ProgramIconPicture(this);

    Label2 = new QLabel(QStringLiteral("Kelvora v1.0"), this);
    platform::PlaceLabel(Label2, "Label2", platform::Verdana(9.75, true), platform::LightOrange,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(840, 240, 1575, 240));

    Label1_0 = new QLabel(
        QStringLiteral("Kelvora is a method of divination from Madagascar. This word is derived "
                       "from the Arabic word for \"figure\". This form of divination can be used "
                       "to know if the sign shown by the reading is good or bad and help us "
                       "prepare ourselves for the worst. Copyright \u00a9 Kelvora; all rights "
                       "reserved."),
        this);
    platform::PlaceLabel(Label1_0, "Label1_0", platform::Verdana(8.25), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(240, 720, 6375, 1035));
    Label1_0->setWordWrap(true);

    lblHomePage = new platform::LinkLabel(QStringLiteral("Click here to visit ") +
                                              QString::fromLatin1(WebAddresses::HomePage),
                                          this, platform::LinkCursor);
    platform::PlaceLabel(lblHomePage, "lblHomePage", platform::Verdana(8.25, true, false, true),
                         platform::LightOrange, Qt::AlignLeft | Qt::AlignTop,
                         TwipsRect(2040, 1800, 4650, 195));
    connect(lblHomePage, &platform::LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    Label3 = new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet "
                                       "business and make money online. Get this software fully "
                                       "branded for your website."),
                        this);
    platform::PlaceLabel(Label3, "Label3", platform::Verdana(8.25, true), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(360, 2280, 6255, 615));
    Label3->setWordWrap(true);

    lblCobrand = new platform::LinkLabel(QStringLiteral("Click here for more details."), this,
                                         platform::LinkCursor);
    platform::PlaceLabel(lblCobrand, "lblCobrand", platform::Verdana(8.25, true, false, true),
                         platform::LightOrange, Qt::AlignLeft | Qt::AlignTop,
                         TwipsRect(4080, 2880, 2670, 195));
    connect(lblCobrand, &platform::LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);

    // A horizontal line 2 pixels wide, running past both edges.
    Line1_2 = new platform::Line(this, -60, 3240, 6840, 3240, 2, QColor(255, 224, 192));
    Line1_2->setObjectName(QStringLiteral("Line1_2"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(platform::Verdana(8.25, true));
    cmdOK->setGeometry(TwipsRect(5400, 3360, 1260, 345));
    platform::SetBackColor(cmdOK, platform::LightGrey);
    platform::SetForeColor(cmdOK, Qt::black);
    cmdOK->setAutoFillBackground(false);
    // Default for Enter; QDialog turns Esc into reject(), which closes the window as OK does.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // First and only stop in the tab order: the labels take no focus.
    cmdOK->setFocus();
}

void frmAbout::ShowModal() {
    frmAbout about;
    platform::CenterOnScreen(&about);
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
