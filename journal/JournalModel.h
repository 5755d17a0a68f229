#pragma once

#include "journal/JournalStore.h"

#include <QAbstractTableModel>
#include <QList>

// The kept charts as the Journal window lists them, from JournalStore::List: three columns, the
// date in the session's short date and time format at the offset where the chart was kept, the
// question, and the note's start on one line. Rows are read a page at a time as the view shows
// them, each page after the last row read, so that no statement (and no read lock) stays open
// between pages. A page that cannot be read stops the list there: Failed() says why.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, QuestionColumn, NoteColumn, ColumnCount };

    // Rows read at a time: more than the list shows at once.
    static constexpr int BlockRows = 32;

    explicit JournalModel(QObject* parent = nullptr);

    // Lists what `store` has for `search`, reading its first page. False when that page could
    // not be read (LastError() says why; the rows before the fault are listed).
    bool SetRows(journal::JournalStore& store, const QString& search);
    // Lists nothing.
    void Clear();
    // Reads further pages until row `row` is read or there are no more rows.
    void FetchTo(int row);
    // Why the list stopped short; empty when it was read to its end or is still being read.
    QString LastError() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The id of the chart in `row`; 0 for no row.
    qint64 ChartId(int row) const;
    // The row of chart `id` among those read so far; -1 when it is not there.
    int RowOf(qint64 id) const;

signals:
    // A page could not be read: `why` names the file and the reason.
    void Failed(const QString& why);

private:
    struct Row {
        journal::ListedChart chart;
        // The date as shown, made when first shown.
        mutable QString date;
    };

    // Reads the next page into `into`; false at a fault.
    bool Read(QList<Row>& into);

    journal::JournalStore* store = nullptr;
    QString search;
    bool atEnd = true;
    QString lastError;
    QList<Row> rows;
};
