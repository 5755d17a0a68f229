#pragma once

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace controls {
class PictureBox;
class RichTextBox;
} // namespace controls

// The casting board, the frame "Renin-tsikidy" of the main window: the four mother columns, the
// eight daughter columns, the casting button cmdProceed and the Print button Command1. Its
// caption, dots and Print button always follow intPressCount.
class CastingBoard : public QGroupBox {
    Q_OBJECT

public:
    // `RTB` is the main window's interpretation box, which the board fills on the interpretation
    // press and empties on the reset press.
    CastingBoard(QWidget* parent, controls::RichTextBox* RTB);

    // The caption of cmdProceed for a press count: what the next press does.
    static QString StateCaption(int count);
    // The longer account of the next press, the casting button's accessible description.
    static QString StateDescription(int count);

    // Puts the display into its initial state: no dot, first caption, Print disabled.
    void Form_Load();

    QPushButton* cmdProceed = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<controls::PictureBox*, 48> picCircle{};
    std::array<QLabel*, 16> Label1{};

signals:
    // Command1 was clicked: the report window is to be opened.
    void printRequested();

public slots:
    void cmdProceed_Click();

private:
    // The work of the press that brings the count to `next` (0 after the reset).
    void DoPress(int next);
    // Undoes what a failed press did: the cells it stored and their dots go, and so does the
    // interpretation it began.
    void TakeBack();
    void BuildMotherFrame();
    void BuildDaughterFrame();
    // Shows cell c in dot picture c.
    void ShowCell(int c);
    void HideAllDots();
    // Shows on cmdProceed what the press after count `count` will do.
    void ShowState(int count);

    controls::RichTextBox* RTB;
};
