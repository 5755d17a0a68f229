#include "journal/Import.h"

#include "casting/TableauCheck.h"
#include "journal/CsvWriter.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace journal {

namespace {

// The longest line of a text file; the rest of a longer one is skipped and the line refused.
constexpr qint64 LongestLine = 1 << 20;
// The longest record of the CSV export (its fields may hold line breaks). Where a longer one
// ends cannot be told, and so where the next starts: the import stops there.
constexpr qint64 LongestRecord = 16 << 20;
// The columns of the CSV export.
constexpr int CsvColumns = 5 + HouseCount;
// Progress is told about every so many bytes.
constexpr qint64 ProgressStep = 1 << 16;

// One thing read from the file: a chart to keep, a line refused, or the end.
struct Item {
    enum class Kind { Chart, Refused, End, Failed };
    Kind kind = Kind::End;
    qint64 number = 0;
    KeptChart chart;
    // The chart carries its own time (from the CSV export): one already kept is not kept again.
    bool timed = false;
    QString reason; // why refused, or why the file cannot be read on (Failed)
};

// Reads a file to import, a chart at a time: only the line at hand is in memory.
class Reader {
    Q_DECLARE_TR_FUNCTIONS(journal::Import)

public:
    Reader(QIODevice& device, Tableau chosen)
        : device(device), chosen(chosen), total(device.isSequential() ? 0 : device.size()) {
        // The import's own time, for the charts that come without one: the same for all of them.
        QDateTime now = QDateTime::currentDateTime();
        now = now.addMSecs(-now.time().msec());
        importUtc = now.toUTC();
        importOffset = now.offsetFromUtc();
    }

    Item Next();
    qint64 Done() const { return done; }
    qint64 Total() const { return total; }

private:
    // The next line's bytes, its line end included; false at the end of the file. A line longer
    // than `longest` is dropped whole and `tooLong` set.
    bool ReadLine(QByteArray& line, bool& tooLong, qint64 longest);
    Item Stop(qint64 number) const;
    Item FromText(qint64 number, const QByteArray& bytes);
    Item FromCsv(qint64 number, const QByteArray& bytes);
    Item Refuse(qint64 number, const QString& reason) const {
        Item item;
        item.kind = Item::Kind::Refused;
        item.number = number;
        item.reason = reason;
        return item;
    }

