#include "journal/JournalStore.h"

#include "journal/CsvWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace journal {

namespace {

// PRAGMA application_id of a Kelvora journal: "KLVR".
constexpr qint64 ApplicationId = 0x4B4C5652;

// SQLite's page cache, fixed, so that memory does not grow with the journal (KiB).
constexpr int CacheKiB = 1024;

// SQLite's primary result codes met here.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteCorrupt = 11;

// The file's own words for what went wrong: SQLite's message where there is one.
QString Reason(const QSqlError& error) {
    QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    reason = reason.trimmed();
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason;
}

int PrimaryCode(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    return number ? code & 0xff : 0;
}

// Whether this process may write `file` (its effective user, as SQLite will).
bool Writable(const QString& file) {
    return faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) == 0;
}

// The nearest folder of `file` that exists.
QString ExistingFolder(const QString& file) {
    QString folder = QFileInfo(file).absolutePath();
    while (!QFileInfo::exists(folder) && folder != QDir::rootPath()) {
        folder = QFileInfo(folder).absolutePath();
    }
    return folder;
}

// The columns List() gives, newest first by the time kept, then by keeping (ids only grow).
// Each page starts after the last row of the one before, by the same sort key, and is a
// statement of its own.
const char* const ListAll = "SELECT id, kept_utc, offset_seconds, question, note FROM charts";
const char* const ListAllAfter = " WHERE (kept_utc, id) < (?, ?)";
const char* const ListAllOrder = " ORDER BY kept_utc DESC, id DESC LIMIT ?";
// A search lists its matches in the order of keeping, which the full-text index gives itself,
// so that the first rows come without reading every match (sorting the matches by time takes
// most of a second for a letter found in 100,000 charts). A chart is kept as of the moment it
// is kept, so this is the order by time too.
const char* const ListFound =
    "SELECT c.id, c.kept_utc, c.offset_seconds, c.question, c.note FROM charts_text t "
    "JOIN charts c ON c.id = t.rowid WHERE charts_text MATCH ?";
const char* const ListFoundAfter = " AND t.rowid < ?";
const char* const ListFoundOrder = " ORDER BY t.rowid DESC LIMIT ?";

// The charts table and its index by time.
const char* const ChartsSchema[] = {
    "CREATE TABLE charts ("
    " id INTEGER PRIMARY KEY,"
    " kept_utc TEXT NOT NULL,"
    " offset_seconds INTEGER NOT NULL,"
    " mothers TEXT NOT NULL,"
    " tableau TEXT NOT NULL,"
    " question TEXT NOT NULL,"
    " note TEXT NOT NULL)",
    "CREATE INDEX charts_by_time ON charts (kept_utc)",
};

// The full-text index reads its text from the charts table (external content); the triggers
// keep it in step under every change. Its prefix indexes of one to three characters answer the
// first letters of a search without merging the postings of every word they start.
const char* const TextSchema[] = {
    "CREATE VIRTUAL TABLE charts_text USING fts5 (question, note, content='charts',"
    " content_rowid='id', tokenize='unicode61 remove_diacritics 2', prefix='1 2 3')",
    "CREATE TRIGGER charts_kept AFTER INSERT ON charts BEGIN"
    " INSERT INTO charts_text (rowid, question, note) VALUES (new.id, new.question, new.note);"
    " END",
    "CREATE TRIGGER charts_removed AFTER DELETE ON charts BEGIN"
    " INSERT INTO charts_text (charts_text, rowid, question, note)"
    " VALUES ('delete', old.id, old.question, old.note);"
    " END",
    "CREATE TRIGGER charts_edited AFTER UPDATE OF question, note ON charts BEGIN"
    " INSERT INTO charts_text (charts_text, rowid, question, note)"
    " VALUES ('delete', old.id, old.question, old.note);"
    " INSERT INTO charts_text (rowid, question, note) VALUES (new.id, new.question, new.note);"
    " END",
};

// From the first version's schema to this one: the full-text index made again with its prefix
// indexes, and the index by time.
const char* const UpgradeFromOne[] = {
    "DROP TRIGGER charts_kept",
    "DROP TRIGGER charts_removed",
    "DROP TRIGGER charts_edited",
    "DROP TABLE charts_text",
};

// Whether `c` belongs to a word as SQLite's unicode61 tokenizer sees it: letters, digits,
// private-use characters, and the combining marks that follow a letter.
bool WordCharacter(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Other_PrivateUse:
    case QChar::Mark_NonSpacing:
        return true;
    default:
        return false;
    }
}

} // namespace

QString JournalStore::DefaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("journal.sqlite"));
}

JournalStore::JournalStore(const QString& path) : path(path) {
    static std::atomic<int> stores{0};
    connectionName = QStringLiteral("kelvora-journal-%1").arg(++stores);
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
}

