// Keeps charts in the journal named on the command line, one after another until it is killed,
// and prints the number of each chart once Keep has returned it: what it printed was committed.
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: journal_probe JOURNAL\n");
        return 2;
    }
    journal::JournalStore store(QString::fromLocal8Bit(argv[1]));
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    chart.note = QString(2000, QLatin1Char('n'));
    for (int n = 1;; ++n) {
        chart.question = QStringLiteral("chart %1").arg(n);
        chart.keptUtc = QDateTime::currentDateTimeUtc();
        if (!store.Keep(chart)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.LastError()));
            return 1;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
