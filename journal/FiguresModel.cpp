#include "journal/FiguresModel.h"

#include "casting/ReadingText.h"
#include "controls/Look.h"
#include "journal/CsvWriter.h"
#include "journal/JournalStore.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <cmath>

namespace {

QString Decimal(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

// A p-value as people read them: three significant figures, tiny ones in scientific notation.
QString PValue(double p) {
    return p < 0.001 ? QLocale().toString(p, 'e', 2) : QLocale().toString(p, 'g', 3);
}

// The same numbers for a CSV file, whatever the session's language.
QString CsvNumber(double value, char format, int precision) {
    return QString::number(value, format, precision);
}

// The shade of a standardised residual: white at zero, deeper red the more a figure fell above
// what random casting gives, deeper blue below, full at 4 standard deviations.
QColor Shade(double residual) {
    const double depth = std::min(std::abs(residual), 4.0) / 4.0;
    const int faded = int(std::lround(255 - 175 * depth));
    return residual >= 0 ? QColor(255, faded, faded) : QColor(faded, faded, 255);
}

} // namespace

FiguresModel::FiguresModel(QObject* parent) : QAbstractTableModel(parent) {}

void FiguresModel::SetCount(std::shared_ptr<const journal::FiguresCount> given) {
    beginResetModel();
    count = std::move(given);
    for (int h = 1; h <= HouseCount; ++h) {
        tests[static_cast<std::size_t>(h - 1)] =
            count ? figures::TestHouse(count->tally, h) : figures::HouseTest();
    }
    endResetModel();
}

QString FiguresModel::HouseName(int house) {
    return QStringLiteral("%1 %2").arg(house).arg(QLatin1String(HouseEntry(house).name));
}

QString FiguresModel::VerdictText(const figures::HouseTest& test) {
    switch (test.verdict) {
    case figures::Verdict::NoCharts:
        //: A house's verdict in the Figures table: nothing was counted.
        return tr("no charts");
    case figures::Verdict::TooFew:
        //: A house's verdict: some expected count is below five, so the test says little.
        return tr("too few charts");
    case figures::Verdict::Copy:
        //: A house's verdict in the classic tableau: it always holds house %1's figure.
        return tr("copy of house %1").arg(test.copyOf);
    case figures::Verdict::Usual:
        //: A house's verdict: its counts are like random casting's.
        return tr("like random casting");
    case figures::Verdict::Unusual:
        //: A house's verdict: p below 0.05/16.
        return tr("unusual");
    }
    return {};
}

int FiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !count ? 0 : HouseCount;
}

int FiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FiguresModel::data(const QModelIndex& item, int role) const {
    if (!count || !item.isValid() || item.row() >= HouseCount || item.column() >= ColumnCount) {
        return {};
    }
    const int house = item.row() + 1;
    const figures::HouseTest& test = tests[static_cast<std::size_t>(item.row())];
    if (item.column() < figures::FigureCount) {
        const int figure = item.column();
        const qint64 observed =
            count->tally
                .counts[static_cast<std::size_t>(item.row())][static_cast<std::size_t>(figure)];
        const double expected =
            figures::Expected(count->tally.tableau, house, figure, count->tally.charts);
        const double residual =
            expected > 0 ? (double(observed) - expected) / std::sqrt(expected) : 0.0;
        switch (role) {
        case Qt::DisplayRole:
            //: A cell of the Figures table: %1 charts counted, %2 what random casting gives.
            return tr("%1 (%2)").arg(QLocale().toString(observed), Decimal(expected, 1));
        case Qt::AccessibleTextRole:
            //: A cell of the Figures table to screen readers.
            return tr("%1 charts, %2 expected")
                .arg(QLocale().toString(observed), Decimal(expected, 1));
        case Qt::BackgroundRole:
            return expected > 0 ? Shade(residual) : QColor(controls::LightGrey);
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case ResidualRole:
            return residual;
        default:
            return {};
        }
    }
    const bool tested = test.verdict == figures::Verdict::TooFew ||
                        test.verdict == figures::Verdict::Usual ||
                        test.verdict == figures::Verdict::Unusual;
    if (role == Qt::TextAlignmentRole) {
        return int((item.column() == VerdictColumn ? Qt::AlignLeft : Qt::AlignRight) |
                   Qt::AlignVCenter);
    }
    if (role == Qt::FontRole && test.verdict == figures::Verdict::Unusual) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::AccessibleTextRole && !tested && item.column() != VerdictColumn) {
        //: Said by a screen reader for the empty test cells of a copy or of no charts.
        return tr("not tested");
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (item.column()) {
    case ChiSquareColumn:
        return tested ? Decimal(test.chiSquare, 2) : QString();
    case DegreesColumn:
        return tested ? QLocale().toString(test.degrees) : QString();
    case PColumn:
        return tested ? PValue(test.p) : QString();
    case VerdictColumn:
        return VerdictText(test);
    default:
        return {};
    }
}

