#include "controls/CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace controls {

namespace {

// Qt's name filters from "Description|pattern|Description|pattern".
QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed()));
    }
    return filters;
}

// Qt's Save As dialog, refusing what the flags forbid before it closes: a path whose folder does
// not exist, or a read-only file. The dialog stays open and says why.
class SaveAsDialog : public QFileDialog {
public:
    SaveAsDialog(QWidget* owner, long flags) : QFileDialog(owner), flags_(flags) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo info(files.first());
            if ((flags_ & cdlOFNPathMustExist) && !info.isDir() && !info.dir().exists()) {
                Refuse(tr("%1\nThe folder does not exist. Check the path and try again.")
                           .arg(QDir::toNativeSeparators(info.filePath())));
                return;
            }
            if ((flags_ & cdlOFNNoReadOnlyReturn) && info.isFile() &&
                !(info.permissions() & QFileDevice::WriteOwner)) {
                Refuse(tr("%1\nThis file is read-only. Use a different name.")
                           .arg(QDir::toNativeSeparators(info.filePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    void Refuse(const QString& why) { QMessageBox::warning(this, windowTitle(), why); }

    long flags_;
};

} // namespace

CommonDialog::CommonDialog(QWidget* owner) : owner_(owner) {}

CommonDialog::~CommonDialog() = default;

int CommonDialog::ShowSave() {
    SaveAsDialog dialog(owner_, Flags);
    dialog.setObjectName(QStringLiteral("SaveAs"));
    // Qt's own dialog everywhere, so that it behaves the same on every desktop and in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(DialogTitle);
    dialog.setNameFilters(NameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Flags & cdlOFNOverwritePrompt));
    if (!FileName.isEmpty()) {
        dialog.selectFile(FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return CancelError ? cdlCancel : 0;
    }
    FileName = dialog.selectedFiles().first();
    return 0;
}

int CommonDialog::ShowPrinter() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    printerChosen_ = false;
    QPrintDialog dialog(printer_.get(), owner_);
    dialog.setObjectName(QStringLiteral("Print"));
    if (!DialogTitle.isEmpty()) {
        dialog.setWindowTitle(DialogTitle);
    }
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (!(Flags & cdlPDNoSelection)) {
        options |= QAbstractPrintDialog::PrintSelection;
    }
    if (!(Flags & cdlPDNoPageNums)) {
        options |= QAbstractPrintDialog::PrintPageRange;
    }
    dialog.setOptions(options);
    printer_->setPrintRange((Flags & cdlPDSelection) ? QPrinter::Selection : QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        return CancelError ? cdlCancel : 0;
    }
    printerChosen_ = (Flags & cdlPDReturnDC) != 0;
    return 0;
}

QPrinter* CommonDialog::hDC() const {
    return printerChosen_ ? printer_.get() : nullptr;
}

} // namespace controls
