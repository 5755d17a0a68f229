#pragma once

#include "casting/Cast.h"
#include "journal/KeptChart.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <sys/types.h>

namespace journal {

// A chart as the journal lists it: no mothers, the time as kept (ISO 8601, UTC).
struct ListedChart {
    qint64 id = 0;
    QString keptUtc;
    int offsetSeconds = 0;
    QString question;
    QString note;
};

// Where a page of the list starts: after the row with this time and id (newest first). The
// default starts at the newest chart.
struct ListKey {
    QString keptUtc;
    qint64 id = 0;
};

// A page of the list. `ok` false: reading stopped at a fault, LastError() says it, and `rows`
// holds what was read before it.
struct ListPage {
    QList<ListedChart> rows;
    bool ok = true;
    bool atEnd = true;
};

// What the journal lets be done.
enum class Access {
    Writable, // charts can be kept, changed and removed (a missing file is an empty journal)
    ReadOnly, // charts can be listed, opened and exported, not changed: Why() says why
    Unusable, // nothing can be read: Why() says why
};

// The journal of kept charts: one SQLite file (journal.sqlite in the application's data folder)
// through Qt SQL's QSQLITE driver. Nothing is thrown: every failure returns false or nothing and
// leaves LastError(), one sentence naming the file and the reason. The file is made by the first
// Keep (mode 0600, in a folder of mode 0700), never by opening; it and its -journal are never
// overwritten, emptied, repaired or deleted to recover from a fault.
//
// One store serves the whole program (the main window owns it; Keep and the Journal window use
// it). No statement stays open between calls, so no read lock is held while the program is idle.
// Reads wait at most ReadWaitMs for another program holding the file; writes up to WriteWaitMs.
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
    // Opens the file (again) and checks it is a journal Kelvora can read. True when it can be
    // read, also read-only; a missing file is an empty journal (true; it is not made).
    bool Open();
    // What the journal lets be done now, opening it when needed; Why() or LastError() says why
    // not everything (Unusable while Busy() may pass).
    Access State();
    // Why the journal is read-only or unusable; empty when it is writable.
    QString Why() const;
    bool ReadOnly() const;
    QString LastError() const;
    // Whether part of the file was found damaged (it is then only read; Why() says so).
    bool Damaged() const;
    // Whether the last failure was another program holding the file (a later try may work).
    bool Busy() const;
    // Whether the file in the journal's place is not the one open (a backup restored, a sync
    // tool's rename): the next call opens it again.
    bool Replaced() const;
    // True once after the file was found replaced by another (a backup restored) and opened
    // again: ids read before belong to the old file.
    bool TakeReplaced();
    // Something said once (the journal was brought to this version's schema); empty after.
    QString TakeNotice();

    // Keeps a chart in one transaction (the file, schema and user_version made inside the first
    // one). Returns its id. A chart without a valid keptUtc is kept as of now, with the local
    // offset now.
    std::optional<qint64> Keep(const KeptChart& chart);

    // Keeping many charts in one transaction, as an import does: StartKeeping() begins it
    // (making the file as the first Keep does), KeepMore() keeps each chart through one prepared
    // statement, and EndKeeping() commits them all, or keeps none of them. A failure leaves
    // LastError() and keeps nothing; after it only EndKeeping(false) is called.
    // `many`: a failure speaks of the imported charts rather than of one chart.
    bool StartKeeping(bool many = true);
    // Keeps `chart` (its time must be valid) and returns its id. With `fromList`, the chart
    // comes from a list newest first (Kelvora's CSV export): one kept before this batch (the
    // same time to the second, mothers, tableau, question and note) is not kept again
    // (`alreadyKept` is set), and charts of one time are held until a chart of another time
    // comes, then kept the last given first, so that the journal lists them in the order given;
    // the id is then 0.
    std::optional<qint64> KeepMore(const KeptChart& chart, bool fromList = false,
                                   bool* alreadyKept = nullptr);
    // Commits what KeepMore() kept when `commit`, else rolls it back; false when nothing is kept.
    bool EndKeeping(bool commit);
    // Changes question and note of chart `id`, in one transaction.
    bool Edit(qint64 id, const QString& question, const QString& note);
    // Removes chart `id` only, in one transaction.
    bool Remove(qint64 id);
    std::optional<KeptChart> Find(qint64 id);

