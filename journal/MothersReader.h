#pragma once

#include "casting/Figures.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace journal {

// The charts of a journal counted in one tableau: the Figures window's table and, for each chart
// counted, its id and houses (in the Journal's order, newest first), so that the charts with a
// figure in a house can be listed without reading the file again.
struct FiguresCount {
    figures::Tally tally;
    std::vector<qint64> ids;
    // Each chart's cast (figures::CastIndex), whose houses figures::CastHouses gives.
    std::vector<std::uint16_t> casts;
    // Rows whose mothers could not be read (left out of the counts).
    qint64 unreadable = 0;
    // Empty when every row was read; otherwise why reading stopped (nothing is counted then).
    QString error;
    bool stopped = false;
};

// Reads the mothers of the charts a Journal lists for `search` (JournalStore::MatchExpression;
// the whole journal when blank) from the journal file `path`, over a read-only connection of its
// own, and counts them in `tableau`. `stop`, when set, is looked at now and then: reading ends
// early, with `stopped` set. A missing file counts nothing.
FiguresCount CountFigures(const QString& path, const QString& search, Tableau tableau,
                          const std::atomic<bool>* stop = nullptr);

// The SELECT CountFigures runs, for the benchmark's baseline: id and mothers, newest first (with
// a search, the rows its full-text match gives, newest kept first). Binds the match when given.
QString MothersQuery(bool searched);

// CountFigures in a thread of its own. Counted() hands over the result in the thread that made
// the reader; Stop() makes the thread end soon, and the result is then not handed over.
class MothersReader : public QThread {
    Q_OBJECT

public:
    MothersReader(const QString& path, const QString& search, Tableau tableau,
                  QObject* parent = nullptr);
    ~MothersReader() override;

    void Stop() { stop = true; }

signals:
    void Counted(std::shared_ptr<const journal::FiguresCount> count);

protected:
    void run() override;

private:
    QString path;
    QString search;
    Tableau tableau;
    std::atomic<bool> stop{false};
};

} // namespace journal
