#include "controls/SaveAsDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>

#include <unistd.h>

namespace controls {

namespace {

// `path` with `.extension` added when its name has no extension; a name ending in a dot takes
// the extension behind that dot.
QString WithExtension(const QString& path, const QString& extension) {
    const QString name = QFileInfo(path).fileName();
    if (extension.isEmpty() || name.isEmpty()) {
        return path;
    }
    if (name.endsWith(u'.')) {
        return path + extension;
    }
    return name.contains(u'.') ? path : path + u'.' + extension;
}

} // namespace

// The texts are translated under "SaveAsDialog", without the namespace that tr() would put in:
// Qt 6.4's lupdate and Qt 6.8's name a namespaced class differently, but read a context given
// in full alike.
SaveAsDialog::SaveAsDialog(QWidget* owner) : QFileDialog(owner) {
    setObjectName(QStringLiteral("SaveAs"));
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

// Why `path` cannot be saved to, or nothing.
QString SaveAsDialog::Refusal(const QString& path) const {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.dir().exists()) {
        //: %1 is the file's full path, on a line of its own.
        return QCoreApplication::translate(
                   "SaveAsDialog", "%1\nThe folder does not exist. Check the path and try again.")
            .arg(shown);
    }
    // The file system counts a name in the bytes it is stored as (UTF-8), as Qt's own dialog
    // does not: it weighs UTF-16 characters, so that an accented name passes it and fails later.
    const long limit = ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    if (limit >= 0 && QFile::encodeName(info.fileName()).size() > limit) {
        //: %1 is the file's full path, on a line of its own.
        return QCoreApplication::translate("SaveAsDialog",
                                           "%1\nThe name is too long. Use a shorter name.")
            .arg(shown);
    }
    if (!defaultExtension_.isEmpty() &&
        info.fileName().compare(u'.' + defaultExtension_, Qt::CaseInsensitive) == 0) {
        //: %1 is the file's full path, whose name is only the extension (".rtf").
        return QCoreApplication::translate("SaveAsDialog",
                                           "%1\nThe file has no name. Type a name and try again.")
            .arg(shown);
    }
    if (info.isFile() && (!(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable())) {
        //: %1 is the file's full path, on a line of its own.
        return QCoreApplication::translate("SaveAsDialog",
                                           "%1\nThis file is read-only. Use a different name.")
            .arg(shown);
    }
    return {};
}

QLineEdit* SaveAsDialog::NameBox() const {
    // The dialog's one line edit.
    return findChild<QLineEdit*>();
}

void SaveAsDialog::OpenFolder(const QString& folder) {
    setDirectory(folder);
    // The name box would otherwise keep the folder's name, to which the next name typed would be
    // glued, and the name completer's list would stay open, empty, over the filter.
    QLineEdit* edit = NameBox();
    if (edit == nullptr) {
        return;
    }
    edit->clear();
    if (QCompleter* completer = edit->completer()) {
        completer->popup()->hide();
    }
}

// What Save or Return does. Qt's dialog tells what the name box and the list mean (a name relative
// to the folder shown, "~", a chosen folder); an empty name box gives the folder shown.
void SaveAsDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty()) {
        return;
    }
    const QString path = WithExtension(files.first(), defaultExtension_);
    for (const QString& folder : {files.first(), path}) {
        if (QFileInfo(folder).isDir()) {
            OpenFolder(QFileInfo(folder).absoluteFilePath());
            return;
        }
    }
    if (const QString why = Refusal(path); !why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    if (!testOption(DontConfirmOverwrite) && QFileInfo::exists(path) &&
        QMessageBox::warning(this, windowTitle(),
                             //: %1 is the file's name, without its folder.
                             QCoreApplication::translate(
                                 "SaveAsDialog", "%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName()),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    // Qt's own accept ends the dialog with the name it reads from the name box, which gets the
    // completed name: in the folder shown, the file's name (selectFile also drops a choice in the
    // file list, which would win over the box); elsewhere, its whole path. Replacing was asked
    // about already.
    QLineEdit* edit = NameBox();
    if (edit == nullptr) {
        return;
    }
    const QString typed = edit->text();
    const QFileInfo saved(path);
    const bool here = saved.absolutePath() == directory().absolutePath();
    if (here) {
        selectFile(saved.fileName());
    }
    edit->setText(here ? saved.fileName() : path);
    const bool confirm = !testOption(DontConfirmOverwrite);
    setOption(DontConfirmOverwrite);
    QFileDialog::accept();
    setOption(DontConfirmOverwrite, !confirm);
    if (result() != Accepted) {
        // Every refusal known is said above with its reason; Qt's own accept refused for one
        // that is not, and it says nothing itself.
        edit->setText(typed);
        QMessageBox::warning(
            this, windowTitle(),
            //: %1 is the file's full path, on a line of its own.
            QCoreApplication::translate("SaveAsDialog",
                                        "%1\nThe name cannot be used. Use a different name.")
                .arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace controls