    QIODevice& device;
    QByteArray piece = QByteArray(1 << 16, '\0');
    const Tableau chosen;
    const qint64 total;
    qint64 done = 0;
    qint64 lines = 0;
    bool started = false;
    bool csv = false;
    QDateTime importUtc;
    int importOffset = 0;
};

bool Reader::ReadLine(QByteArray& line, bool& tooLong, qint64 longest) {
    tooLong = false;
    line.clear();
    bool any = false;
    // A piece at a time into one buffer: QIODevice::readLine(n) would allocate n bytes a line.
    for (;;) {
        const qint64 read = device.readLine(piece.data(), piece.size());
        if (read <= 0) {
            break;
        }
        any = true;
        done += read;
        const bool end = piece[read - 1] == '\n';
        if (!tooLong && line.size() + read > longest) {
            tooLong = true;
            line.clear();
        }
        if (!tooLong) {
            line.append(piece.constData(), read);
        }
        if (end) {
            break;
        }
    }
    if (!any) {
        return false;
    }
    ++lines;
    return true;
}

QString WithoutLineEnd(QString text) {
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text;
}

// A sentence as a reason, which the summary ends itself.
QString WithoutFullStop(QString text) {
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

// Decodes UTF-8; false when `bytes` are not UTF-8.
bool Decode(const QByteArray& bytes, QString& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

Item Reader::Next() {
    for (;;) {
        QByteArray bytes;
        bool tooLong = false;
        if (!ReadLine(bytes, tooLong, csv ? LongestRecord : LongestLine)) {
            return {};
        }
        const qint64 number = lines;
        if (!started) {
            started = true;
            if (bytes.startsWith("\xEF\xBB\xBF")) {
                bytes.remove(0, 3);
            }
            if (!tooLong && WithoutLineEnd(QString::fromUtf8(bytes)).toUtf8() ==
                                csv::Header().mid(3).chopped(2)) {
                csv = true;
                continue;
            }
        }
        if (tooLong && csv) {
            return Stop(number);
        }
        if (tooLong) {
            //: Why a line of a file is not imported; %1 is a number of bytes.
            return Refuse(number, tr("it is longer than %1 bytes").arg(LongestLine));
        }
        if (!csv) {
            Item item = FromText(number, bytes);
            if (item.kind == Item::Kind::End) {
                continue; // blank or a comment
            }
            return item;
        }
        // A record of the export ends at a line end outside quotes: its quotes are even.
        qsizetype quotes = bytes.count('"');
        while (quotes % 2 != 0) {
            QByteArray more;
            if (!ReadLine(more, tooLong, LongestRecord)) {
                //: Why a line of a file is not imported.
                return Refuse(number,
                              tr("a quoted field is not closed before the end of the file"));
            }
            if (tooLong || bytes.size() + more.size() > LongestRecord) {
                return Stop(number);
            }
            quotes += more.count('"');
            bytes += more;
        }
        Item item = FromCsv(number, bytes);
        if (item.kind == Item::Kind::End) {
            continue;
        }
        if (item.kind == Item::Kind::Refused && lines > number) {
            //: Added to why a row of a CSV file is not imported, when its quotes made it run
            //: over several lines; %1 is the last of them.
            item.reason +=
                tr(" (read as one row with the lines after it, up to line %1)").arg(lines);
        }
        return item;
    }
}

Item Reader::Stop(qint64 number) const {
    Item failed;
    failed.kind = Item::Kind::Failed;
    failed.number = number;
    //: Why an import stopped and kept nothing; %1 is a line's number, %2 a number of bytes.
    failed.reason = tr("The row starting at line %1 is longer than %2 bytes. Nothing was kept.")
                        .arg(number)
                        .arg(LongestRecord);
    return failed;
}

// "classic" or "diviners'", as the import says it.
QString TableauWords(Tableau tableau) {
    return tableau == Tableau::Diviners
               //: Said in a reason a line is not imported.
               ? QCoreApplication::translate("journal::Import", "the diviners' tableau")
               : QCoreApplication::translate("journal::Import", "the classic tableau");
}

Item Reader::FromText(qint64 number, const QByteArray& bytes) {
    QString text;
    if (!Decode(bytes, text)) {
        //: Why a line of a file is not imported.
        return Refuse(number, tr("it is not UTF-8 text"));
    }
    text = WithoutLineEnd(text);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
        return {};
    }
    Item item;
    item.kind = Item::Kind::Chart;
    item.number = number;
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString chart = text.left(tab);
    if (tab >= 0) {
        const qsizetype second = text.indexOf(QLatin1Char('\t'), tab + 1);
        item.chart.question = text.mid(tab + 1, second < 0 ? -1 : second - tab - 1);
        if (second >= 0) {
            // The note is the rest of the line, tabs and all.
            item.chart.note = text.mid(second + 1);
        }
    }
    item.chart.keptUtc = importUtc;
    item.chart.offsetSeconds = importOffset;
    static const QRegularExpression separators(QStringLiteral("[\\s,/-]+"));
    const QStringList groups = chart.trimmed().split(separators, Qt::SkipEmptyParts);
    QString why;
    if (groups.size() != HouseCount) {
        const std::optional<Mothers> mothers = ReadMothers(chart, &why);
        if (!mothers) {
            static const QRegularExpression rowsOnly(QStringLiteral("^[12\\s,/-]*$"));
            if (groups.size() > 4 && rowsOnly.match(chart).hasMatch()) {
                //: Why a line of a file is not imported; %1 is the line's chart as written, %2
                //: how many figures it has.
                return Refuse(number, tr("'%1' is neither four mothers nor sixteen figures in "
                                         "house order: it has %2 figures")
                                          .arg(chart.trimmed())
                                          .arg(groups.size()));
            }
            return Refuse(number, WithoutFullStop(why));
        }
        item.chart.mothers = *mothers;
        item.chart.tableau = chosen;
        return item;
    }
    WrittenTableau written{};
    for (int h = 0; h < HouseCount; ++h) {
        const QString& group = groups[h];
        if (std::any_of(group.begin(), group.end(),
                        [](QChar c) { return c != u'1' && c != u'2'; })) {
            // Named as a cast's would be: ReadMothers looks at the characters first.
            ReadMothers(group, &why);
            return Refuse(number, WithoutFullStop(why));
        }
        if (group.size() != 4) {
            //: Why a line of a file is not imported; %1 is a house's number, %2 its figure as
            //: written.
            return Refuse(number,
                          tr("house %1, '%2', is not a figure of four rows").arg(h + 1).arg(group));
        }
        for (std::size_t r = 0; r < 4; ++r) {
            written[std::size_t(h)][r] = group[qsizetype(r)] == u'1' ? DotCount{1} : DotCount{2};
        }
    }
    const TableauFaults faults = CheckTableau(written);
    const std::optional<Tableau> followed = FollowedTableau(faults, chosen);
    if (!followed) {
        QStringList houses;
        for (const HouseFault& fault : faults.diviners) {
            const auto sum =
                std::find_if(DivinersOrder.begin(), DivinersOrder.end(),
                             [&](const HouseSum& s) { return s.house == fault.house; });
            if (sum != DivinersOrder.end()) {
                //: One house of a wrong tableau; %1 is the house, %2 the figure its parents give,
                //: %3 and %4 those parents, %5 the figure written.
                houses << tr("house %1 should be %2, the sum of houses %3 and %4, not %5")
                              .arg(fault.house)
                              .arg(FigureDigits(fault.expected))
                              .arg(sum->left)
                              .arg(sum->right)
                              .arg(FigureDigits(fault.written));
            } else {
                //: One house of a wrong tableau; %1 is the house (5 to 8), %2 the figure the
                //: mothers' rows give, %3 the figure written.
                houses << tr("house %1 should be %2, from the mothers' rows, not %3")
                              .arg(fault.house)
                              .arg(FigureDigits(fault.expected), FigureDigits(fault.written));
            }
        }
        //: Why a tableau of a file is not imported; %1 lists its wrong houses, separated by
        //: semicolons.
        return Refuse(number, tr("the tableau follows neither the classic tableau nor the "
                                 "diviners'; in the diviners' tableau %1")
                                  .arg(houses.join(QStringLiteral("; "))));
    }
    item.chart.mothers = MothersOf(written);
    item.chart.tableau = *followed;
    return item;
}

// Splits one record of the export into its fields (RFC 4180); false when a quote is misplaced.
bool SplitRecord(const QString& record, QStringList& fields) {
    fields.clear();
    qsizetype i = 0;
    const qsizetype n = record.size();
    for (;;) {
        QString field;
        if (i < n && record[i] == u'"') {
            ++i;
            for (;;) {
                if (i >= n) {
                    return false;
                }
                if (record[i] == u'"') {
                    if (i + 1 < n && record[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += record[i++];
            }
            if (i < n && record[i] != u',') {
                return false;
            }
        } else {
            const qsizetype comma = record.indexOf(u',', i);
            field = record.mid(i, comma < 0 ? -1 : comma - i);
            if (field.contains(u'"')) {
                return false;
            }
            i = comma < 0 ? n : comma;
        }
        fields.append(field);
        if (i >= n) {
            return true;
        }
        ++i; // the comma
        if (i == n) {
            fields.append(QString());
            return true;
        }
    }
}

// A field the export made inert for spreadsheets, as it was: its leading ' removed.
QString Restored(const QString& field) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (field.size() >= 2 && field[0] == u'\'' && formulaStarts.contains(field[1])) {
        return field.mid(1);
    }
    return field;
}

Item Reader::FromCsv(qint64 number, const QByteArray& bytes) {
    QString record;
    if (!Decode(bytes, record)) {
        return Refuse(number, tr("it is not UTF-8 text"));
    }
    // The record's own line end only: a line break inside a quoted field stays.
    if (record.endsWith(QLatin1String("\r\n"))) {
        record.chop(2);
    } else if (record.endsWith(QLatin1Char('\n'))) {
        record.chop(1);
    }
    if (record.trimmed().isEmpty()) {
        return {}; // a blank line
    }
    QStringList fields;
    if (!SplitRecord(record, fields)) {
        //: Why a line of a file is not imported.
        return Refuse(number, tr("a quote is misplaced: a quote inside a field must be doubled, "
                                 "and a quoted field must end at a comma"));
    }
    if (fields.size() != CsvColumns) {
        //: Why a line of a file is not imported; %1 is how many fields it has, %2 how many the
        //: export writes.
        return Refuse(number, tr("it has %1 fields where Kelvora's export has %2")
                                  .arg(fields.size())
                                  .arg(CsvColumns));
    }
    Item item;
    item.kind = Item::Kind::Chart;
    item.number = number;
    item.timed = true;
    static const QRegularExpression offset(QStringLiteral("(Z|[+-]\\d\\d:\\d\\d)$"));
    const QDateTime time = QDateTime::fromString(fields[0], Qt::ISODate);
    if (!time.isValid() || !offset.match(fields[0]).hasMatch()) {
        //: Why a line of a file is not imported; %1 is the time as written.
        return Refuse(number, tr("'%1' is not a time with its offset, such as "
                                 "2026-12-07T10:00:00+03:00")
                                  .arg(fields[0]));
    }
    item.chart.keptUtc = time.toUTC();
    item.chart.offsetSeconds = time.offsetFromUtc();
    item.chart.question = Restored(fields[1]);
    item.chart.note = Restored(fields[2]);
    QString why;
    const std::optional<Mothers> mothers = ReadMothers(fields[3], &why);
    if (!mothers) {
        return Refuse(number, WithoutFullStop(why));
    }
    const std::optional<Tableau> tableau = ReadTableau(fields[4]);
    if (!tableau) {
        //: Why a line of a file is not imported; %1 is the tableau as written; keep "classic"
        //: and "diviners" as they are.
        return Refuse(number, tr("'%1' is not a tableau: classic or diviners").arg(fields[4]));
    }
    item.chart.mothers = *mothers;
    item.chart.tableau = *tableau;
    // The houses are not kept: they must be the mothers' own, or the row was changed since.
    const auto houses = ChartOf(*mothers, *tableau);
    QStringList wrong;
    for (int h = 1; h <= HouseCount; ++h) {
        const QString expected = FigureDigits(houses[std::size_t(h - 1)]);
        if (fields[4 + h] != expected) {
            //: One house of a row whose houses do not follow from its mothers; %1 is the house,
            //: %2 the figure the mothers give, %3 the figure written.
            wrong << tr("house %1 should be %2, not %3").arg(h).arg(expected, fields[4 + h]);
        }
    }
    if (!wrong.isEmpty()) {
        //: Why a row of the export is not imported; %1 is "the classic tableau" or "the
        //: diviners' tableau", %2 lists the wrong houses, separated by semicolons.
        return Refuse(number, tr("its houses do not follow from its mothers in %1: %2")
                                  .arg(TableauWords(*tableau), wrong.join(QStringLiteral("; "))));
    }
    return item;
}

// Calls `progress` when another step of bytes was read; false when it cancels.
struct Progress {
    const std::function<bool(qint64, qint64)>& tell;
    qint64 next = 0;
    bool Go(const Reader& reader, bool last = false) {
        if (!tell || (!last && reader.Done() < next)) {
            return true;
        }
        next = reader.Done() + ProgressStep;
        return tell(reader.Done(), reader.Total());
    }
};

} // namespace

int ImportSummary::Status() const {
    if (cancelled || !error.isEmpty()) {
        return 1;
    }
    return refused.isEmpty() ? 0 : 2;
}

QString ImportSummary::Text() const {
    if (!error.isEmpty()) {
        return error + u'\n';
    }
    if (cancelled) {
        //: The summary of a cancelled import.
        return tr("The import was cancelled: nothing was kept.") + u'\n';
    }
    //: The first line of an import's summary: charts kept by it, charts found already kept
    //: (not kept again), lines refused (listed after it).
    QString text = tr("Kept: %1. Already kept: %2. Refused: %3.")
                       .arg(kept)
                       .arg(alreadyKept)
                       .arg(refused.size() + unlisted) +
                   u'\n';
    for (const RefusedLine& line : refused) {
        //: A refused line in an import's summary; %1 is its number, %2 the reason.
        text += tr("Line %1: %2.").arg(line.number).arg(line.reason) + u'\n';
    }
    if (unlisted > 0) {
        //: After the refused lines an import lists; %1 is how many more were refused.
        text += tr("And %1 more lines refused, not listed: kelvora --check lists them all.")
                    .arg(unlisted) +
                u'\n';
    }
    return text;
}

int CheckSummary::Status() const {
    if (!error.isEmpty()) {
        return 1;
    }
    return refused == 0 ? 0 : 2;
}

ImportSummary ImportCharts(JournalStore& store, QIODevice& device, Tableau chosen,
                           const std::function<bool(qint64, qint64)>& progress) {
    ImportSummary summary;
    if (!device.isReadable()) {
        //: Why nothing was imported; %1 is the system's reason.
        summary.error = ImportSummary::tr("The file could not be read: %1. Nothing was kept.")
                            .arg(device.errorString());
        return summary;
    }
    if (!store.StartKeeping()) {
        summary.error = store.LastError();
        return summary;
    }
    Reader reader(device, chosen);
    Progress told{progress};
    for (;;) {
        const Item item = reader.Next();
        if (item.kind == Item::Kind::End) {
            break;
        }
        if (item.kind == Item::Kind::Failed) {
            summary.error = item.reason;
            break;
        }
        if (item.kind == Item::Kind::Refused) {
            if (summary.refused.size() < ImportSummary::MostListed) {
                summary.refused.append({item.number, item.reason});
            } else {
                ++summary.unlisted;
            }
        } else {
            bool already = false;
            if (!store.KeepMore(item.chart, item.timed, &already)) {
                summary.error = store.LastError();
                break;
            }
            ++(already ? summary.alreadyKept : summary.kept);
        }
        if (!told.Go(reader)) {
            summary.cancelled = true;
            break;
        }
    }
    if (summary.error.isEmpty() && !summary.cancelled && !told.Go(reader, true)) {
        summary.cancelled = true;
    }
    if (!summary.error.isEmpty() || summary.cancelled) {
        store.EndKeeping(false);
        summary.kept = 0;
        summary.alreadyKept = 0;
        return summary;
    }
    // With nothing to keep, a journal that did not exist is not made.
    if (summary.kept == 0) {
        store.EndKeeping(false);
        return summary;
    }
    if (!store.EndKeeping(true)) {
        summary.error = store.LastError();
        summary.kept = 0;
        summary.alreadyKept = 0;
    }
    return summary;
}

CheckSummary CheckCharts(QIODevice& device, const std::function<void(const QString&)>& line) {
    CheckSummary summary;
    if (!device.isReadable()) {
        summary.error = ImportSummary::tr("The file could not be read: %1. Nothing was kept.")
                            .arg(device.errorString());
        return summary;
    }
    Reader reader(device, Tableau::Classic);
    for (;;) {
        const Item item = reader.Next();
        if (item.kind == Item::Kind::End) {
            break;
        }
        if (item.kind == Item::Kind::Failed) {
            summary.error = item.reason;
            break;
        }
        if (item.kind == Item::Kind::Refused) {
            ++summary.refused;
            line(QStringLiteral("%1\t%2").arg(item.number).arg(item.reason));
        } else {
            ++summary.right;
            //: What --check prints for a right line, after its number and a tab.
            line(QStringLiteral("%1\t%2")
                     .arg(item.number)
                     .arg(QCoreApplication::translate("journal::Import", "right")));
        }
    }
    return summary;
}

} // namespace journal
