#pragma once

#include "journal/JournalStore.h"

#include <QWidget>

#include <memory>

class CastingBoard;
class JournalModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

// The Journal window: the kept charts, newest first, narrowed at each keystroke by the search
// box; Open puts the chosen chart on the casting board, Edit changes its question and note,
// Delete removes it after asking, Export writes the whole journal as CSV, Import keeps the charts
// of a CSV export or a text file of tableaux. A window of its own
// beside the main window, one at a time; it closes when its owner goes.
class frmJournal : public QWidget {
    Q_OBJECT

public:
    // Raises the Journal window that is open, or opens one beside `owner` for `board`, over
    // `store` (which outlives it).
    static frmJournal* ShowJournal(CastingBoard* board, QWidget* owner,
                                   journal::JournalStore& store);
    // The Journal window that is open, if any.
    static frmJournal* OpenWindow();
    // Keeps a chart of `mothers` in `tableau`: asks for its question and note, then keeps it in
    // `store`; the open Journal window then lists it. A journal that cannot take it is said
    // before anything is typed; a keep that fails leaves the window open with its text, saying
    // why. Whether the chart was kept.
    static bool KeepChart(QWidget* owner, journal::JournalStore& store, const Mothers& mothers,
                          Tableau tableau);

    frmJournal(CastingBoard* board, QWidget* owner, journal::JournalStore& store);
    // Over a journal of its own at `path`.
    frmJournal(CastingBoard* board, QWidget* owner,
               const QString& path = journal::JournalStore::DefaultPath());
    ~frmJournal() override;

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
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdFigures = nullptr;
    QPushButton* cmdClose = nullptr;

public slots:
    void cmdOpen_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdExport_Click();
    void cmdImport_Click();
    // Opens the Figures window over the charts listed now.
    void cmdFigures_Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Return or Enter presses the focused button; Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    frmJournal(CastingBoard* board, QWidget* owner, journal::JournalStore* store,
               std::unique_ptr<journal::JournalStore> own);
    // The id of the chosen chart; 0 for none.
    qint64 ChosenId() const;
    void Choose(qint64 id, int fallbackRow);
    void ShowButtons();
    // Says `text` below the list, with what is said whatever is listed.
    void Say(const QString& text);
    // Gives the question column the room its questions need, the note's start the rest.
    void FitColumns();
    // Puts the window beside its owner where the screen has room, or where it was left.
    void Place();
    // Reads chart `id` in full, saying so when it cannot.
    std::optional<journal::KeptChart> Read(qint64 id);
    void Fail(const QString& why);

    CastingBoard* board;
    std::unique_ptr<journal::JournalStore> ownStore;
    journal::JournalStore& store;
    JournalModel* model = nullptr;
    // Lists again once another program has let go of the file.
    QTimer* retry = nullptr;
    // Said once, until the next listing: the file was replaced, or brought to this version.
    QString once;
};
