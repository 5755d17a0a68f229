#pragma once

#include "journal/JournalStore.h"

#include <QWidget>

class CastingBoard;
class JournalModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The Journal window: the kept charts, newest first, narrowed at each keystroke by the search
// box; Open puts the chosen chart on the casting board, Edit changes its question and note,
// Delete removes it after asking, Export writes the whole journal as CSV. A window of its own
// beside the main window, one at a time; it closes when its owner goes.
class frmJournal : public QWidget {
    Q_OBJECT

public:
    // Raises the Journal window that is open, or opens one over `owner` for `board`.
    static frmJournal* ShowJournal(CastingBoard* board, QWidget* owner);
    // The Journal window that is open, if any.
    static frmJournal* OpenWindow();
    // Keeps the chart on the board, once its twelve figures are there: asks for its question and
    // note, then keeps it, through the open Journal window's journal when there is one (which
    // then lists it). A journal that cannot take it is said in a message box and nothing
    // changes. Whether the chart was kept.
    static bool KeepBoardChart(QWidget* owner,
                               const QString& path = journal::JournalStore::DefaultPath());

    frmJournal(CastingBoard* board, QWidget* owner,
               const QString& path = journal::JournalStore::DefaultPath());

    // Lists again what the search box asks for, keeping the chosen chart chosen when it is
    // still listed.
    void Refresh();
    journal::JournalStore& Store() { return store; }

    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    QTableView* grdJournal = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

public slots:
    void cmdOpen_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdExport_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Return or Enter presses the focused button; Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Opens the file once it exists; false (with the reason in the window) when it cannot be.
    bool Ready();
    // The id of the chosen chart; 0 for none.
    qint64 ChosenId() const;
    void Choose(qint64 id, int fallbackRow);
    void ShowButtons();
    // Reads chart `id` in full, saying so when it cannot.
    std::optional<journal::KeptChart> Read(qint64 id);
    void Fail(const QString& why);

    CastingBoard* board;
    journal::JournalStore store;
    bool opened = false;
    // Why a journal made by a newer Kelvora can only be read, as the store said it.
    QString readOnlyWhy;
    JournalModel* model = nullptr;
};