JournalStore::~JournalStore() {
    keeping.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QString JournalStore::Path() const {
    return path;
}

bool JournalStore::Exists() const {
    return QFileInfo::exists(path);
}

bool JournalStore::ReadOnly() const {
    return readOnly;
}

QString JournalStore::Why() const {
    return why;
}

QString JournalStore::LastError() const {
    return lastError;
}

bool JournalStore::Damaged() const {
    return damaged;
}

bool JournalStore::Busy() const {
    return busy;
}

bool JournalStore::Replaced() const {
    struct stat file {};
    return (stage == Stage::Ready || stage == Stage::Unformed) &&
           stat(QFile::encodeName(path).constData(), &file) == 0 &&
           (file.st_dev != device || file.st_ino != inode);
}

bool JournalStore::TakeReplaced() {
    return std::exchange(replaced, false);
}

QString JournalStore::TakeNotice() {
    return std::exchange(notice, QString());
}

Access JournalStore::State() {
    if (!Ensure()) {
        return Access::Unusable; // for now, when Busy()
    }
    return readOnly ? Access::ReadOnly : Access::Writable;
}

QSqlDatabase JournalStore::Database() const {
    return QSqlDatabase::database(connectionName, false);
}

bool JournalStore::Fail(const QString& message) {
    lastError = message;
    return false;
}

bool JournalStore::FailWith(const QString& format, const QString& reason) {
    return Fail(format.arg(QDir::toNativeSeparators(path), reason));
}

// Notes what a failure says of the file: another program holding it (a later try may work), or
// a damaged file, which is then only read: nothing is written into it.
void JournalStore::NoteFault(const QSqlError& error) {
    const int code = PrimaryCode(error);
    busy = code == SqliteBusy || code == SqliteLocked;
    if (code == SqliteCorrupt && !damaged) {
        damaged = true;
        readOnly = true;
        //: Said in the Journal window, and when a chart is not kept; %1 is the journal's file, %2
        //: SQLite's reason, in English.
        why = tr("The journal %1 is damaged (%2): the charts that can be read are listed, opened "
                 "and exported; nothing is kept, changed or removed in it. The README says how to "
                 "recover it.")
                  .arg(QDir::toNativeSeparators(path), Reason(error));
    }
}

bool JournalStore::FailRead(const QSqlError& error) {
    NoteFault(error);
    if (busy) {
        //: Said in the Journal window when another program holds the journal's file; %1 is
        //: the file.
        return Fail(tr("Another program is using %1: the journal is busy; the list will refresh.")
                        .arg(QDir::toNativeSeparators(path)));
    }
    //: A failure; %1 is the journal's file, %2 the reason (SQLite's, in English, or one of the
    //: reasons below).
    return FailWith(tr("Kelvora cannot read the journal %1: %2."), Reason(error));
}

// (Re)opens the connection: on an empty journal in memory, or on the file read-only or
// read-write. The file is opened through a URI so that its mode is exact: "ro" and "rw" never
// make it. Nothing is written: pragmas come later, on a journal this Kelvora owns.
bool JournalStore::Connect(Mode mode) {
    QSqlDatabase db = Database();
    if (!db.isValid()) {
        // The driver is a plugin of its own, which no library link brings in.
        //: The reason the journal cannot be opened (after "Kelvora cannot open the journal %1: ").
        return FailWith(tr("Kelvora cannot open the journal %1: %2."),
                        tr("Qt's SQLite driver is missing (on Debian, the package "
                           "libqt6sql6-sqlite)"));
    }
    db.close();
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(ReadWaitMs);
    if (mode == Mode::Memory) {
        db.setDatabaseName(QStringLiteral(":memory:"));
    } else {
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(mode == Mode::ReadOnly ? QStringLiteral("mode=ro")
                                            : QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_URI");
        struct stat file {};
        if (stat(QFile::encodeName(path).constData(), &file) == 0) {
            device = file.st_dev;
            inode = file.st_ino;
        }
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        //: A failure, said in a message box; %1 is the journal's file, %2 the reason (SQLite's, in
        //: English).
        return FailWith(tr("Kelvora cannot open the journal %1: %2."), Reason(db.lastError()));
    }
    QSqlQuery cache(db);
    cache.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(CacheKiB));
    return true;
}

// Set on a journal this Kelvora owns, rather than trusting SQLite's defaults: a rollback journal
// deleted at each commit, every commit flushed to the disk.
bool JournalStore::SetPragmas() {
    QSqlQuery pragma(Database());
    for (const char* statement : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"}) {
        if (!pragma.exec(QLatin1String(statement))) {
            const QSqlError error = pragma.lastError();
            Database().close();
            return FailRead(error);
        }
    }
    return true;
}

// Whether SQLite has its full-text index here; said plainly when it has not.
bool JournalStore::CheckFullText() {
    QSqlQuery query(Database());
    if (query.exec(QStringLiteral("SELECT sqlite_compileoption_used('ENABLE_FTS5')")) &&
        query.next() && query.value(0).toInt() == 1) {
        return true;
    }
    Database().close();
    //: %1 is the journal's file, %2 the reason below.
    return FailWith(tr("Kelvora cannot search the journal %1: %2."),
                    tr("the SQLite library Qt uses here was built without full-text search "
                       "(FTS5)"));
}

bool JournalStore::ReadHeader(qint64& application, qint64& version, qint64& tables) {
    QSqlQuery query(Database());
    for (auto [name, value] : {std::pair<const char*, qint64*>{"application_id", &application},
                               {"user_version", &version},
                               {"schema_version", &tables}}) {
        if (!query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) || !query.next()) {
            NoteFault(query.lastError());
            lastError = Reason(query.lastError());
            return false;
        }
        *value = query.value(0).toLongLong();
    }
    return true;
}

