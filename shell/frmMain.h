#pragma once

#include <QMainWindow>

class CastingBoard;
class QGroupBox;

namespace platform {
class RichTextBox;
}

// The main window: the casting board and, beside it, the interpretation panel RTB.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    CastingBoard* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    platform::RichTextBox* RTB = nullptr;

public slots:
    // Print: opens the report window on the current report.
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
};
