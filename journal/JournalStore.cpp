#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>

namespace journal {

namespace {

// PRAGMA application_id of a Kelvora journal: "KLVR".
constexpr qint64 ApplicationId = 0x4B4C5652;

// SQLite's page cache, fixed, so that memory does not grow with the journal (KiB).
constexpr int CacheKiB = 1024;

// How long a write waits for another program (the sqlite3 tool) holding the file.
constexpr int BusyTimeoutMs = 5000;

// The file's own words for what went wrong: SQLite's message where there is one.
QString Reason(const QSqlError& error) {
    QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    reason = reason.trimmed();
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason;
}

// The columns List() gives. Newest first is the order of keeping, last first: ids only grow.
// With a search, the full-text index gives its matches in that order itself, so the first rows
// come without reading every match.
const char* const ListAll = "SELECT id, kept_utc AS keptUtc, offset_seconds AS offsetSeconds, "
                            "question, note FROM charts ORDER BY id DESC";
const char* const ListFound =
    "SELECT c.id, c.kept_utc AS keptUtc, c.offset_seconds AS offsetSeconds, c.question, c.note "
    "FROM charts_text t JOIN charts c ON c.id = t.rowid WHERE charts_text MATCH ? "
    "ORDER BY t.rowid DESC";

// The schema, made inside the first keep's transaction. The full-text index reads its text from
// the charts table (external content); the triggers keep it in step under every change.
const char* const Schema[] = {
    "CREATE TABLE charts ("
    " id INTEGER PRIMARY KEY,"
    " kept_utc TEXT NOT NULL,"
    " offset_seconds INTEGER NOT NULL,"
    " mothers TEXT NOT NULL,"
    " tableau TEXT NOT NULL,"
    " question TEXT NOT NULL,"
    " note TEXT NOT NULL)",
    "CREATE VIRTUAL TABLE charts_text USING fts5 (question, note, content='charts',"
    " content_rowid='id', tokenize='unicode61 remove_diacritics 2')",
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

// One CSV field: quoted when it holds a comma, quote, CR or LF, quotes doubled. A field a
// spreadsheet would read as a formula (starting with = + - @) gets a leading ' and is quoted, so
// it shows as text and never runs.
QString CsvField(const QString& text) {
    static const QString formulaStarts = QStringLiteral("=+-@");
    const bool inert = !text.isEmpty() && formulaStarts.contains(text.front());
    QString field = inert ? QLatin1Char('\'') + text : text;
    if (inert || field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
        field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'))) {
        field.replace(QLatin1Char('"'), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
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

QString JournalStore::LastError() const {
    return lastError;
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

// (Re)opens the connection: on an empty journal in memory, or on the file read-only, read-write
// or made. The file is opened through a URI so that its mode is exact: "ro" and "rw" never make
// it, only "rwc" does.
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
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (mode == Mode::Memory) {
        db.setDatabaseName(QStringLiteral(":memory:"));
    } else {
        static const char* const modes[] = {"ro", "rw", "rwc"};
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(QStringLiteral("mode=") + QLatin1String(modes[static_cast<int>(mode) - 1]));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        //: A failure, said in a message box; %1 is the journal's file, %2 the reason (SQLite's, in
        //: English).
        return FailWith(tr("Kelvora cannot open the journal %1: %2."), Reason(db.lastError()));
    }
    // Set on every open rather than trusting SQLite's defaults: a rollback journal deleted at
    // each commit, every commit flushed to the disk, a page cache of a fixed size.
    QSqlQuery pragma(db);
    for (const QString& statement :
         {QStringLiteral("PRAGMA journal_mode=DELETE"), QStringLiteral("PRAGMA synchronous=FULL"),
          QStringLiteral("PRAGMA cache_size=-%1").arg(CacheKiB)}) {
        if (!pragma.exec(statement)) {
            const QString reason = Reason(pragma.lastError());
            db.close();
            //: A failure; %1 is the journal's file, %2 the reason (SQLite's, in English, or one of
            //: the reasons below).
            return FailWith(tr("Kelvora cannot read the journal %1: %2."), reason);
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
    //: %1 is the journal's file, %2 the reason below.
    return FailWith(tr("Kelvora cannot search the journal %1: %2."),
                    tr("the SQLite library Qt uses here was built without full-text search "
                       "(FTS5)"));
}

bool JournalStore::Open() {
    lastError.clear();
    readOnly = false;
    state = State::Closed;
    const QString unreadable = tr("Kelvora cannot read the journal %1: %2.");
    if (!Exists()) {
        // No chart kept yet: an empty journal, until the first Keep makes the file.
        if (!Connect(Mode::Memory) || !CheckFullText()) {
            Database().close();
            return false;
        }
        state = State::Absent;
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
    // Read-write first: a keep that was cut short left a -journal, which SQLite plays back here.
    if (!Connect(Mode::ReadWrite)) {
        return false;
    }
    QSqlQuery query(Database());
    const auto pragma = [&](const char* name) -> std::optional<qint64> {
        if (query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) && query.next()) {
            return query.value(0).toLongLong();
        }
        return std::nullopt;
    };
    const std::optional<qint64> application = pragma("application_id");
    const std::optional<qint64> version = pragma("user_version");
    const std::optional<qint64> tables = pragma("schema_version");
    if (!application || !version || !tables) {
        const QString reason = Reason(query.lastError());
        Database().close();
        return FailWith(unreadable, reason);
    }
    if (*version == 0 && *application == 0 && *tables == 0) {
        // An empty file: a first keep that never finished. Its schema is made by the next.
        if (!CheckFullText()) {
            Database().close();
            return false;
        }
        state = State::Unformed;
        return true;
    }
    if (*application != ApplicationId || *version == 0) {
        Database().close();
        //: The reason a file is not read as a journal (after "Kelvora cannot read the journal %1:
        //: ").
        return FailWith(unreadable, tr("it is an SQLite database, but not a Kelvora journal"));
    }
    if (!CheckFullText()) {
        Database().close();
        return false;
    }
    if (*version > SchemaVersion) {
        if (!Connect(Mode::ReadOnly)) {
            return false;
        }
        readOnly = true;
        query = QSqlQuery(Database());
    }
    // The tables are read once, so that a damaged schema is said here rather than at a search.
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM charts_text WHERE charts_text "
                                   "MATCH 'x'), (SELECT max(id) FROM charts)")) ||
        !query.next()) {
        const QString reason = Reason(query.lastError());
        Database().close();
        readOnly = false;
        return FailWith(unreadable, reason);
    }
    query.finish();
    state = State::Ready;
    if (readOnly) {
        //: Said when the journal opens read-only; %1 is the journal's file.
        lastError = tr("The journal %1 was made by a newer version of Kelvora: its charts can be "
                       "listed and opened, but not kept, changed or removed.")
                        .arg(QDir::toNativeSeparators(path));
    }
    return true;
}

// Opens the journal unless it is open on what is there now: a file removed or made by someone
// else since is opened again, so that nothing is kept into a file no longer in its place.
bool JournalStore::Ensure() {
    if (state != State::Closed && Database().isOpen() && (state == State::Absent) != Exists()) {
        lastError.clear();
        if (readOnly) {
            // The reason stays said.
            lastError = tr("The journal %1 was made by a newer version of Kelvora: its charts "
                           "can be listed and opened, but not kept, changed or removed.")
                            .arg(QDir::toNativeSeparators(path));
        }
        return true;
    }
    return Open();
}

bool JournalStore::Begin(const QString& failed) {
    if (readOnly) {
        //: The reason a chart is not kept, changed or removed (after "... in the journal %1: ").
        return FailWith(failed, tr("it was made by a newer version of Kelvora, which this one can "
                                   "read but not change"));
    }
    QSqlQuery begin(Database());
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return FailWith(failed, Reason(begin.lastError()));
    }
    return true;
}

// Commits, or rolls back and says why: SQLite undoes every change of the transaction, so the
// journal is as it was (a rollback cut short is finished at the next opening).
bool JournalStore::Finish(bool ok, const QSqlError& error, const QString& failed) {
    QSqlQuery end(Database());
    if (ok && end.exec(QStringLiteral("COMMIT"))) {
        return true;
    }
    const QString reason = Reason(ok ? end.lastError() : error);
    end.exec(QStringLiteral("ROLLBACK"));
    return FailWith(failed, reason);
}

std::optional<qint64> JournalStore::Keep(const KeptChart& chart) {
    //: A failed keep; %1 is the journal's file, %2 the reason (SQLite's, in English, or one of
    //: these).
    const QString failed = tr("Kelvora could not keep the chart in the journal %1: %2. The "
                              "journal is as it was.");
    if (!Ensure()) {
        return std::nullopt;
    }
    lastError.clear();
    bool madeFile = false;
    if (state == State::Absent) {
        // The first keep makes the folder and the file; the schema comes inside its transaction.
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            FailWith(failed,
                     //: The reason a first keep failed; %1 is the folder the journal goes in.
                     tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
            return std::nullopt;
        }
        if (Exists()) {
            // Made meanwhile by another Kelvora: read it as it is.
            if (!Open()) {
                return std::nullopt;
            }
        } else {
            if (!Connect(Mode::Create)) {
                return std::nullopt;
            }
            madeFile = true;
            state = State::Unformed;
        }
    }
    if (!Begin(failed)) {
        ForgetMadeFile(madeFile);
        return std::nullopt;
    }
    QSqlQuery query(Database());
    bool ok = true;
    if (state == State::Unformed) {
        for (const char* statement : Schema) {
            ok = ok && query.exec(QLatin1String(statement));
        }
        ok = ok && query.exec(QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId)) &&
             query.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
    }
    if (ok) {
        ok = query.prepare(QStringLiteral(
            "INSERT INTO charts (kept_utc, offset_seconds, mothers, tableau, question, note) "
            "VALUES (?, ?, ?, ?, ?, ?)"));
        // A chart given without its time is kept as of now, with the local offset now.
        const QDateTime now = QDateTime::currentDateTime();
        const bool timed = chart.keptUtc.isValid();
        query.addBindValue((timed ? chart.keptUtc : now).toUTC().toString(Qt::ISODate));
        query.addBindValue(timed ? chart.offsetSeconds : now.offsetFromUtc());
        query.addBindValue(MothersText(chart.mothers));
        query.addBindValue(TableauName(chart.tableau));
        query.addBindValue(chart.question.isNull() ? QLatin1String("") : chart.question);
        query.addBindValue(chart.note.isNull() ? QLatin1String("") : chart.note);
        ok = ok && query.exec();
    }
    const qint64 id = ok ? query.lastInsertId().toLongLong() : 0;
    const QSqlError error = query.lastError();
    query.finish();
    if (!Finish(ok, error, failed)) {
        ForgetMadeFile(madeFile);
        return std::nullopt;
    }
    state = State::Ready;
    return id;
}

// After a first keep failed: the file it made holds nothing, so it goes, and the journal is
// again one that was never kept in. A file with anything in it is left alone.
void JournalStore::ForgetMadeFile(bool madeFile) {
    if (!madeFile) {
        return;
    }
    Database().close();
    state = State::Closed;
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
        return false;
    }
    if (state != State::Ready) {
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
    QString why;
    const std::optional<Mothers> mothers = ReadMothers(row.value(3).toString(), &why);
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
    if (state != State::Ready) {
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
        FailWith(tr("Kelvora cannot read the journal %1: %2."), Reason(query.lastError()));
        return std::nullopt;
    }
    if (!query.next()) {
        FailWith(tr("Kelvora cannot read the journal %1: %2."),
                 query.lastError().isValid() ? Reason(query.lastError())
                                             : tr("there is no chart %1 in it").arg(id));
        return std::nullopt;
    }
    return ChartFrom(query);
}

QString JournalStore::MatchExpression(const QString& search) {
    QStringList words;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty()) {
            word.replace(QLatin1Char('"'), QLatin1String("\"\""));
            words.append(QLatin1Char('"') + word + QLatin1String("\"*"));
            word.clear();
        }
    };
    for (const char32_t c : search.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (WordCharacter(c)) {
            word += QString::fromUcs4(&c, 1);
        } else {
            endWord();
        }
    }
    endWord();
    return words.join(QLatin1Char(' '));
}

QSqlQuery JournalStore::List(const QString& search) {
    if (!Ensure()) {
        return QSqlQuery();
    }
    const QString match = MatchExpression(search);
    // Forward only: rows are read from the file as they are asked for, and none is kept twice.
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (state != State::Ready) {
        // No chart kept yet: the same columns, no rows.
        query.exec(QStringLiteral("SELECT 0 AS id, '' AS keptUtc, 0 AS offsetSeconds, '' AS "
                                  "question, '' AS note WHERE 0"));
        return query;
    }
    query.prepare(QLatin1String(match.isEmpty() ? ListAll : ListFound));
    if (!match.isEmpty()) {
        query.addBindValue(match);
    }
    if (!query.exec()) {
        FailWith(tr("Kelvora cannot read the journal %1: %2."), Reason(query.lastError()));
        return QSqlQuery();
    }
    return query;
}

bool JournalStore::ExportCsv(const QString& file) {
    if (!Ensure()) {
        return false;
    }
    //: A failed CSV export; %1 is the file written, %2 the system's reason.
    const QString cannotWrite = tr("Kelvora could not write the file %1: %2.");
    const auto failWrite = [&](const QString& reason) {
        return Fail(cannotWrite.arg(QDir::toNativeSeparators(file), reason));
    };
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return failWrite(out.errorString());
    }
    // Column names stay English whatever the language: they name data for other programs.
    QStringList header{QStringLiteral("time"), QStringLiteral("question"), QStringLiteral("note"),
                       QStringLiteral("mothers"), QStringLiteral("tableau")};
    for (int h = 1; h <= HouseCount; ++h) {
        header.append(QStringLiteral("house %1").arg(h));
    }
    QByteArray csv("\xEF\xBB\xBF");
    csv += header.join(QLatin1Char(',')).toUtf8() + "\r\n";
    if (state == State::Ready) {
        QSqlQuery query(Database());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT id, kept_utc, offset_seconds, mothers, tableau, "
                                       "question, note FROM charts ORDER BY id DESC"))) {
            out.cancelWriting();
            return FailWith(tr("Kelvora cannot read the journal %1: %2."),
                            Reason(query.lastError()));
        }
        while (query.next()) {
            const std::optional<KeptChart> chart = ChartFrom(query);
            if (!chart) {
                out.cancelWriting();
                return false;
            }
            QStringList row{
                chart->keptUtc.toOffsetFromUtc(chart->offsetSeconds).toString(Qt::ISODate),
                chart->question, chart->note, MothersText(chart->mothers),
                TableauName(chart->tableau)};
            for (const Figure& house : ChartOf(chart->mothers, chart->tableau)) {
                row.append(FigureDigits(house));
            }
            for (QString& field : row) {
                field = CsvField(field);
            }
            csv += row.join(QLatin1Char(',')).toUtf8() + "\r\n";
        }
        if (query.lastError().isValid()) {
            out.cancelWriting();
            return FailWith(tr("Kelvora cannot read the journal %1: %2."),
                            Reason(query.lastError()));
        }
    }
    if (out.write(csv) != csv.size() || !out.commit()) {
        return failWrite(out.errorString());
    }
    return true;
}

} // namespace journal
