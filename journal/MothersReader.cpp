#include "journal/MothersReader.h"

#include "journal/JournalStore.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <exception>

namespace journal {

namespace {

// The four mothers of the text form the journal keeps ("1112/1112/1211/2121") as a cast index;
// -1 for any other text, which ReadMothers then reads as it can.
int StoredCast(const QString& text) {
    if (text.size() != 19) {
        return -1;
    }
    int cast = 0;
    for (qsizetype i = 0; i < 19; ++i) {
        const char16_t c = text[i].unicode();
        if (i % 5 == 4) {
            if (c != u'/') {
                return -1;
            }
            continue;
        }
        if (c != u'1' && c != u'2') {
            return -1;
        }
        cast = cast << 1 | (c == u'2');
    }
    return cast;
}

// A connection name of this reading's own: connections belong to one thread.
QString ConnectionName() {
    static QAtomicInteger<quint64> made;
    return QStringLiteral("kelvora-figures-%1").arg(made.fetchAndAddRelaxed(1));
}

QString Failed(const QString& path, const QString& reason) {
    //: %1 is the journal's file, %2 the reason.
    return QCoreApplication::translate("journal::MothersReader",
                                       "Kelvora cannot read the journal %1: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

void Read(QSqlDatabase& database, const QString& path, const QString& search,
          const std::atomic<bool>* stop, FiguresCount& count) {
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database.open()) {
        count.error = Failed(path, database.lastError().text());
        return;
    }
    const QString match = JournalStore::MatchExpression(search);
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(MothersQuery(!match.isEmpty()))) {
        count.error = Failed(path, query.lastError().text());
        return;
    }
    if (!match.isEmpty()) {
        query.addBindValue(match);
    }
    if (!query.exec()) {
        count.error = Failed(path, query.lastError().text());
        return;
    }
    std::vector<std::int64_t> perCast(figures::CastCount);
    std::int64_t rows = 0;
    while (query.next()) {
        if ((++rows & 1023) == 0 && stop && stop->load(std::memory_order_relaxed)) {
            count.stopped = true;
            return;
        }
        int cast = StoredCast(query.value(1).toString());
        if (cast < 0) {
            const std::optional<Mothers> mothers = ReadMothers(query.value(1).toString());
            if (!mothers) {
                ++count.unreadable;
                continue;
            }
            cast = figures::CastIndex(*mothers);
        }
        ++perCast[static_cast<std::size_t>(cast)];
        count.ids.push_back(query.value(0).toLongLong());
        count.casts.push_back(static_cast<std::uint16_t>(cast));
    }
    if (query.lastError().isValid()) {
        count.error = Failed(path, query.lastError().text());
        return;
    }
    // Charts of the same cast have the same houses: each cast's are added once, times its charts.
    for (int cast = 0; cast < figures::CastCount; ++cast) {
        if (const std::int64_t charts = perCast[static_cast<std::size_t>(cast)]) {
            const figures::Houses& houses = figures::CastHouses(cast, count.tally.tableau);
            for (std::size_t h = 0; h < HouseCount; ++h) {
                count.tally.counts[h][houses[h]] += charts;
            }
            count.tally.charts += charts;
        }
    }
}

} // namespace

QString MothersQuery(bool searched) {
    return searched
               ? QStringLiteral("SELECT c.id, c.mothers FROM charts_text t JOIN charts c ON "
                                "c.id = t.rowid WHERE charts_text MATCH ? ORDER BY t.rowid DESC")
               : QStringLiteral("SELECT id, mothers FROM charts ORDER BY kept_utc DESC, id DESC");
}

FiguresCount CountFigures(const QString& path, const QString& search, Tableau tableau,
                          const std::atomic<bool>* stop) {
    FiguresCount count;
    count.tally.tableau = tableau;
    if (!QFileInfo::exists(path)) {
        return count; // no chart kept yet
    }
    const QString name = ConnectionName();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        Read(database, path, search, stop, count);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!count.error.isEmpty() || count.stopped) {
        // Half a count is no count.
        const QString error = count.error;
        const bool stopped = count.stopped;
        count = FiguresCount();
        count.tally.tableau = tableau;
        count.error = error;
        count.stopped = stopped;
    }
    return count;
}

MothersReader::MothersReader(const QString& path, const QString& search, Tableau tableau,
                             QObject* parent)
    : QThread(parent), path(path), search(search), tableau(tableau) {}

MothersReader::~MothersReader() {
    Stop();
    wait();
}

void MothersReader::run() {
    auto count = std::make_shared<FiguresCount>();
    try {
        *count = CountFigures(path, search, tableau, &stop);
    } catch (const std::exception& failure) {
        // Only memory can run out here: said as a failure to read.
        *count = FiguresCount();
        count->tally.tableau = tableau;
        count->error = Failed(path, QString::fromLocal8Bit(failure.what()));
    }
    if (!stop) {
        emit Counted(count);
    }
}

} // namespace journal
