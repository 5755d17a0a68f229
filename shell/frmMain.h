#pragma once

#include "casting/Cast.h"

#include <QMainWindow>

#include <memory>

class CastingBoard;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace journal {
class JournalStore;
} // namespace journal

namespace controls {
class LinkLabel;
class RichTextBox;
} // namespace controls

// The footer pick of this run, 1 to 6: odd shows the co-brand offer, even the full-brand one.
extern int intCoBrandRandomNumber;

// The main window: banner, description, the casting board and, beside it, the interpretation
// panel RTB, the promotional footer and the File and Help menus.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Draws 1 to 6 and brings lblCobrand (odd) or lblFullBrand (even) to the front of the
    // footer. The last step of start-up.
    void CoBrand_Randomize();
    // Casts this run's castings in `tableau`, leaving the remembered choice as it is.
    void UseTableauForRun(Tableau tableau);

    QMenu* nuFile = nullptr;
    QAction* mnuMothers = nullptr;
    QAction* mnuTableau = nullptr;
    QAction* mnuReading = nullptr;
    QAction* mnuKeep = nullptr;
    QAction* mnuJournal = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;

    controls::LinkLabel* Label61 = nullptr;
    controls::LinkLabel* Label2 = nullptr;
    CastingBoard* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    controls::RichTextBox* RTB = nullptr;
    QGroupBox* Frame5 = nullptr;
    controls::LinkLabel* lblCobrand = nullptr;
    controls::LinkLabel* lblFullBrand = nullptr;

signals:
    // The window was closed, by its close box or File, Exit.
    void unloaded();

public slots:
    // Print: opens the report window on the current report.
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Enter Mothers: the mothers typed or pasted in its window go on the board.
    void mnuMothers_Click();
    void mnuTableau_Click(bool checked);
    // Reading: opens the Reading window beside this one, or raises it.
    void mnuReading_Click();
    void mnuKeep_Click();
    void mnuJournal_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label61_Click();
    void Label2_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

private:
    // The journal of kept charts, made when first needed (not at start-up), for Keep and the
    // Journal window alike.
    journal::JournalStore& Journal();
    void BuildMenus();
    // The tableau item's check and caption: the choice for the castings to come, and while a
    // casting is on the board, that the choice waits for the next one.
    void ShowTableauChoice();
    void BuildFooter(QWidget* client);
    void Form_Load();
    void Form_Unload();

    std::unique_ptr<journal::JournalStore> journal;
};
