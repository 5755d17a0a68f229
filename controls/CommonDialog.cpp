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

// `path` with `.ext` added when its name has no extension, as Qt's default suffix would be. Qt's
// own suffix is not used: it is added to a folder's name as well (it tests the name against the
// working folder, not the one the dialog shows) and to an empty name, so that "sub" or "sub/"
// and then an empty name would be saved as "sub.rtf" or "sub/.rtf" rather than open the folder.
QString WithExtension(const QString& path, const QString& ext) {
    const QString name = QFileInfo(path).fileName();
    if (name.size() > 1 && name.endsWith(u'.') && name.count(u'.') == 1) {
        return path + ext; // "chart." has a dot but no extension
    }
    if (ext.isEmpty() || name.isEmpty() || name.contains(u'.')) {
        return path;
    }
    return path + u'.' + ext;
}

} // namespace

// Why the Save As dialog's `path` cannot be taken under the flags, or nothing: a path whose
// folder does not exist, a name that is empty or only the extension, a read-only file.
QString CommonDialog::Refusal(const QString& path) const {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if ((Flags & cdlOFNPathMustExist) && !info.dir().exists()) {
        return QFileDialog::tr("%1\nThe folder does not exist. Check the path and try again.")
            .arg(shown);
    }
    const QString name = info.fileName();
    if (name.isEmpty() ||
        (!DefaultExt.isEmpty() && name.compare(u'.' + DefaultExt, Qt::CaseInsensitive) == 0)) {
        return QFileDialog::tr("%1\nThe file has no name. Type a name and try again.").arg(shown);
    }
    if ((Flags & cdlOFNNoReadOnlyReturn) && info.isFile() &&
        (!(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable())) {
        return QFileDialog::tr("%1\nThis file is read-only. Use a different name.").arg(shown);
    }
    return {};
}

CommonDialog::CommonDialog(QWidget* owner) : owner_(owner) {}

CommonDialog::~CommonDialog() = default;

int CommonDialog::ShowSave() {
    QFileDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("SaveAs"));
    // Qt's own dialog everywhere, so that it behaves the same on every desktop and in tests.
    // Nothing below depends on it: what the flags forbid is checked on the path the dialog
    // returns, which reopens it saying why, as the desktop's own dialog would be reopened.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(DialogTitle);
    dialog.setNameFilters(NameFilters(Filter));
    // Replacing is asked below, about the name with its extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!FileName.isEmpty()) {
        dialog.selectFile(FileName);
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return CancelError ? cdlCancel : 0;
        }
        const QString chosen = dialog.selectedFiles().first();
        if (QFileInfo(chosen).isDir()) {
            // A folder's name opens that folder (Qt's dialog does so itself; another may not).
            dialog.setDirectory(chosen);
            dialog.selectFile(QString());
            continue;
        }
        const QString path = WithExtension(chosen, DefaultExt);
        // The boxes belong to the window the dialog was shown over: the dialog is closed.
        if (const QString why = Refusal(path); !why.isEmpty()) {
            QMessageBox::warning(owner_, dialog.windowTitle(), why);
            continue;
        }
        if ((Flags & cdlOFNOverwritePrompt) && QFileInfo::exists(path) &&
            QMessageBox::warning(owner_, dialog.windowTitle(),
                                 QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes) {
            continue;
        }
        FileName = path;
        return 0;
    }
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
