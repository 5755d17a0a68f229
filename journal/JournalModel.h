#pragma once

#include <QSqlQueryModel>

// The kept charts as the Journal window lists them, over the rows of JournalStore::List (id,
// keptUtc, offsetSeconds, question, note): three columns, the date in the session's short date
// and time format at the offset where the chart was kept, the question, and the note's start on
// one line. Rows are fetched as they are shown.
class JournalModel : public QSqlQueryModel {
    Q_OBJECT

public:
    enum Column { DateColumn, QuestionColumn, NoteColumn, ColumnCount };

    explicit JournalModel(QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The id of the chart in `row`; 0 for no row.
    qint64 ChartId(int row) const;
    // The row of chart `id` among those fetched so far; -1 when it is not there.
    int RowOf(qint64 id) const;

private:
    QVariant Field(int row, int field) const;
};
