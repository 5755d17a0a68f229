#include "shell/frmMain.h"

#include "casting/CastingBoard.h"
#include "casting/TableauChoice.h"
#include "casting/frmMothers.h"
#include "casting/frmReading.h"
#include "controls/Cursors.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/RichTextBox.h"
#include "controls/Twips.h"
#include "journal/frmJournal.h"
#include "platform/AppTitle.h"
#include "platform/Random.h"
#include "report/frmSave.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using controls::TwipsRect;

int intCoBrandRandomNumber = 0;

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(platform::WindowCaption());
    controls::FixedSingleBorder(this);
    setFont(controls::Verdana(8.25));
    BuildMenus();

    // The client area below the menu bar: 12525 x 8250 twips.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(controls::Twips(12525), controls::Twips(8250));
    controls::SetBackColor(client, controls::DarkGrey);
    controls::SetForeColor(client, Qt::white);
    setCentralWidget(client);

    Label61 = controls::NewLinkLabel(
        client, "Label61",
        //: A link on one line, 778 pixels wide.
        tr("Join the Kelvora discussion board: click here to visit us online."),
        TwipsRect(427, 120, 11670, 195), {.alignment = Qt::AlignHCenter | Qt::AlignTop},
        [this] { Label61_Click(); });

    Label2 = controls::NewLinkLabel(
        client, "Label2",
        //: Wraps within 825 by 57 pixels.
        tr("Sikidy is a method of geomancy from Madagascar. This word is derived "
           "from the Arabic word for \"figure\". This form of divination can be used "
           "to know if the sign shown by the reading is good or bad and help us "
           "prepare ourselves for the worst."),
        TwipsRect(120, 480, 12375, 855),
        {.font = controls::Verdana(9.75, true, true),
         .color = QColor(255, 128, 0),
         .alignment = Qt::AlignHCenter | Qt::AlignTop,
         .wordWrap = true,
         .cursor = Qt::ArrowCursor},
        [this] { Label2_Click(); });

    //: Caption of the interpretation panel, 281 pixels wide; also its name to screen readers.
    Frame4 = new QGroupBox(tr("Sikidy Interpretation"), client);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setFont(controls::Verdana(9.75, true));
    controls::SetBackColor(Frame4, controls::DarkGrey);
    controls::SetForeColor(Frame4, controls::LightOrange);
    Frame4->setGeometry(TwipsRect(8280, 1200, 4215, 6135));

    RTB = new controls::RichTextBox(Frame4);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setFont(controls::Verdana(8.25));
    controls::SetBackColor(RTB, controls::DarkGrey);
    controls::SetForeColor(RTB, Qt::white);
    RTB->setGeometry(TwipsRect(120, 240, 3975, 5775));
    // Tab leaves the panel rather than typing a tab, so keyboard users are never caught in it.
    RTB->setTabChangesFocus(true);
    RTB->setAccessibleName(tr("Sikidy Interpretation"));

    Frame3 = new CastingBoard(client, RTB);
    connect(Frame3, &CastingBoard::printRequested, this, &frmMain::Command1_Click);
    connect(Frame3, &CastingBoard::castingChanged, this, &frmMain::ShowTableauChoice);
    Frame3->SetTableau(RememberedTableau());
    ShowTableauChoice();
    connect(Frame3, &CastingBoard::castingChanged, this,
            [this] { mnuKeep->setEnabled(intPressCount >= 12); });
    connect(Frame3, &CastingBoard::castingChanged, this,
            [this] { mnuReading->setEnabled(intPressCount >= 12); });

    BuildFooter(client);

    // Tab runs from the casting button through Print and the panel to the footer's offer, then
    // to the banner and the description above the board, and round to the casting button.
    controls::TabChain(
        {Frame3->cmdProceed, Frame3->Command1, RTB, lblCobrand, lblFullBrand, Label61, Label2});

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

