#pragma once

#include "casting/Cast.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <optional>

namespace journal {

// One kept chart. Its houses are not kept: they are worked out again from the mothers
// (ChartOf), so a kept chart can never disagree with them.
struct KeptChart {
    qint64 id = 0;
    Mothers mothers{};
    Tableau tableau = Tableau::Classic;
    QString question;
    QString note;
    QDateTime keptUtc;     // when it was kept, in UTC
    int offsetSeconds = 0; // the local offset from UTC at that moment
};

// The journal of kept charts: one SQLite file (journal.sqlite in the application's data folder)
// through Qt SQL's QSQLITE driver. Nothing is thrown: every failure returns false or nothing and
// leaves LastError(), one sentence naming the file and the reason. The file is made by the first
// Keep, never by opening; it and its -journal are never overwritten, emptied or deleted to
// recover from a fault.
//
// Every method opens the file itself when it is not open yet. Use one store for everything that
// reads and writes the journal at the same time (the Journal window and Keep): a list still
// being fetched holds SQLite's shared lock, so a second connection's write would wait for it
// and then fail as "database is locked". Destroy models over List() before the store.
class JournalStore {
    Q_DECLARE_TR_FUNCTIONS(journal::JournalStore)

public:
    // <AppDataLocation>/journal.sqlite
    static QString DefaultPath();

    explicit JournalStore(const QString& path = DefaultPath());
    ~JournalStore();
    JournalStore(const JournalStore&) = delete;
    JournalStore& operator=(const JournalStore&) = delete;

    QString Path() const;
    // Whether the file exists yet (no chart was ever kept when it does not).
    bool Exists() const;
    // Opens an existing file and checks it is a journal Kelvora can read. A journal made by a
    // newer Kelvora opens read-only: listing and finding work, Keep, Edit and Remove refuse, and
    // LastError() says why even though Open() returns true. A missing file is an empty journal
    // (true, and List() has no rows); it is not made.
    bool Open();
    bool ReadOnly() const;
    QString LastError() const;

    // Keeps a chart in one transaction (the file, schema and user_version made inside the first
    // one). Returns its id. A chart without a valid keptUtc is kept as of now, with the local
    // offset now.
    std::optional<qint64> Keep(const KeptChart& chart);
    // Changes question and note of chart `id`, in one transaction.
    bool Edit(qint64 id, const QString& question, const QString& note);
    // Removes chart `id` only, in one transaction.
    bool Remove(qint64 id);
    std::optional<KeptChart> Find(qint64 id);

    // The kept charts, newest first (the last kept first), as a forward-only query (rows are
    // read from the file as they are asked for; finish it, or read it to its end, to let go of
    // SQLite's read lock): columns
    // id, keptUtc (ISO 8601), offsetSeconds, question, note. With `search` not blank, only the
    // charts whose question or note has, for every word typed, a word starting with it, case and
    // accents ignored (SQLite FTS5, unicode61 remove_diacritics 2); what is typed is never read as
    // query syntax. An inactive query, with LastError(), when the file cannot be read.
    QSqlQuery List(const QString& search);

    // Writes the whole journal as CSV to `file` (UTF-8 with a byte-order mark, header row, RFC
    // 4180 quoting, a cell starting with = + - @ made inert for spreadsheets): time in ISO 8601
    // with offset, question, note, mothers, tableau, houses 1 to 16 as four digits.
    bool ExportCsv(const QString& file);

    // The connection, for models and tests.
    QSqlDatabase Database() const;

    // The FTS5 query List() runs for `search`: each word typed (letters and digits; everything
    // else separates) as a quoted prefix, all of them required. Empty when nothing is typed.
    static QString MatchExpression(const QString& search);

    // The schema version this Kelvora writes (PRAGMA user_version).
    static constexpr int SchemaVersion = 1;

private:
    // What the connection is open on.
    enum class State {
        Closed,   // not opened yet
        Absent,   // no file yet: an empty journal in memory, until the first Keep
        Unformed, // an empty file (a first keep that never finished): no schema yet
        Ready,    // a journal with its schema
    };
    enum class Mode { Memory, ReadOnly, ReadWrite, Create };

    bool Connect(Mode mode);
    bool CheckFullText();
    bool Ensure();
    bool Begin(const QString& failed);
    bool Finish(bool ok, const QSqlError& error, const QString& failed);
    bool ChangeOne(const QString& failed, qint64 id, const QString& sql,
                   const QVariantList& values);
    void ForgetMadeFile(bool madeFile);
    std::optional<KeptChart> ChartFrom(const QSqlQuery& row);
    bool Fail(const QString& message);
    bool FailWith(const QString& format, const QString& reason);

    QString path;
    QString connectionName;
    bool readOnly = false;
    QString lastError;
    State state = State::Closed;
};

} // namespace journal
