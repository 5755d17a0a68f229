#pragma once

// Journals for the tests: charts kept straight through the store, and what a journal lists.
#include "journal/JournalStore.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>

namespace testsupport {

// A chart of `mothers` kept on 2026-12-08 at 16:30 UTC, three hours east of UTC.
inline journal::KeptChart Chart(const QString& question, const QString& note = {},
                                const QString& mothers = QStringLiteral("1111/1111/1111/1111")) {
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(mothers);
    chart.question = question;
    chart.note = note;
    chart.keptUtc = QDateTime(QDate(2026, 12, 8), QTime(16, 30), QTimeZone::utc());
    chart.offsetSeconds = 3 * 3600;
    return chart;
}

// The questions the journal at `path` lists for `search`, newest first.
inline QStringList Questions(const QString& path, const QString& search = {}) {
    journal::JournalStore store(path);
    QStringList questions;
    for (const journal::ListedChart& chart : store.List(search, {}, 100000).rows) {
        questions.append(chart.question);
    }
    return questions;
}

// Keeps `count` charts "1", "2" ..., each with the note "MARKn " and `padding` letters n: the first
// through the store, the rest copied from it in one statement.
inline bool KeepCharts(const QString& path, int count, int padding = 0) {
    journal::JournalStore store(path);
    return store.Keep(Chart(QStringLiteral("1"), QStringLiteral("MARK1 ") + QString(padding, u'n')))
               .has_value() &&
           QSqlQuery(store.Database())
               .exec(QStringLiteral(
                         "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n "
                         "WHERE i < %1) INSERT INTO charts (kept_utc, offset_seconds, "
                         "mothers, tableau, question, note) SELECT kept_utc, 0, mothers, "
                         "tableau, i, 'MARK' || i || ' ' || substr(note, 7) FROM charts, n")
                         .arg(count));
}

inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testsupport
