#pragma once

#include <QFileDialog>

class QLineEdit;

// Qt's own Save As dialog (its widgets, so it behaves the same on every desktop and in tests),
// with the name checked where the user presses Save, so that the dialog stays up with its folder,
// name box and filter:
// - a folder's name, relative or absolute, with or without a slash, opens that folder and empties
//   the name box; Save on an empty name does nothing;
// - the default extension is added to a name that has none ("chart", "chart."), never to a
//   folder; a name that is only the extension (".rtf", ".RTF") is no name;
// - a name in a folder that does not exist, a read-only file, or a name longer in bytes than the
//   folder's file system takes, is refused with a box saying why;
// - an existing file is replaced only after the question, unless DontConfirmOverwrite is set.
// A name that passes ends the dialog as Qt's own does, with the completed name selected:
// fileSelected() is emitted with it and selectedFiles() holds it.
namespace controls {

class SaveAsDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit SaveAsDialog(QWidget* owner);

    // The extension, without its dot, added to a name typed without one. Qt's own default
    // suffix is not used: it tests whether a relative name is a folder in the working folder
    // rather than in the folder shown.
    void setDefaultExtension(const QString& extension) { defaultExtension_ = extension; }

public slots:
    void accept() override;

private:
    QLineEdit* NameBox() const;
    void OpenFolder(const QString& folder);
    QString Refusal(const QString& path) const;

    QString defaultExtension_;
};

} // namespace controls
