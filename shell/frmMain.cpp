#include "shell/frmMain.h"

#include "casting/CastingBoard.h"
#include "platform/Look.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "report/frmSave.h"
#include "shell/Startup.h"

#include <QCloseEvent>
#include <QLayout>
#include <QPushButton>

using platform::TwipsRect;

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kelvora v1.0"));
    platform::FixedSingleBorder(this);
    setFont(platform::Verdana(8.25));

    // The client area: 12525 x 8250 twips.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(platform::Twips(12525), platform::Twips(8250));
    platform::SetBackColor(client, platform::DarkGrey);
    platform::SetForeColor(client, Qt::white);
    setCentralWidget(client);

    Frame4 = new QGroupBox(QStringLiteral("Sikidy Interpretation"), client);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setFont(platform::Verdana(9.75, true));
    platform::SetBackColor(Frame4, platform::DarkGrey);
    platform::SetForeColor(Frame4, platform::LightOrange);
    Frame4->setGeometry(TwipsRect(8280, 1200, 4215, 6135));

    RTB = new platform::RichTextBox(Frame4);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setFont(platform::Verdana(8.25));
    platform::SetBackColor(RTB, platform::DarkGrey);
    platform::SetForeColor(RTB, Qt::white);
    RTB->setGeometry(TwipsRect(120, 240, 3975, 5775));

    Frame3 = new CastingBoard(client, RTB);
    setTabOrder(Frame3->Command1, RTB);
    connect(Frame3, &CastingBoard::printRequested, this, &frmMain::Command1_Click);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

void frmMain::Form_Load() {
    Frame3->Form_Load();
    Frame3->cmdProceed->setFocus();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    QuitProgram();
}

void frmMain::Command1_Click() {
    // A new report window each time, composed from the report as it is now; the main window
    // waits until it is closed.
    frmSave report(*RTB);
    report.exec();
}
