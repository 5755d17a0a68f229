#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window that asks for a chart's question (one line) and note (several lines), both of which
// may stay empty: for keeping a chart in the journal and for changing a kept one. It only asks;
// whoever opens it keeps or changes the chart.
class frmKeep : public QDialog {
    Q_OBJECT

public:
    // `caption` is the window's title; `chart` one line saying which chart it is about.
    frmKeep(QWidget* owner, const QString& caption, const QString& chart,
            const QString& question = QString(), const QString& note = QString());

    QString Question() const;
    QString Note() const;

    QLabel* lblChart = nullptr;
    QLineEdit* txtQuestion = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
