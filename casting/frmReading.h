#pragma once

#include "casting/Cast.h"

#include <QWidget>

class CastingBoard;
class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;

// Where a window whose frame is `size` goes beside a main window whose frame is `owner`, on a
// screen whose free area is `room`, top edges level, so that the board stays in view: on the
// right where there is room, else on the left; where neither side has room, the main window first
// moves left (to `ownerLeft`) as far as it needs and can, and the window goes against the screen's
// right edge, over at most the right of the main window, where the interpretation panel is.
struct Beside {
    QPoint window;
    int ownerLeft;
};
Beside BesidePlace(const QRect& owner, const QSize& size, const QRect& room);

// The Reading window: the chart on the board read the way diviners read a tableau, beside the
// main window. It lists the sixteen houses with their names, figures, titles and princes or
// slaves, and the readings for the question's column chosen in it (remembered). It follows the
// board: a new chart or an opened one is read at once, an empty board empties it. One at a time,
// not modal; it closes when its owner goes.
class frmReading : public QWidget {
    Q_OBJECT

public:
    // Raises the Reading window that is open, or opens one beside `owner` for `board`.
    static frmReading* ShowReading(CastingBoard* board, QWidget* owner);
    // The Reading window that is open, if any.
    static frmReading* OpenWindow();

    frmReading(CastingBoard* board, QWidget* owner);

    // Reads the board again: its chart once twelve figures are there, otherwise nothing.
    void Refresh();
    // The question's column, 1 to 4.
    int Column() const;
    // The window's text, as HTML, for `mothers` read in the diviners' tableau with the question in
    // house `column`; `sentences` receives the readings' sentences.
    static QString Compose(const Mothers& mothers, int column, QStringList& sentences);
    // The readings shown, one sentence per line; empty while the board holds no chart.
    QStringList Sentences() const { return sentences; }

    QLabel* lblChart = nullptr;
    QLabel* lblColumn = nullptr;
    QComboBox* cboColumn = nullptr;
    QTextEdit* txtReading = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    // Return or Enter presses the focused button; Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cboColumn_Changed(int index);
    void cmdCopy_Click();

    CastingBoard* board;
    QStringList sentences;
};
