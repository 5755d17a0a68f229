#pragma once

#include "casting/Cast.h"

#include <QDialog>

#include <array>
#include <optional>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace controls {
class PictureBox;
} // namespace controls

// The "Enter Mothers" window: the four mothers laid out as the board lays them in a tableau,
// sixteen cells set from the keyboard (1, 2, Space, arrows) or by pasting the text form of a cast.
// OK is enabled once every cell is set.
class frmMothers : public QDialog {
    Q_OBJECT

public:
    // `layout` places Mother 1 at the left (classic) or at the right (diviners); `start` fills the
    // cells, or they start unset.
    frmMothers(QWidget* parent, Tableau layout, const std::optional<Mothers>& start);

    // Shows the window modal over `parent`; the mothers set when OK was pressed, nothing after
    // Cancel.
    static std::optional<Mothers> Ask(QWidget* parent, Tableau layout,
                                      const std::optional<Mothers>& start);

    // Cell c (Mother c / 4 + 1, row c % 4 + 1): 1 or 2 seeds, 0 while not set.
    DotCount Cell(int c) const { return cells[static_cast<std::size_t>(c)]; }
    // The mothers once all sixteen cells are set.
    std::optional<Mothers> Result() const;

    std::array<controls::PictureBox*, 16> picMother{};
    QLabel* lblReason = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    // The cells' keys, clicks and focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMotherFrame(Tableau layout);
    // Sets cell c to `value` (0 clears it) and shows it.
    void SetCell(int c, DotCount value);
    // Makes cell c the cells' one stop in the Tab chain.
    void TabStop(int c);
    // Gives cell c the focus, as the cells' Tab stop.
    void FocusCell(int c);
    // The cell an arrow key leads to from cell c, or c at the block's edge.
    int Neighbour(int c, int key) const;
    // Handles a key on cell c; false when it is not one of the cells' keys.
    bool CellKey(int c, const QKeyEvent* event);
    void Paste();
    // Shows `reason` under the block, and to screen readers; the hint when it is empty.
    void ShowReason(const QString& reason);

    Tableau layout;
    std::array<DotCount, 16> cells{};
};
