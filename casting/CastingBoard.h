#pragma once

#include "casting/Cast.h"

#include <QGroupBox>

#include <array>
#include <vector>

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

    // The caption of cmdProceed for a press count: what the next press does in a casting of
    // `tableau`.
    static QString StateCaption(int count, Tableau tableau = chartTableau);
    // The longer account of the next press, the casting button's accessible description.
    static QString StateDescription(int count, Tableau tableau = chartTableau);

    // Puts the display into its initial state: no dot, first caption, Print disabled.
    void Form_Load();

    // The tableau of the castings to come. It applies at once to an empty board, otherwise from
    // the next casting: a chart is never a mix.
    void SetTableau(Tableau tableau);
    Tableau NextTableau() const { return nextTableau; }
    // Whether a casting is on the board (the first press made, the reset press not yet).
    static bool CastingUnderWay() { return intPressCount > 0; }
    // The board's mothers, once all four are there.
    static std::optional<Mothers> BoardMothers();

    // Replaces whatever the board holds, as the reset press would, with `mothers` as if pressed 1
    // to 4, in the tableau of the castings to come.
    void EnterMothers(const Mothers& mothers);
    // Replaces whatever the board holds with the chart of `mothers` in `tableau`, as after its
    // twelfth press.
    void OpenChart(const Mothers& mothers, Tableau tableau);

    QPushButton* cmdProceed = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<controls::PictureBox*, 48> picCircle{};
    std::array<QLabel*, 16> Label1{};

signals:
    // Command1 was clicked: the report window is to be opened.
    void printRequested();
    // The press count changed: a press, a reset, or a chart placed on the board.
    void castingChanged();

public slots:
    void cmdProceed_Click();

private:
    // The work of the press that brings the count to `next` (0 after the reset).
    void DoPress(int next);
    // Makes the figure of press `next` (1..12) in the current tableau.
    void CreateFigure(int next);
    // Undoes what a failed press did: the cells it stored and their dots go, and so does the
    // interpretation it began.
    void TakeBack();
    // The reset: no cell, no dot, Print disabled, the panel empty, the caption of count 0.
    void ClearBoard();
    void PlaceChart(const Mothers& mothers, Tableau tableau, int count);
    // Places the mother columns and their labels for the current tableau.
    void LayOutMothers();
    void BuildMotherFrame();
    void BuildDaughterFrame();
    // Shows cell c in dot picture c.
    void ShowCell(int c);
    void HideAllDots();
    // Shows on cmdProceed what the press after count `count` will do.
    void ShowState(int count);

    controls::RichTextBox* RTB;
    Tableau nextTableau = Tableau::Classic;
    std::array<QWidget*, 4> motherColumns{};
    // The cells the press under way has written, for TakeBack.
    std::vector<int> pressCells;
};
