#pragma once

#include "journal/KeptChart.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace journal {

// Kept charts as CSV for spreadsheets and other programs: UTF-8 with a byte-order mark, a header
// row, RFC 4180 quoting, CRLF line ends. Columns: time in ISO 8601 with the offset where the chart
// was kept, question, note, mothers, tableau, houses 1 to 16 as four digits.
namespace csv {

// One field: quoted when it holds a comma, quote, CR or LF, quotes doubled. A field a
// spreadsheet would read as a formula (starting with = + - @, a tab or a carriage return) gets a
// leading ' and is quoted, so that it shows as text and never runs.
QString Field(const QString& text);
// The header row, with its line end (and the byte-order mark before it).
QByteArray Header();
// One chart's row, with its line end.
QByteArray Row(const KeptChart& chart);

} // namespace csv
} // namespace journal
