#include "journal/CsvWriter.h"

#include "casting/Cast.h"

#include <QStringList>

namespace journal::csv {

QString Field(const QString& text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const bool inert = !text.isEmpty() && formulaStarts.contains(text.front());
    QString field = inert ? QLatin1Char('\'') + text : text;
    if (inert || field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
        field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'))) {
        field.replace(QLatin1Char('"'), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray Header() {
    // Column names stay English whatever the language: they name data for other programs.
    QByteArray header("\xEF\xBB\xBFtime,question,note,mothers,tableau");
    for (int h = 1; h <= HouseCount; ++h) {
        header += ",house " + QByteArray::number(h);
    }
    return header + "\r\n";
}

QByteArray Row(const KeptChart& chart) {
    QString row = chart.keptUtc.toOffsetFromUtc(chart.offsetSeconds).toString(Qt::ISODate);
    for (const QString& text : {chart.question, chart.note}) {
        row += QLatin1Char(',') + Field(text);
    }
    row += QLatin1Char(',') + MothersText(chart.mothers) + QLatin1Char(',') +
           TableauName(chart.tableau);
    for (const Figure& house : ChartOf(chart.mothers, chart.tableau)) {
        row += QLatin1Char(',') + FigureDigits(house);
    }
    return row.toUtf8() + "\r\n";
}

} // namespace journal::csv