void frmMain::BuildMenus() {
    // Every item has an Alt mnemonic, none repeated within its menu in English or French; some
    // File items also have a Ctrl shortcut, shown beside their captions.
    nuFile = menuBar()->addMenu(tr("&File"));
    nuFile->setObjectName(QStringLiteral("nuFile"));
    mnuMothers = Item(nuFile, "mnuMothers", tr("&Enter Mothers…"));
    mnuMothers->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mnuMothers, &QAction::triggered, this, &frmMain::mnuMothers_Click);
    mnuTableau = Item(nuFile, "mnuTableau", QString());
    mnuTableau->setCheckable(true);
    connect(mnuTableau, &QAction::triggered, this, &frmMain::mnuTableau_Click);
    // The reading waits for the twelve figures of a chart, in either tableau.
    mnuReading = Item(nuFile, "mnuReading", tr("&Reading…"));
    mnuReading->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuReading->setEnabled(false);
    connect(mnuReading, &QAction::triggered, this, &frmMain::mnuReading_Click);
    Separator(nuFile, "mnuFileSep0");
    // The journal's items: keeping waits for the twelve figures of a casting.
    mnuKeep = Item(nuFile, "mnuKeep", tr("&Keep in Journal…"));
    mnuKeep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuKeep->setEnabled(false);
    mnuJournal = Item(nuFile, "mnuJournal", tr("&Journal…"));
    mnuJournal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(mnuKeep, &QAction::triggered, this, &frmMain::mnuKeep_Click);
    connect(mnuJournal, &QAction::triggered, this, &frmMain::mnuJournal_Click);
    Separator(nuFile, "mnuExitSep");
    mnuExit = Item(nuFile, "mnuExit", tr("E&xit"));
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = Item(mnuHelp, "mnuOnline", tr("&Online Help"));
    mnuVisit = Item(mnuHelp, "mnuVisit", tr("&Visit Us Online"));
    Separator(mnuHelp, "mnuFileSep1");
    mnuUpdate = Item(mnuHelp, "mnuUpdate", tr("&Check for Software Update"));
    Separator(mnuHelp, "mnuFileSep2");
    mnuAbout = Item(mnuHelp, "mnuAbout", tr("&About Software"));
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::BuildFooter(QWidget* client) {
    Frame5 = new QGroupBox(client);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    controls::SetBackColor(Frame5, controls::DarkGrey);
    Frame5->setGeometry(TwipsRect(0, 7440, 12495, 735));

    // Both offers lie on the same rectangle with an opaque ground, so only the one in front can
    // be seen and clicked; the one behind is hidden too, which keeps it out of the
    // accessibility tree. lblFullBrand starts in front.
    lblCobrand = controls::NewLinkLabel(
        Frame5, "lblCobrand",
        //: A link wrapping within 759 by 33 pixels.
        tr("Co-brand this software for your site.  Increase loyalty and traffic to "
           "your site. Put your site's name &  link here. See \"Help\" for details.  "
           "  Click Here for more info on co-branding."),
        TwipsRect(510, 165, 11385, 495), {.alignment = Qt::AlignCenter, .wordWrap = true},
        [this] { lblCobrand_Click(); });
    lblFullBrand = controls::NewLinkLabel(
        Frame5, "lblFullBrand",
        //: A link wrapping within 759 by 33 pixels. The same sentences as the two texts
        //: of About (frmAbout) and the report window's offer: keep them word for word the same.
        tr("Home Business Opportunity. Start your own Internet business and make "
           "money online. Get this software fully branded for your website. Click "
           "here for more details."),
        TwipsRect(510, 165, 11385, 495),
        {.alignment = Qt::AlignCenter, .wordWrap = true, .cursor = controls::FullBrandCursor()},
        [this] { lblFullBrand_Click(); });
    for (QLabel* label : {static_cast<QLabel*>(lblCobrand), static_cast<QLabel*>(lblFullBrand)}) {
        controls::SetBackColor(label, controls::DarkGrey);
    }
    lblCobrand->hide();
}