bool JournalStore::Open() {
    lastError.clear();
    why.clear();
    readOnly = false;
    busy = false;
    damaged = false;
    stage = Stage::Closed;
    const QString unreadable = tr("Kelvora cannot read the journal %1: %2.");
    //: Why a journal is only read; %1 is the journal's file, %2 the reason below.
    const QString onlyRead = tr("The journal %1 can be listed and opened, but not kept in, "
                                "changed or removed from: %2.");
    const auto writableHere = [&] {
        const QString folder = ExistingFolder(path);
        if (!Writable(folder)) {
            //: A reason (after "... removed from: "); %1 is a folder.
            why = onlyRead.arg(
                QDir::toNativeSeparators(path),
                tr("the folder %1 cannot be written in").arg(QDir::toNativeSeparators(folder)));
            return false;
        }
        if (QFileInfo::exists(path) && !Writable(path)) {
            //: A reason (after "... removed from: ").
            why = onlyRead.arg(QDir::toNativeSeparators(path), tr("the file cannot be written"));
            return false;
        }
        return true;
    };
    if (!Exists()) {
        // No chart kept yet: an empty journal, until the first Keep makes the file.
        if (!Connect(Mode::Memory) || !CheckFullText()) {
            Database().close();
            return false;
        }
        stage = Stage::Absent;
        readOnly = !writableHere();
        lastError = why;
        return true;
    }
    // An SQLite file starts with its own header; anything else is refused before SQLite is
    // asked (it would take a file too short for a header for an empty database and write it).
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FailWith(unreadable, file.errorString());
    }
    const qint64 size = file.size();
    const QByteArray header = file.read(16);
    file.close();
    if (size > 0 && header != QByteArray("SQLite format 3\0", 16)) {
        //: The reason a file is not read as a journal (after "Kelvora cannot read the journal %1:
        //: ").
        return FailWith(unreadable, tr("it is not an SQLite database"));
    }
    // Read-only first, so that a journal of another version is not changed by being read.
    qint64 application = 0, version = 0, tables = 0;
    if (!Connect(Mode::ReadOnly)) {
        return false;
    }
    bool read = ReadHeader(application, version, tables);
    if (!read && !busy && QFileInfo::exists(path + QStringLiteral("-journal"))) {
        // A write cut short left its rollback journal, which only a writer may play back:
        // reading it read-write does, and the journal is as it was before that write.
        read = Connect(Mode::ReadWrite) && ReadHeader(application, version, tables) &&
               Connect(Mode::ReadOnly) && ReadHeader(application, version, tables);
    }
    if (!read) {
        const QString reason = lastError;
        Database().close();
        if (busy) {
            return FailRead(QSqlError(QString(), reason, QSqlError::StatementError,
                                      QString::number(SqliteBusy)));
        }
        return FailWith(unreadable, reason);
    }
    const bool empty = version == 0 && application == 0 && tables == 0;
    if (!empty && (application != ApplicationId || version == 0)) {
        Database().close();
        //: The reason a file is not read as a journal (after "Kelvora cannot read the journal %1:
        //: ").
        return FailWith(unreadable, tr("it is an SQLite database, but not a Kelvora journal"));
    }
    if (!CheckFullText()) {
        return false;
    }
    if (version > SchemaVersion) {
        readOnly = true;
        //: Said when the journal opens read-only; %1 is the journal's file.
        why = tr("The journal %1 was made by a newer version of Kelvora: its charts can be "
                 "listed and opened, but not kept, changed or removed.")
                  .arg(QDir::toNativeSeparators(path));
    } else if (!writableHere()) {
        readOnly = true;
    } else if (!Connect(Mode::ReadWrite) || !SetPragmas() ||
               (!empty && version < SchemaVersion && !Upgrade())) {
        Database().close();
        return false;
    }
    if (empty) {
        // A first keep that never finished. Its schema is made by the next.
        stage = Stage::Unformed;
        lastError = why;
        return true;
    }
    // The tables are read once, so that a damaged schema is said here rather than at a search.
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM charts_text WHERE charts_text "
                                   "MATCH 'x'), (SELECT max(id) FROM charts)")) ||
        !query.next()) {
        const QSqlError error = query.lastError();
        query.finish();
        Database().close();
        readOnly = false;
        return FailRead(error);
    }
    query.finish();
    stage = Stage::Ready;
    lastError = why;
    return true;
}

// Brings a journal of the first version to this one, in one transaction, after copying it beside
// itself as it is (".v1"), so that the earlier Kelvora's journal stays at hand.
bool JournalStore::Upgrade() {
    //: A failure; %1 is the journal's file, %2 the reason.
    const QString failed = tr("Kelvora could not bring the journal %1 to this version: %2. The "
                              "journal is as it was.");
    if (!Begin(failed)) {
        return false;
    }
    // A copy left by an earlier upgrade (of a journal restored since) is kept too.
    QString copy = path + QStringLiteral(".v1");
    for (int n = 2; QFileInfo::exists(copy); ++n) {
        copy = path + QStringLiteral(".v1.%1").arg(n);
    }
    {
        QFile::remove(copy + QStringLiteral(".part"));
        if (!QFile::copy(path, copy + QStringLiteral(".part")) ||
            !QFile::setPermissions(copy + QStringLiteral(".part"),
                                   QFile::ReadOwner | QFile::WriteOwner) ||
            !QFile::rename(copy + QStringLiteral(".part"), copy)) {
            QFile::remove(copy + QStringLiteral(".part"));
            //: A reason; %1 is the copy's file.
            return Finish(false,
                          QSqlError(QString(), tr("a copy of it could not be made as %1")
                                                   .arg(QDir::toNativeSeparators(copy))),
                          failed);
        }
    }
    QSqlQuery query(Database());
    bool ok = true;
    for (const char* statement : UpgradeFromOne) {
        ok = ok && query.exec(QLatin1String(statement));
    }
    for (const char* statement : TextSchema) {
        ok = ok && query.exec(QLatin1String(statement));
    }
    ok = ok &&
         query.exec(QStringLiteral("INSERT INTO charts_text (charts_text) VALUES ('rebuild')"));
    ok = ok && query.exec(QLatin1String(ChartsSchema[1])) &&
         query.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
    const QSqlError error = query.lastError();
    query.finish();
    if (!Finish(ok, error, failed)) {
        return false;
    }
    //: Said once, after a journal of an earlier Kelvora was brought to this version; %1 is the
    //: journal's file, %2 the copy of it as it was.
    notice = tr("The journal %1 was brought to this version of Kelvora; a copy of it as it was is "
                "kept as %2.")
                 .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(copy));
    return true;
}

