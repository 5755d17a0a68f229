#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSqlQuery>

// The kept charts as the Journal window lists them, over the rows of JournalStore::List (id,
// keptUtc, offsetSeconds, question, note): three columns, the date in the session's short date
// and time format at the offset where the chart was kept, the question, and the note's start on
// one line. Rows are read from the query as the view shows them, a block at a time; the query is
// finished once its last row is read.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, QuestionColumn, NoteColumn, ColumnCount };

    // Rows read at a time: more than the list shows at once.
    static constexpr int BlockRows = 32;

    explicit JournalModel(QObject* parent = nullptr);

    // Lists `rows`, a query of JournalStore::List, reading its first block.
    void SetRows(QSqlQuery rows);
    // Lists nothing.
    void Clear();
    // Reads further blocks until row `row` is read or there are no more rows.
    void FetchTo(int row);

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

private:
    struct Row {
        qint64 id = 0;
        QString keptUtc;
        int offsetSeconds = 0;
        QString question;
        QString note;
        // The date as shown, made when first shown.
        mutable QString date;
    };

    // Reads up to `count` rows from the query into `into`; finishes the query at its end.
    void Read(int count, QList<Row>& into);

    QSqlQuery query;
    QList<Row> rows;
};
