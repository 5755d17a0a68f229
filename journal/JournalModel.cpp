#include "journal/JournalModel.h"

#include <QDateTime>
#include <QLocale>

namespace {

// Enough of a note to recognise it by; the view elides what does not fit.
constexpr int NoteStart = 200;
// As much of a note as its tooltip shows: all a row keeps of it.
constexpr int NoteShown = 1000;

QString OneLine(const QString& text) {
    QString line = text.left(NoteStart);
    for (QChar& c : line) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return text.size() > NoteStart ? line + QChar(0x2026) : line;
}

} // namespace

JournalModel::JournalModel(QObject* parent) : QAbstractTableModel(parent) {}

bool JournalModel::SetRows(journal::JournalStore& from, const QString& typed) {
    beginResetModel();
    rows.clear();
    store = &from;
    search = typed;
    atEnd = false;
    lastError.clear();
    const bool ok = Read(rows);
    endResetModel();
    return ok;
}

void JournalModel::Clear() {
    beginResetModel();
    rows.clear();
    store = nullptr;
    atEnd = true;
    lastError.clear();
    endResetModel();
}

QString JournalModel::LastError() const {
    return lastError;
}

bool JournalModel::Read(QList<Row>& into) {
    if (atEnd || !store) {
        return true;
    }
    journal::ListKey after;
    const QList<Row>& read = rows.isEmpty() ? into : rows;
    if (!read.isEmpty()) {
        after = {read.last().chart.keptUtc, read.last().chart.id};
    }
    journal::ListPage page = store->List(search, after, BlockRows);
    for (journal::ListedChart& chart : page.rows) {
        chart.note.truncate(NoteShown);
        into.append({std::move(chart), QString()});
    }
    atEnd = page.atEnd || !page.ok;
    if (!page.ok) {
        lastError = store->LastError();
    }
    return page.ok;
}

bool JournalModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !atEnd;
}

void JournalModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid()) {
        return;
    }
    QList<Row> more;
    const bool ok = Read(more);
    if (!more.isEmpty()) {
        beginInsertRows(QModelIndex(), int(rows.size()), int(rows.size() + more.size() - 1));
        rows.append(std::move(more));
        endInsertRows();
    }
    if (!ok) {
        emit Failed(lastError);
    }
}

void JournalModel::FetchTo(int row) {
    while (row >= rows.size() && canFetchMore(QModelIndex())) {
        fetchMore(QModelIndex());
    }
}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& item, int role) const {
    if (!item.isValid() || item.row() >= rows.size() || item.column() >= ColumnCount) {
        return {};
    }
    const journal::ListedChart& row = rows.at(item.row()).chart;
    const QString& date = rows.at(item.row()).date;
    switch (item.column()) {
    case DateColumn:
        if (role == Qt::DisplayRole) {
            if (date.isNull()) {
                const QDateTime kept = QDateTime::fromString(row.keptUtc, Qt::ISODate);
                rows.at(item.row()).date = QLocale().toString(
                    kept.toOffsetFromUtc(row.offsetSeconds), QLocale::ShortFormat);
            }
            return date;
        }
        break;
    case QuestionColumn:
        if (role == Qt::DisplayRole) {
            return OneLine(row.question);
        }
        if (role == Qt::ToolTipRole) {
            return row.question;
        }
        if (role == Qt::AccessibleTextRole && row.question.isEmpty()) {
            //: Said by a screen reader for the empty question of a kept chart.
            return tr("no question");
        }
        break;
    case NoteColumn:
        if (role == Qt::DisplayRole) {
            return OneLine(row.note);
        }
        if (role == Qt::ToolTipRole) {
            return row.note;
        }
        if (role == Qt::AccessibleTextRole && row.note.isEmpty()) {
            //: Said by a screen reader for the empty note of a kept chart.
            return tr("no note");
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case DateColumn:
        //: Column header of the journal's list: when the chart was kept.
        return tr("Date");
    case QuestionColumn:
        //: Column header of the journal's list.
        return tr("Question");
    case NoteColumn:
        //: Column header of the journal's list.
        return tr("Note");
    default:
        return {};
    }
}

qint64 JournalModel::ChartId(int row) const {
    return row >= 0 && row < rows.size() ? rows.at(row).chart.id : 0;
}

int JournalModel::RowOf(qint64 id) const {
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).chart.id == id) {
            return row;
        }
    }
    return -1;
}
