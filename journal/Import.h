#pragma once

#include "casting/Cast.h"
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;

namespace journal {

// A line of the file that was not kept, with its number (the first line is 1) and why.
struct RefusedLine {
    qint64 number = 0;
    QString reason;
};

// What one import did.
struct ImportSummary {
    Q_DECLARE_TR_FUNCTIONS(journal::ImportSummary)

public:
    qint64 kept = 0;            // charts kept by this import
    qint64 alreadyKept = 0;     // charts found already kept, not kept again
    QList<RefusedLine> refused; // the first MostListed refused lines
    qint64 unlisted = 0;        // refused lines beyond those, counted only
    bool cancelled = false;     // nothing kept
    QString error;              // not empty: the file could not be read or the journal written;
                                // nothing kept
    // How many refused lines are listed, so that a file of nothing but wrong lines cannot fill
    // the memory; --check lists them all.
    static constexpr int MostListed = 1000;
    // 0 every line right, 2 some refused (the others kept), 1 error or cancelled (nothing kept).
    int Status() const;
    // The summary as plain text: the counts, then each refused line as "Line N: reason".
    QString Text() const;
};

// Reads `device` (already open for reading) and keeps its charts in `store`, all in one
// transaction: Kelvora's own CSV export (told by its header row) or a text file of casts and
// tableaux, one a line. `chosen`: the tableau of a cast alone and of a tableau that follows both.
// `progress(done, total)` in bytes read (total 0 when unknown, as for standard input), told
// about every 64 KiB and once at the end, on the calling thread (the store's); returning false
// cancels, and nothing is kept. An import that keeps nothing makes no journal.
ImportSummary ImportCharts(JournalStore& store, QIODevice& device, Tableau chosen,
                           const std::function<bool(qint64 done, qint64 total)>& progress = {});

// What one check found.
struct CheckSummary {
    qint64 right = 0;   // lines with a cast or a tableau that follows a tableau
    qint64 refused = 0; // lines that would be refused
    QString error;      // not empty: the file could not be read
    int Status() const; // 0, 2 or 1, as ImportSummary's
};

// Checks each chart of `device` as ImportCharts would, keeping nothing: `line` is told one line
// per chart, "N\tright", or "N\t" and why it would be refused (the houses that do not follow).
CheckSummary CheckCharts(QIODevice& device, const std::function<void(const QString& line)>& line);

} // namespace journal
