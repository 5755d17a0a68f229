#pragma once

#include "journal/MothersReader.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>

#include <memory>

namespace journal {
class JournalStore;
}

// The Figures window's table: a row per house (its number and name), a column per figure (its
// digits and title) holding the count with the count random casting gives beside it, shaded by
// the standardised residual, then the house's chi-square, degrees of freedom, p-value and verdict.
class FiguresModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ChiSquareColumn = figures::FigureCount,
        DegreesColumn,
        PColumn,
        VerdictColumn,
        ColumnCount
    };
    // The role that gives a cell's standardised residual, (count - expected) / sqrt(expected).
    static constexpr int ResidualRole = Qt::UserRole + 1;

    explicit FiguresModel(QObject* parent = nullptr);

    // Shows `count`; nothing for a null one.
    void SetCount(std::shared_ptr<const journal::FiguresCount> count);
    const journal::FiguresCount* Count() const { return count.get(); }

    // The verdict of a house in words: "too few charts", "unusual", "copy of house 5", …
    static QString VerdictText(const figures::HouseTest& test);
    // A house as the board names it: "1 Tale".
    static QString HouseName(int house);
    // The table as CSV (journal/CsvWriter.h's quoting, CRLF, a byte-order mark): a row per house,
    // a count and an expected count per figure, then the test.
    QByteArray Csv() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const journal::FiguresCount> count;
    std::array<figures::HouseTest, HouseCount> tests{};
};

// The charts with one figure in one house, by their time and question, newest first: read from
// the journal a page at a time as the view shows them.
class CellChartsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { DateColumn, QuestionColumn, ColumnCount };
    static constexpr int BlockRows = 64;

    explicit CellChartsModel(QObject* parent = nullptr);

    // Lists the charts of `count` with figure `figure` (0..15) in house `house` (1..16).
    void SetCell(journal::JournalStore& store, const journal::FiguresCount& count, int house,
                 int figure);
    void Clear();
    qint64 ChartId(int row) const;
    // How many charts the cell holds (all of them, read or not).
    int Total() const { return int(ids.size()); }
    QString LastError() const { return lastError; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    void Failed(const QString& why);

private:
    struct Row {
        QString date;
        QString question;
    };

    journal::JournalStore* store = nullptr;
    std::vector<qint64> ids;
    QList<Row> rows;
    QString lastError;
};