// Opens the journal unless it is open on what is there now: a file removed, made or replaced by
// someone else since is opened again, so that nothing is kept into a file no longer in its place.
bool JournalStore::Ensure() {
    if (stage != Stage::Closed && Database().isOpen() && (stage == Stage::Absent) != Exists()) {
        bool same = stage == Stage::Absent;
        struct stat file {};
        if (!same && stat(QFile::encodeName(path).constData(), &file) == 0) {
            same = file.st_dev == device && file.st_ino == inode;
        }
        if (same) {
            lastError = readOnly ? why : QString();
            busy = false;
            return true;
        }
        if (!Open()) {
            return false;
        }
        replaced = true;
        return true;
    }
    const bool wasOpen = stage != Stage::Closed && stage != Stage::Absent;
    const bool opened = Open();
    replaced = replaced || (wasOpen && opened && stage != Stage::Absent);
    return opened;
}

bool JournalStore::Begin(const QString& failed) {
    if (readOnly) {
        //: Why a chart is not kept, changed or removed; %1 says why the journal is only read.
        return Fail(tr("%1 Nothing was written.").arg(why));
    }
    // A write may wait longer than a read for another program to let go of the file.
    QSqlQuery begin(Database());
    begin.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(WriteWaitMs));
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        const QSqlError error = begin.lastError();
        begin.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(ReadWaitMs));
        NoteFault(error);
        return FailWith(failed, busy ? tr("another program is using it") : Reason(error));
    }
    return true;
}

// Commits, or rolls back and says why: SQLite undoes every change of the transaction, so the
// journal is as it was (a rollback cut short is finished at the next opening).
bool JournalStore::Finish(bool ok, const QSqlError& error, const QString& failed) {
    QSqlQuery end(Database());
    const bool committed = ok && end.exec(QStringLiteral("COMMIT"));
    const QSqlError fault = ok ? end.lastError() : error;
    if (!committed) {
        end.exec(QStringLiteral("ROLLBACK"));
    }
    end.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(ReadWaitMs));
    if (committed) {
        return true;
    }
    NoteFault(fault);
    return FailWith(failed, busy ? tr("another program is using it") : Reason(fault));
}

// The first keep's folder (mode 0700) and file (0600, made before SQLite opens it, so that no
// umask makes it readable by others).
bool JournalStore::MakeFile(const QString& failed) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        //: The reason a first keep failed; %1 is the folder the journal goes in.
        return FailWith(failed,
                        tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
    }
    chmod(QFile::encodeName(folder).constData(), 0700);
    const int made =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made < 0 && errno != EEXIST) {
        return FailWith(failed, QString::fromLocal8Bit(strerror(errno)));
    }
    if (made >= 0) {
        fchmod(made, 0600);
        ::close(made);
    }
    return true;
}

QString JournalStore::KeepFailed(bool many) {
    return many
               //: A failed import; %1 is the journal's file, %2 the reason.
               ? tr("Kelvora could not keep the imported charts in the journal %1: %2. The "
                    "journal is as it was.")
               //: A failed keep; %1 is the journal's file, %2 the reason (SQLite's, in
               //: English, or one of these).
               : tr("Kelvora could not keep the chart in the journal %1: %2. The journal is as it "
                    "was.");
}

// One chart's columns as the charts table has them: kept_utc, offset_seconds, mothers, tableau,
// question, note.
using ChartRow = std::array<QVariant, 6>;

struct JournalStore::Keeping {
    explicit Keeping(const QSqlDatabase& db) : insert(db), find(db) {}
    QSqlQuery insert;
    QSqlQuery find;
    QString failure; // what a failure says, with the file and the reason
    bool madeFile = false;
    bool failed = false;
    // The last chart kept before this batch: only charts up to it count as already kept, so that
    // two equal charts of one file are both kept.
    qint64 before = 0;
    // Charts of one time from a list newest first, held so that they are kept oldest first: the
    // first alone, in `pending`, the others with it in the temporary table `held`.
    std::optional<ChartRow> pending;
    bool heldInTable = false;
};

std::optional<qint64> JournalStore::Keep(const KeptChart& chart) {
    if (!StartKeeping(false)) {
        return std::nullopt;
    }
    // A chart given without its time is kept as of now, with the local offset now.
    KeptChart timed = chart;
    if (!timed.keptUtc.isValid()) {
        const QDateTime now = QDateTime::currentDateTime();
        timed.keptUtc = now.toUTC();
        timed.offsetSeconds = now.offsetFromUtc();
    }
    const std::optional<qint64> id = KeepMore(timed);
    return EndKeeping(id.has_value()) ? id : std::nullopt;
}

