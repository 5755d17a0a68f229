#include "journal/frmImportSummary.h"

#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/SaveAsDialog.h"
#include "controls/Twips.h"
#include "journal/Import.h"
#include "platform/AppTitle.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>

using controls::TwipsRect;

frmImportSummary::frmImportSummary(QWidget* owner, const QString& file,
                                   const journal::ImportSummary& summary)
    : QDialog(owner), text(summary.Text()) {
    //: Title of the window that says what an import did.
    controls::SetUpForm(this, "frmImportSummary", tr("Kelvora Import"), 7800, 5100);
    // As a dialog, so that X11 keeps it above the window it blocks.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    lblOutcome = new QLabel(
        QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(file), text.section(u'\n', 0, 0)),
        this);
    controls::PlaceLabel(lblOutcome, "lblOutcome", controls::Verdana(8.25, true), Qt::white,
                         Qt::AlignLeft | Qt::AlignTop, TwipsRect(120, 120, 7560, 600));
    lblOutcome->setWordWrap(true);

    //: The label of the list of refused lines, 504 pixels wide.
    lblRefused = new QLabel(tr("&Summary and refused lines:"), this);
    controls::PlaceLabel(lblRefused, "lblRefused", controls::Verdana(8.25, true),
                         controls::LightOrange, Qt::AlignLeft | Qt::AlignVCenter,
                         TwipsRect(120, 780, 7560, 255));
    txtRefused = new QPlainTextEdit(text, this);
    txtRefused->setObjectName(QStringLiteral("txtRefused"));
    txtRefused->setGeometry(TwipsRect(120, 1080, 7560, 3360));
    txtRefused->setReadOnly(true);
    txtRefused->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab goes on to the buttons, so the keyboard never gets caught in the text.
    txtRefused->setTabChangesFocus(true);
    txtRefused->setFont(controls::Verdana(8.25));
    QPalette palette = txtRefused->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    txtRefused->setPalette(palette);
    lblRefused->setBuddy(txtRefused);

    const QFont bold = controls::Verdana(8.25, true);
    //: Button 140 pixels wide: writes the summary to a text file.
    cmdSave = controls::GreyButton(this, "cmdSave", tr("S&ave As…"), bold,
                                   TwipsRect(4215, 4560, 2100, 345));
    //: Button 84 pixels wide.
    cmdClose = controls::GreyButton(this, "cmdClose", tr("&Close"), bold,
                                    TwipsRect(6420, 4560, 1260, 345));
    cmdClose->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &frmImportSummary::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    controls::TabChain({txtRefused, cmdSave, cmdClose});
    cmdClose->setFocus();
}

void frmImportSummary::cmdSave_Click() {
    controls::SaveAsDialog dialog(this);
    //: The file type in Save As; "(*.txt)" picks the files shown and stays as it is.
    dialog.setNameFilter(tr("Text files (*.txt)"));
    dialog.setDefaultExtension(QStringLiteral("txt"));
    dialog.setWindowTitle(platform::AppTitle());
    //: The file name Save As proposes for an import's summary.
    dialog.selectFile(tr("import summary.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    QSaveFile out(path);
    const QByteArray bytes = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        QMessageBox::warning(this, platform::AppTitle(),
                             //: %1 is the file's full path, %2 the reason.
                             tr("%1\nThe summary was not saved: %2")
                                 .arg(QDir::toNativeSeparators(path), out.errorString()));
    }
}