QVariant FiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (section >= 0 && section < HouseCount &&
            (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
            return HouseName(section + 1);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section >= 0 && section < figures::FigureCount) {
        const Figure figure = figures::FigureAt(section);
        if (role == Qt::DisplayRole) {
            return FigureDigits(figure);
        }
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
            return FigureDigits(figure) + u' ' + FigureTitle(figure);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case ChiSquareColumn:
        //: Column header of the Figures table: the house's chi-square statistic.
        return tr("Chi-square");
    case DegreesColumn:
        //: Column header of the Figures table: degrees of freedom.
        return tr("df");
    case PColumn:
        //: Column header of the Figures table: the test's p-value.
        return tr("p");
    case VerdictColumn:
        //: Column header of the Figures table.
        return tr("Verdict");
    default:
        return {};
    }
}

QByteArray FiguresModel::Csv() const {
    using journal::csv::Field;
    QStringList header{Field(tr("House"))};
    for (int f = 0; f < figures::FigureCount; ++f) {
        const QString digits = FigureDigits(figures::FigureAt(f));
        //: CSV column header: the count of figure %1 (its digits).
        header << Field(tr("%1 count").arg(digits))
               //: CSV column header: the count random casting gives figure %1.
               << Field(tr("%1 expected").arg(digits));
    }
    header << Field(tr("Chi-square")) << Field(tr("df")) << Field(tr("p")) << Field(tr("Verdict"));
    QByteArray csv = QByteArrayLiteral("\xEF\xBB\xBF") + header.join(u',').toUtf8() + "\r\n";
    if (!count) {
        return csv;
    }
    for (int h = 1; h <= HouseCount; ++h) {
        const figures::HouseTest& test = tests[static_cast<std::size_t>(h - 1)];
        QStringList row{Field(HouseName(h))};
        for (int f = 0; f < figures::FigureCount; ++f) {
            row << QString::number(count->tally.counts[static_cast<std::size_t>(h - 1)]
                                                      [static_cast<std::size_t>(f)])
                << CsvNumber(figures::Expected(count->tally.tableau, h, f, count->tally.charts),
                             'g', 10);
        }
        const bool tested = test.verdict == figures::Verdict::TooFew ||
                            test.verdict == figures::Verdict::Usual ||
                            test.verdict == figures::Verdict::Unusual;
        row << (tested ? CsvNumber(test.chiSquare, 'g', 6) : QString())
            << (tested ? QString::number(test.degrees) : QString())
            << (tested ? CsvNumber(test.p, 'g', 4) : QString()) << Field(VerdictText(test));
        csv += row.join(u',').toUtf8() + "\r\n";
    }
    return csv;
}

CellChartsModel::CellChartsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CellChartsModel::SetCell(journal::JournalStore& from, const journal::FiguresCount& count,
                              int house, int figure) {
    beginResetModel();
    store = &from;
    ids.clear();
    rows.clear();
    lastError.clear();
    for (std::size_t i = 0; i < count.ids.size(); ++i) {
        if (figures::CastHouses(count.casts[i],
                                count.tally.tableau)[static_cast<std::size_t>(house - 1)] ==
            figure) {
            ids.push_back(count.ids[i]);
        }
    }
    endResetModel();
    fetchMore(QModelIndex());
}

void CellChartsModel::Clear() {
    beginResetModel();
    store = nullptr;
    ids.clear();
    rows.clear();
    lastError.clear();
    endResetModel();
}

qint64 CellChartsModel::ChartId(int row) const {
    return row >= 0 && row < rows.size() ? ids[static_cast<std::size_t>(row)] : 0;
}

bool CellChartsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && store && lastError.isEmpty() && rows.size() < qsizetype(ids.size());
}

void CellChartsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    QList<Row> more;
    const qsizetype end = std::min<qsizetype>(rows.size() + BlockRows, qsizetype(ids.size()));
    for (qsizetype i = rows.size(); i < end; ++i) {
        const std::optional<journal::KeptChart> chart =
            store->Find(ids[static_cast<std::size_t>(i)]);
        if (!chart) {
            // Removed since it was counted, or the file could not be read: the list stops here.
            lastError = store->LastError();
            break;
        }
        more.append({QLocale().toString(chart->keptUtc.toOffsetFromUtc(chart->offsetSeconds),
                                        QLocale::ShortFormat),
                     chart->question});
    }
    if (!more.isEmpty()) {
        beginInsertRows(QModelIndex(), int(rows.size()), int(rows.size() + more.size() - 1));
        rows.append(more);
        endInsertRows();
    }
    if (!lastError.isEmpty()) {
        emit Failed(lastError);
    }
}

int CellChartsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int CellChartsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CellChartsModel::data(const QModelIndex& item, int role) const {
    if (!item.isValid() || item.row() >= rows.size()) {
        return {};
    }
    const Row& row = rows.at(item.row());
    const QString& text = item.column() == DateColumn ? row.date : row.question;
    if (role == Qt::DisplayRole) {
        QString line = text;
        line.replace(u'\n', u' ');
        return line;
    }
    if (role == Qt::ToolTipRole) {
        return text;
    }
    if (role == Qt::AccessibleTextRole && text.isEmpty()) {
        //: Said by a screen reader for the empty question of a kept chart.
        return tr("no question");
    }
    return {};
}

QVariant CellChartsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    //: Column headers of the list of charts with a figure in a house.
    return section == DateColumn ? tr("Date") : tr("Question");
}