    // Up to `count` kept charts after `after`, newest first by the time kept (then the last kept
    // first; a search, in the order of keeping), each page one finished statement. With
    // `search` not blank, only the charts whose
    // question or note has, for every word typed, a word starting with it, case and accents
    // ignored (SQLite FTS5, unicode61 remove_diacritics 2); what is typed is never read as query
    // syntax.
    ListPage List(const QString& search, const ListKey& after = {}, int count = 256);

    // Writes the whole journal as CSV (journal/CsvWriter.h) to `file`, row by row, newest first.
    // `progress` is told the rows written and the rows in all, now and then; when it returns
    // false the export stops and `file` is left as it was (or absent). A file that is the
    // journal itself (or one of SQLite's files beside it) is refused.
    bool ExportCsv(const QString& file,
                   const std::function<bool(qint64 done, qint64 total)>& progress = {});
    // Whether `file` is the journal or one of SQLite's files beside it (-journal, -wal, -shm):
    // the same file on the disk, or the same path when it does not exist yet.
    bool IsJournalFile(const QString& file) const;

    // The connection, for tests and benchmarks.
    QSqlDatabase Database() const;

    // The FTS5 query List() runs for `search`: each word typed (letters and digits; everything
    // else separates) as a quoted prefix, all of them required. Empty when nothing is typed.
    static QString MatchExpression(const QString& search);

    // The schema version this Kelvora writes (PRAGMA user_version); a journal of version 1 is
    // brought to it at its first opening, after a copy of it is left beside it (".v1").
    static constexpr int SchemaVersion = 2;
    // How long a read waits for another program holding the file, and a write.
    static constexpr int ReadWaitMs = 100;
    static constexpr int WriteWaitMs = 5000;

private:
    // What the connection is open on.
    enum class Stage {
        Closed,   // not opened yet, or could not be
        Absent,   // no file yet: an empty journal in memory, until the first Keep
        Unformed, // an empty file (a first keep that never finished): no schema yet
        Ready,    // a journal with its schema
    };
    enum class Mode { Memory, ReadOnly, ReadWrite, Create };

    bool Connect(Mode mode);
    bool SetPragmas();
    bool CheckFullText();
    bool ReadHeader(qint64& application, qint64& version, qint64& tables);
    bool Upgrade();
    bool Ensure();
    bool Begin(const QString& failed);
    bool Finish(bool ok, const QSqlError& error, const QString& failed);
    bool ChangeOne(const QString& failed, qint64 id, const QString& sql,
                   const QVariantList& values);
    bool MakeFile(const QString& failed);
    std::optional<qint64> KeepFailure(QSqlQuery& query);
    std::optional<qint64> InsertRow(QSqlQuery& query, const std::array<QVariant, 6>& row);
    bool KeepHeld();
    // What a failed keep says (`many`: an import's).
    static QString KeepFailed(bool many);
    void ForgetMadeFile(bool madeFile);
    std::optional<KeptChart> ChartFrom(const QSqlQuery& row);
    void NoteFault(const QSqlError& error);
    bool Fail(const QString& message);
    bool FailWith(const QString& format, const QString& reason);
    bool FailRead(const QSqlError& error);
    // The FTS5 query of one typed word (see List()); empty, with `failed` set, when the journal
    // could not be read.
    QString WordMatch(const QString& word, QSqlError& failed);

    QString path;
    QString connectionName;
    Stage stage = Stage::Closed;
    bool readOnly = false;
    bool busy = false;
    bool damaged = false;
    bool replaced = false;
    // The file the connection is open on (device and inode), to notice it replaced.
    dev_t device = 0;
    ino_t inode = 0;
    QString why;
    QString lastError;
    QString notice;
    // While StartKeeping() has a transaction open: the statements it prepared, and whether it
    // made the file.
    struct Keeping;
    std::unique_ptr<Keeping> keeping;
};

} // namespace journal