bool JournalStore::StartKeeping(bool many) {
    const QString failed = KeepFailed(many);
    keeping.reset();
    if (!Ensure()) {
        if (busy) {
            FailWith(failed, tr("another program is using it"));
        }
        return false;
    }
    lastError.clear();
    bool madeFile = false;
    if (stage == Stage::Absent && !readOnly) {
        // The first keep makes the folder and the file; the schema comes inside its transaction.
        const bool existed = Exists();
        if (!MakeFile(failed)) {
            return false;
        }
        madeFile = !existed;
        // Made meanwhile by another Kelvora, it is read as it is.
        if (!Open()) {
            ForgetMadeFile(madeFile);
            return false;
        }
    } else if (!readOnly) {
        // Private, also when made by an earlier Kelvora.
        chmod(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0700);
        chmod(QFile::encodeName(path).constData(), 0600);
    }
    if (!Begin(failed)) {
        ForgetMadeFile(madeFile);
        return false;
    }
    QSqlQuery query(Database());
    bool ok = true;
    if (stage == Stage::Unformed) {
        for (const char* statement : ChartsSchema) {
            ok = ok && query.exec(QLatin1String(statement));
        }
        for (const char* statement : TextSchema) {
            ok = ok && query.exec(QLatin1String(statement));
        }
        ok = ok && query.exec(QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId)) &&
             query.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
    }
    qint64 before = 0;
    if (ok && query.exec(QStringLiteral("SELECT max(id) FROM charts")) && query.next()) {
        before = query.value(0).toLongLong();
    }
    ok = ok && !query.lastError().isValid();
    query.finish();
    keeping = std::make_unique<Keeping>(Database());
    keeping->failure = failed;
    keeping->madeFile = madeFile;
    keeping->before = before;
    ok = ok &&
         keeping->insert.prepare(QStringLiteral(
             "INSERT INTO charts (kept_utc, offset_seconds, mothers, tableau, question, note) "
             "VALUES (?, ?, ?, ?, ?, ?)")) &&
         // Found through the index by time: few charts share a second.
         keeping->find.prepare(QStringLiteral(
             "SELECT 1 FROM charts WHERE kept_utc = ? AND mothers = ? AND tableau = ? AND "
             "question = ? AND note = ? AND +id <= ? LIMIT 1"));
    if (!ok) {
        const QSqlError error = query.lastError().isValid() ? query.lastError()
                                : keeping->insert.lastError().isValid()
                                    ? keeping->insert.lastError()
                                    : keeping->find.lastError();
        keeping.reset();
        Finish(false, error, failed);
        ForgetMadeFile(madeFile);
        return false;
    }
    keeping->insert.setForwardOnly(true);
    keeping->find.setForwardOnly(true);
    return true;
}

std::optional<qint64> JournalStore::KeepFailure(QSqlQuery& query) {
    const QSqlError error = query.lastError();
    query.finish();
    keeping->failed = true;
    NoteFault(error);
    FailWith(keeping->failure, busy ? tr("another program is using it") : Reason(error));
    return std::nullopt;
}

std::optional<qint64> JournalStore::KeepMore(const KeptChart& chart, bool fromList,
                                             bool* alreadyKept) {
    if (alreadyKept) {
        *alreadyKept = false;
    }
    if (!keeping || keeping->failed) {
        return std::nullopt;
    }
    const ChartRow row{chart.keptUtc.toUTC().toString(Qt::ISODate),
                       chart.offsetSeconds,
                       MothersText(chart.mothers),
                       TableauName(chart.tableau),
                       chart.question.isNull() ? QLatin1String("") : chart.question,
                       chart.note.isNull() ? QLatin1String("") : chart.note};
    if (!fromList) {
        return InsertRow(keeping->insert, row);
    }
    QSqlQuery& find = keeping->find;
    for (std::size_t column : {0, 2, 3, 4, 5}) {
        find.addBindValue(row[column]);
    }
    find.addBindValue(keeping->before);
    if (!find.exec()) {
        return KeepFailure(find);
    }
    const bool found = find.next();
    if (find.lastError().isValid()) {
        return KeepFailure(find);
    }
    find.finish();
    if (found) {
        if (alreadyKept) {
            *alreadyKept = true;
        }
        return 0;
    }
    // Held until a chart of another time comes.
    if (keeping->pending && (*keeping->pending)[0] != row[0] && !KeepHeld()) {
        return std::nullopt;
    }
    if (!keeping->pending) {
        keeping->pending = row;
        return 0;
    }
    QSqlQuery hold(Database());
    // In SQLite's temporary database, with a page cache of its own kept small.
    if ((!keeping->heldInTable &&
         (!hold.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS held (kept_utc, "
                                    "offset_seconds, mothers, tableau, question, note)")) ||
          !hold.exec(QStringLiteral("PRAGMA temp.cache_size=-256")))) ||
        !hold.prepare(QStringLiteral("INSERT INTO temp.held VALUES (?, ?, ?, ?, ?, ?)"))) {
        return KeepFailure(hold);
    }
    if (!keeping->heldInTable) {
        if (!InsertRow(hold, *keeping->pending)) {
            return std::nullopt;
        }
        keeping->heldInTable = true;
    }
    if (!InsertRow(hold, row)) {
        return std::nullopt;
    }
    return 0;
}

std::optional<qint64> JournalStore::InsertRow(QSqlQuery& query, const ChartRow& row) {
    for (const QVariant& value : row) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return KeepFailure(query);
    }
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    return id;
}

