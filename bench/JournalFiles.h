#pragma once

// Journals of a given size for the benchmarks, made through the store itself: the first chart by
// Keep (which makes the file and its schema), the rest in one transaction on the store's
// connection, so that a journal of 10,000 charts takes a second rather than 10,000 flushes.
#include "journal/JournalStore.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimeZone>

#include <map>

inline void MakeJournal(const QString& path, int charts) {
    static const QStringList words{
        "énergie", "voyage", "maison",  "mariage", "récolte",  "santé",  "argent", "ancêtres",
        "pluie",   "zébu",   "rizière", "départ",  "retour",   "enfant", "marché", "fièvre",
        "l'eau",   "manque", "travail", "famille", "promesse", "dette",  "chemin", "lune"};
    QRandomGenerator random(38);
    const auto text = [&](int count) {
        QStringList chosen;
        for (int i = 0; i < count; ++i) {
            chosen.append(words[static_cast<int>(random.bounded(words.size()))]);
        }
        return chosen.join(QLatin1Char(' '));
    };
    journal::JournalStore store(path);
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    chart.keptUtc = QDateTime(QDate(2024, 1, 1), QTime(8, 0), QTimeZone::utc());
    chart.question = text(6);
    store.Keep(chart);
    QSqlQuery query(store.Database());
    query.exec(QStringLiteral("BEGIN"));
    query.prepare(QStringLiteral(
        "INSERT INTO charts (kept_utc, offset_seconds, mothers, tableau, question, note) "
        "VALUES (?, 10800, '1112/1112/1211/2121', 'classic', ?, ?)"));
    for (int n = 1; n < charts; ++n) {
        query.bindValue(0, chart.keptUtc.addSecs(3600LL * n).toString(Qt::ISODate));
        query.bindValue(1, text(6));
        query.bindValue(2, text(30));
        query.exec();
    }
    query.exec(QStringLiteral("COMMIT"));
}

// The journal of `charts` charts in `folder`, made the first time it is asked for.
inline const QString& JournalOfSize(const QTemporaryDir& folder, int charts) {
    static std::map<int, QString> made;
    auto [it, fresh] = made.try_emplace(charts);
    if (fresh) {
        it->second = folder.filePath(QStringLiteral("journal-%1.sqlite").arg(charts));
        MakeJournal(it->second, charts);
    }
    return it->second;
}
