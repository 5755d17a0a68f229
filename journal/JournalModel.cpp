#include "journal/JournalModel.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The fields of JournalStore::List's rows.
enum Field { IdField, KeptUtcField, OffsetField, QuestionField, NoteField };

// Enough of a note to recognise it by; the view elides what does not fit.
constexpr int NoteStart = 200;

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

JournalModel::JournalModel(QObject* parent) : QSqlQueryModel(parent) {}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::Field(int row, int field) const {
    // The query's own record, read through the base model, which fetches and caches its rows.
    return QSqlQueryModel::data(createIndex(row, field), Qt::DisplayRole);
}

QVariant JournalModel::data(const QModelIndex& item, int role) const {
    if (!item.isValid() || item.column() >= ColumnCount) {
        return {};
    }
    const int row = item.row();
    switch (item.column()) {
    case DateColumn:
        if (role == Qt::DisplayRole) {
            QDateTime kept =
                QDateTime::fromString(Field(row, KeptUtcField).toString(), Qt::ISODate);
            kept = kept.toOffsetFromUtc(Field(row, OffsetField).toInt());
            return QLocale().toString(kept, QLocale::ShortFormat);
        }
        break;
    case QuestionColumn:
        if (role == Qt::DisplayRole) {
            return OneLine(Field(row, QuestionField).toString());
        }
        if (role == Qt::ToolTipRole) {
            return Field(row, QuestionField);
        }
        if (role == Qt::AccessibleTextRole && Field(row, QuestionField).toString().isEmpty()) {
            //: Said by a screen reader for the empty question of a kept chart.
            return tr("no question");
        }
        break;
    case NoteColumn:
        if (role == Qt::DisplayRole) {
            return OneLine(Field(row, NoteField).toString());
        }
        if (role == Qt::ToolTipRole) {
            return Field(row, NoteField).toString().left(1000);
        }
        if (role == Qt::AccessibleTextRole && Field(row, NoteField).toString().isEmpty()) {
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
        return QSqlQueryModel::headerData(section, orientation, role);
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
    return row >= 0 && row < rowCount() ? Field(row, IdField).toLongLong() : 0;
}

int JournalModel::RowOf(qint64 id) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (ChartId(row) == id) {
            return row;
        }
    }
    return -1;
}