// Keeps the charts held, the last given first.
bool JournalStore::KeepHeld() {
    if (!keeping->pending) {
        return true;
    }
    if (!keeping->heldInTable) {
        const bool kept = InsertRow(keeping->insert, *keeping->pending).has_value();
        keeping->pending.reset();
        return kept;
    }
    // A thousand at a time, from the last given: one statement over them all would hold its
    // undo pages and the full-text index's new entries in memory until it ends.
    QSqlQuery held(Database());
    held.setForwardOnly(true);
    if (!held.exec(QStringLiteral("SELECT max(rowid) FROM temp.held")) || !held.next()) {
        return KeepFailure(held).has_value();
    }
    qint64 top = held.value(0).toLongLong();
    held.finish();
    QSqlQuery move(Database());
    if (!move.prepare(QStringLiteral("INSERT INTO charts (kept_utc, offset_seconds, mothers, "
                                     "tableau, question, note) SELECT * FROM temp.held WHERE "
                                     "rowid > ? AND rowid <= ? ORDER BY rowid DESC"))) {
        return KeepFailure(move).has_value();
    }
    for (; top > 0; top -= 1000) {
        move.addBindValue(top - 1000);
        move.addBindValue(top);
        if (!move.exec()) {
            return KeepFailure(move).has_value();
        }
    }
    if (!held.exec(QStringLiteral("DELETE FROM temp.held"))) {
        return KeepFailure(held).has_value();
    }
    keeping->pending.reset();
    keeping->heldInTable = false;
    return true;
}

bool JournalStore::EndKeeping(bool commit) {
    if (!keeping) {
        return false;
    }
    if (commit && !keeping->failed) {
        KeepHeld();
    }
    const bool madeFile = keeping->madeFile;
    const bool failed = keeping->failed;
    const QString failure = keeping->failure;
    keeping.reset();
    if (!commit || failed) {
        // What KeepMore() said stays said; a transaction given up on purpose says nothing.
        const QString said = lastError;
        QSqlQuery end(Database());
        end.exec(QStringLiteral("ROLLBACK"));
        end.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(ReadWaitMs));
        lastError = failed ? said : QString();
        ForgetMadeFile(madeFile);
        return false;
    }
    if (!Finish(true, QSqlError(), failure)) {
        ForgetMadeFile(madeFile);
        return false;
    }
    stage = Stage::Ready;
    return true;
}

// After a first keep failed: the file it made holds nothing, so it goes, and the journal is
// again one that was never kept in. A file with anything in it is left alone.
void JournalStore::ForgetMadeFile(bool madeFile) {
    if (!madeFile) {
        return;
    }
    Database().close();
    stage = Stage::Closed;
    if (QFileInfo(path).size() == 0 && !QFileInfo::exists(path + QStringLiteral("-journal"))) {
        QFile::remove(path);
    }
}

bool JournalStore::Edit(qint64 id, const QString& question, const QString& note) {
    //: A failed edit; %1 is the journal's file, %2 the reason.
    return ChangeOne(tr("Kelvora could not change the chart in the journal %1: %2. The journal is "
                        "as it was."),
                     id, QStringLiteral("UPDATE charts SET question = ?, note = ? WHERE id = ?"),
                     {question.isNull() ? QLatin1String("") : question,
                      note.isNull() ? QLatin1String("") : note});
}

bool JournalStore::Remove(qint64 id) {
    //: A failed removal; %1 is the journal's file, %2 the reason.
    return ChangeOne(tr("Kelvora could not remove the chart from the journal %1: %2. The journal "
                        "is as it was."),
                     id, QStringLiteral("DELETE FROM charts WHERE id = ?"), {});
}

// Runs `sql` on chart `id` alone, in one transaction: `values` bound first, the id last. A chart
// that is not there is a failure, said as `failed`.
bool JournalStore::ChangeOne(const QString& failed, qint64 id, const QString& sql,
                             const QVariantList& values) {
    //: A reason; %1 is the chart's number in the journal.
    const QString missing = tr("there is no chart %1 in it").arg(id);
    if (!Ensure()) {
        return busy ? FailWith(failed, tr("another program is using it")) : false;
    }
    if (stage != Stage::Ready) {
        return FailWith(failed, missing);
    }
    if (!Begin(failed)) {
        return false;
    }
    QSqlQuery query(Database());
    bool ok = query.prepare(sql);
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    query.addBindValue(id);
    ok = ok && query.exec();
    QSqlError error = query.lastError();
    if (ok && query.numRowsAffected() != 1) {
        ok = false;
        error = QSqlError(QString(), missing);
    }
    query.finish();
    return Finish(ok, error, failed);
}

// One chart from a row of id, kept_utc, offset_seconds, mothers, tableau, question, note; a row
// that does not read as a chart is said, with its id.
std::optional<KeptChart> JournalStore::ChartFrom(const QSqlQuery& row) {
    KeptChart chart;
    chart.id = row.value(0).toLongLong();
    chart.keptUtc = QDateTime::fromString(row.value(1).toString(), Qt::ISODate).toUTC();
    chart.offsetSeconds = row.value(2).toInt();
    QString reason;
    const std::optional<Mothers> mothers = ReadMothers(row.value(3).toString(), &reason);
    const std::optional<Tableau> tableau = ReadTableau(row.value(4).toString());
    if (!mothers || !tableau || !chart.keptUtc.isValid()) {
        FailWith(tr("Kelvora cannot read the journal %1: %2."),
                 //: A reason; %1 is the chart's number in the journal.
                 tr("chart %1 in it is damaged").arg(chart.id));
        return std::nullopt;
    }
    chart.mothers = *mothers;
    chart.tableau = *tableau;
    chart.question = row.value(5).toString();
    chart.note = row.value(6).toString();
    return chart;
}

