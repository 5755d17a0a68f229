#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace journal {
struct ImportSummary;
}

// What an import did, said once it is over: how many charts were kept, how many were kept
// already, and each refused line with its number and reason. Save As… writes all of it as text.
class frmImportSummary : public QDialog {
    Q_OBJECT

public:
    // `file` is the imported file's path.
    frmImportSummary(QWidget* owner, const QString& file, const journal::ImportSummary& summary);

    QLabel* lblOutcome = nullptr;
    QLabel* lblRefused = nullptr;
    QPlainTextEdit* txtRefused = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

public slots:
    void cmdSave_Click();

private:
    QString text;
};