void frmMain::Form_Load() {
    Frame3->Form_Load();
    Frame3->cmdProceed->setFocus();
}

void frmMain::CoBrand_Randomize() {
    intCoBrandRandomNumber = static_cast<int>(6 * platform::Rnd()) + 1;
    const bool cobrand = intCoBrandRandomNumber % 2 == 1;
    lblCobrand->setVisible(cobrand);
    lblFullBrand->setVisible(!cobrand);
    (cobrand ? lblCobrand : lblFullBrand)->raise();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

// The chart is discarded without a question; start-up, which showed the window, decides what
// follows.
void frmMain::Form_Unload() {
    emit unloaded();
}

void frmMain::mnuMothers_Click() {
    const std::optional<Mothers> mothers =
        frmMothers::Ask(this, Frame3->NextTableau(), CastingBoard::BoardMothers());
    if (mothers) {
        Frame3->EnterMothers(*mothers);
    }
    Frame3->cmdProceed->setFocus();
}

void frmMain::UseTableauForRun(Tableau tableau) {
    Frame3->SetTableau(tableau);
    ShowTableauChoice();
}

void frmMain::mnuTableau_Click(bool checked) {
    Frame3->SetTableau(checked ? Tableau::Diviners : Tableau::Classic);
    // Not written is not said: the choice holds for this run, and the next start takes the one
    // remembered before.
    RememberTableau(checked ? Tableau::Diviners : Tableau::Classic);
    ShowTableauChoice();
}

void frmMain::ShowTableauChoice() {
    mnuTableau->setChecked(Frame3->NextTableau() == Tableau::Diviners);
    mnuTableau->setText(CastingBoard::CastingUnderWay()
                            //: A checkable menu item while a chart is on the board: the choice
                            //: applies to the castings that follow it.
                            ? tr("&Diviners' Tableau (from the next casting)")
                            //: A checkable menu item: houses 9 to 16 by adding figures.
                            : tr("&Diviners' Tableau"));
}

void frmMain::mnuReading_Click() {
    frmReading::ShowReading(Frame3, this);
}

frmMain::~frmMain() {
    // The Journal window goes before the journal it lists.
    if (frmJournal* window = frmJournal::OpenWindow(); window && window->parent() == this) {
        delete window;
    }
}

journal::JournalStore& frmMain::Journal() {
    if (!journal) {
        journal = std::make_unique<journal::JournalStore>();
    }
    return *journal;
}

void frmMain::mnuKeep_Click() {
    // The chart on the board, once its twelve figures are there.
    const std::optional<Mothers> mothers = CastingBoard::BoardMothers();
    if (intPressCount < 12 || !mothers) {
        return;
    }
    frmJournal::KeepChart(this, Journal(), *mothers, chartTableau);
}

void frmMain::mnuJournal_Click() {
    frmJournal::ShowJournal(Frame3, this, Journal());
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuOnline_Click() {
    modHelp::OpenHelpPage();
}

void frmMain::mnuVisit_Click() {
    modHelp::OpenHomePage();
}

void frmMain::mnuUpdate_Click() {
    modHelp::OpenUpdatePage();
}

void frmMain::mnuAbout_Click() {
    frmAbout::ShowModal(this);
}

void frmMain::Label61_Click() {
    modHelp::OpenHomePage();
}

void frmMain::Label2_Click() {
    modHelp::OpenFullBrandPage();
}

void frmMain::lblCobrand_Click() {
    modHelp::OpenCoBrandPage();
}

void frmMain::lblFullBrand_Click() {
    modHelp::OpenFullBrandPage();
}

void frmMain::Command1_Click() {
    // A new report window each time, composed from the report as it is now; the main window
    // waits until it is closed, under it.
    frmSave report(*RTB, this);
    report.exec();
    // Tab or a click moved the focus to Print: the next step is the casting button's again.
    Frame3->cmdProceed->setFocus();
}