std::optional<KeptChart> JournalStore::Find(qint64 id) {
    if (!Ensure()) {
        return std::nullopt;
    }
    if (stage != Stage::Ready) {
        FailWith(tr("Kelvora cannot read the journal %1: %2."),
                 tr("there is no chart %1 in it").arg(id));
        return std::nullopt;
    }
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, kept_utc, offset_seconds, mothers, tableau, "
                                 "question, note FROM charts WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        FailRead(query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        if (query.lastError().isValid()) {
            FailRead(query.lastError());
        } else {
            FailWith(tr("Kelvora cannot read the journal %1: %2."),
                     tr("there is no chart %1 in it").arg(id));
        }
        return std::nullopt;
    }
    return ChartFrom(query);
}

namespace {

// The words typed: runs of the characters the index's tokenizer keeps in a word.
QStringList SearchWords(const QString& search) {
    QStringList words;
    QString word;
    for (const char32_t c : search.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (WordCharacter(c)) {
            word += QString::fromUcs4(&c, 1);
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty()) {
        words.append(word);
    }
    return words;
}

QString Quoted(QString text) {
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The most terms a typed word is matched by one by one rather than as a prefix.
constexpr int MostTerms = 16;

} // namespace

QString JournalStore::MatchExpression(const QString& search) {
    QStringList words = SearchWords(search);
    for (QString& word : words) {
        word = Quoted(word) + QLatin1Char('*');
    }
    return words.join(QLatin1Char(' '));
}

// A prefix longer than the index's prefix indexes makes FTS5 read and merge the whole doclist of
// every term it starts before the first row (about 40 ms for a common word in 1,000,000 charts),
// whereas plain terms are read lazily in rowid order and stop after a page. So such a word is
// matched as the OR of the terms it starts, when they are few: the same rows. The word is folded
// by the tokenizer itself, in a table of the connection's own (temp) schema, and the terms are
// found one by one in the index's vocabulary, each by a seek (an fts5vocab 'instance' table reads
// no doclist beyond its first entry; a 'row' one would count them all).
QString JournalStore::WordMatch(const QString& word, QSqlError& failed) {
    const QString prefix = Quoted(word) + QLatin1Char('*');
    // Folding never adds characters: up to three, the prefix indexes answer.
    if (word.toUcs4().size() <= 3) {
        return prefix;
    }
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    for (const char* statement :
         {"CREATE VIRTUAL TABLE IF NOT EXISTS temp.typed USING fts5 (word,"
          " tokenize='unicode61 remove_diacritics 2')",
          "CREATE VIRTUAL TABLE IF NOT EXISTS temp.typed_terms USING fts5vocab (temp, typed, row)",
          "CREATE VIRTUAL TABLE IF NOT EXISTS temp.kept_terms"
          " USING fts5vocab (main, charts_text, instance)",
          "DELETE FROM temp.typed"}) {
        if (!query.exec(QLatin1String(statement))) {
            return prefix;
        }
    }
    query.prepare(QStringLiteral("INSERT INTO temp.typed (word) VALUES (?)"));
    query.addBindValue(word);
    if (!query.exec() || !query.exec(QStringLiteral("SELECT term, cnt FROM temp.typed_terms"))) {
        return prefix;
    }
    // One token, as the index holds it.
    if (!query.next() || query.value(1).toInt() != 1) {
        return prefix;
    }
    const QString folded = query.value(0).toString();
    if (query.next() || folded.toUcs4().size() <= 3) {
        return prefix;
    }
    QStringList terms;
    QString from = folded;
    query.prepare(QStringLiteral("SELECT term FROM temp.kept_terms WHERE term >= ? LIMIT 1"));
    while (terms.size() <= MostTerms) {
        query.bindValue(0, from);
        if (!query.exec()) {
            // A read of the journal that failed (busy, damaged): said as the list's would be.
            failed = query.lastError();
            return {};
        }
        if (!query.next()) {
            break;
        }
        const QString term = query.value(0).toString();
        if (!term.startsWith(folded)) {
            break;
        }
        terms.append(Quoted(term));
        // The least text after `term`: no term holds a control character.
        from = term + QChar(1);
    }
    query.finish();
    if (terms.isEmpty() || terms.size() > MostTerms) {
        return prefix;
    }
    return QLatin1Char('(') + terms.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

ListPage JournalStore::List(const QString& search, const ListKey& after, int count) {
    ListPage page;
    if (!Ensure()) {
        page.ok = false;
        return page;
    }
    if (stage != Stage::Ready) {
        return page; // no chart kept yet
    }
    QStringList words = SearchWords(search);
    for (QString& word : words) {
        QSqlError failed;
        word = WordMatch(word, failed);
        if (failed.isValid()) {
            page.ok = FailRead(failed);
            return page;
        }
    }
    // FTS5 reads no implicit AND beside a parenthesised group.
    const QString match = words.join(QLatin1String(" AND "));
    const bool paged = after.id != 0;
    QString sql;
    if (match.isEmpty()) {
        sql = QLatin1String(ListAll) + QLatin1String(paged ? ListAllAfter : "") +
              QLatin1String(ListAllOrder);
    } else {
        sql = QLatin1String(ListFound) + QLatin1String(paged ? ListFoundAfter : "") +
              QLatin1String(ListFoundOrder);
    }
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!match.isEmpty()) {
        query.addBindValue(match);
    }
    if (paged && match.isEmpty()) {
        query.addBindValue(after.keptUtc);
    }
    if (paged) {
        query.addBindValue(after.id);
    }
    query.addBindValue(count);
    if (!query.exec()) {
        page.ok = FailRead(query.lastError());
        return page;
    }
    lastError.clear();
    while (query.next()) {
        page.rows.append({query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toInt(), query.value(3).toString(),
                          query.value(4).toString()});
    }
    if (query.lastError().isValid()) {
        page.ok = FailRead(query.lastError());
        page.atEnd = true;
        return page;
    }
    page.atEnd = page.rows.size() < count;
    return page;
}

bool JournalStore::IsJournalFile(const QString& file) const {
    const QFileInfo target(file);
    struct stat targetStat {};
    const bool targetExists = stat(QFile::encodeName(file).constData(), &targetStat) == 0;
    const QString targetFolder = QDir(target.absolutePath()).canonicalPath();
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        const QString mine = path + QLatin1String(suffix);
        struct stat mineStat {};
        if (targetExists && stat(QFile::encodeName(mine).constData(), &mineStat) == 0) {
            if (targetStat.st_dev == mineStat.st_dev && targetStat.st_ino == mineStat.st_ino) {
                return true;
            }
            continue;
        }
        const QFileInfo ours(mine);
        if (!targetFolder.isEmpty() && target.fileName() == ours.fileName() &&
            targetFolder == QDir(ours.absolutePath()).canonicalPath()) {
            return true;
        }
    }
    return false;
}

bool JournalStore::ExportCsv(const QString& file,
                             const std::function<bool(qint64, qint64)>& progress) {
    //: A failed CSV export; %1 is the file written, %2 the system's reason.
    const QString cannotWrite = tr("Kelvora could not write the file %1: %2.");
    const auto failWrite = [&](const QString& reason) {
        return Fail(cannotWrite.arg(QDir::toNativeSeparators(file), reason));
    };
    if (IsJournalFile(file)) {
        //: The reason an export is refused (after "Kelvora could not write the file %1: ").
        return failWrite(tr("it is the journal itself, which the export would destroy"));
    }
    if (!Ensure()) {
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return failWrite(out.errorString());
    }
    QByteArray csv = csv::Header();
    qint64 done = 0;
    QString readFault;
    if (stage == Stage::Ready) {
        QSqlQuery query(Database());
        query.setForwardOnly(true);
        qint64 total = 0;
        if (query.exec(QStringLiteral("SELECT count(*) FROM charts")) && query.next()) {
            total = query.value(0).toLongLong();
        }
        query.finish();
        if (!query.exec(QStringLiteral("SELECT id, kept_utc, offset_seconds, mothers, tableau, "
                                       "question, note FROM charts ORDER BY kept_utc DESC, "
                                       "id DESC"))) {
            out.cancelWriting();
            return FailRead(query.lastError());
        }
        // Written a block at a time, so that memory stays flat whatever the journal holds. A
        // row that does not read as a chart is left out and said.
        constexpr int Block = 1 << 16;
        ListKey last;
        while (query.next()) {
            const std::optional<KeptChart> chart = ChartFrom(query);
            if (!chart) {
                readFault = lastError;
                continue;
            }
            last = {query.value(1).toString(), chart->id};
            csv += csv::Row(*chart);
            ++done;
            if (csv.size() >= Block) {
                if (out.write(csv) != csv.size()) {
                    return failWrite(out.errorString());
                }
                csv.clear();
            }
            if (progress && done % 1000 == 0 && !progress(done, total)) {
                out.cancelWriting();
                lastError.clear();
                return false;
            }
        }
        if (query.lastError().isValid()) {
            FailRead(query.lastError());
            readFault = lastError;
            // Stopped by a damaged part of the file: the charts beyond it are read from the
            // oldest up to it, and written after the others, newest first.
            QSqlQuery back(Database());
            back.setForwardOnly(true);
            back.prepare(
                QStringLiteral("SELECT id, kept_utc, offset_seconds, mothers, tableau, "
                               "question, note FROM charts%1 ORDER BY kept_utc, id")
                    .arg(last.id ? QStringLiteral(" WHERE (kept_utc, id) < (?, ?)") : QString()));
            if (last.id) {
                back.addBindValue(last.keptUtc);
                back.addBindValue(last.id);
            }
            QByteArrayList older;
            if (back.exec()) {
                while (back.next()) {
                    if (const std::optional<KeptChart> chart = ChartFrom(back)) {
                        older.append(csv::Row(*chart));
                    }
                }
            }
            for (auto row = older.crbegin(); row != older.crend(); ++row) {
                csv += *row;
            }
            done += older.size();
        }
    }
    if (out.write(csv) != csv.size() || !out.commit()) {
        return failWrite(out.errorString());
    }
    if (!readFault.isEmpty()) {
        // What could be read is written; the rest is said.
        //: After an export met charts it could not read; %1 is the number written, %2 the
        //: file, %3 why the rest could not be read.
        return Fail(tr("Only %1 charts could be written to %2. %3")
                        .arg(done)
                        .arg(QDir::toNativeSeparators(file), readFault));
    }
    return true;
}

} // namespace journal
