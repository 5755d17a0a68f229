#pragma once

#include "casting/Chart.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class CastingBoard;
class CellChartsModel;
class FiguresModel;
class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace journal {
class JournalStore;
class MothersReader;
struct FiguresCount;
} // namespace journal

// The Figures window: how often each figure fell in each house over the charts the Journal
// window lists (the whole journal, or what its search leaves), in the tableau chosen above the
// table, with the counts random casting gives and a chi-square test per house. The counting runs
// in a thread of its own; a new search or tableau counts again, closing the window stops it.
// Choosing a cell lists the charts with that figure in that house; Open puts one on the casting
// board; Export writes the table as CSV. One at a time, beside the Journal window.
class frmFigures : public QWidget {
    Q_OBJECT

public:
    // Raises the Figures window that is open, counting for `search`, or opens one over `owner`.
    static frmFigures* ShowFigures(CastingBoard* board, QWidget* owner,
                                   journal::JournalStore& store, const QString& search);
    // The Figures window that is open, if any.
    static frmFigures* OpenWindow();

    frmFigures(CastingBoard* board, QWidget* owner, journal::JournalStore& store,
               const QString& search = {});
    ~frmFigures() override;

    // Counts the charts a search leaves (the whole journal when blank), once more.
    void SetSearch(const QString& search);
    // Counts again, for the text of `search`, each time `list` is listed again (a keystroke in
    // the search box, a chart kept, changed or removed), instead of any list followed before.
    void Follow(QAbstractItemModel* list, QLineEdit* search);
    // Whether a count is running.
    bool Counting() const;
    const FiguresModel* Figures() const { return model; }
    const CellChartsModel* Charts() const { return charts; }

    QLabel* lblTableau = nullptr;
    QComboBox* cboTableau = nullptr;
    QLabel* lblCounted = nullptr;
    QTableView* grdFigures = nullptr;
    QLabel* lblLegend = nullptr;
    QLabel* lblCharts = nullptr;
    QTableView* grdCharts = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // A count was shown (or its failure said).
    void Counted();

public slots:
    void cmdOpen_Click();
    void cmdExport_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Return or Enter presses the focused button; Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tableau ChosenTableau() const;
    // Starts counting again, dropping a count under way.
    void Count();
    void Show(std::shared_ptr<const journal::FiguresCount> count);
    void ChooseCell(const QModelIndex& cell);
    void ShowButtons();
    void Fail(const QString& why);

    CastingBoard* board;
    journal::JournalStore& store;
    QString search;
    FiguresModel* model = nullptr;
    CellChartsModel* charts = nullptr;
    QPointer<journal::MothersReader> reader;
    QMetaObject::Connection following;
};
