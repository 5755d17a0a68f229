#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window that asks for a chart's question (one line) and note (several lines), both of which
// may stay empty: for keeping a chart in the journal and for changing a kept one. OK hands the text
// to the write given by SetWrite (with a busy cursor while it runs) and closes once it is done;
// when the write fails, the window stays open with its text and says why.
class frmKeep : public QDialog {
    Q_OBJECT

public:
    // `caption` is the window's title; `chart` one line saying which chart it is about.
    frmKeep(QWidget* owner, const QString& caption, const QString& chart,
            const QString& question = QString(), const QString& note = QString());

    // What OK does: writes `question` and `note`, and returns why it could not (empty when it
    // could). Without one, OK just closes the window.
    using Write = std::function<QString(const QString& question, const QString& note)>;
    void SetWrite(Write write);

    QString Question() const;
    QString Note() const;

    void accept() override;

    QLabel* lblChart = nullptr;
    QLineEdit* txtQuestion = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Why the last OK could not write; empty until then.
    QLabel* lblFailure = nullptr;

private:
    Write write;
};
