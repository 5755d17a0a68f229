// Keeps charts in the journal named on the command line, one after another until it is killed,
// and prints the number of each chart once Keep has returned it: what it printed was committed.
// With a second argument, keeps two charts with French text, quotes, line breaks and
// formula-like cells instead, and exports the journal to that CSV file.
#include "journal/JournalStore.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: journal_probe JOURNAL [CSV]\n");
        return 2;
    }
    journal::JournalStore store(QString::fromLocal8Bit(argv[1]));
    journal::KeptChart chart;
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    if (argc == 3) {
        chart.keptUtc = QDateTime::currentDateTimeUtc();
        chart.question = QStringLiteral("L'énergie reviendra-t-elle ? «oui», dit-il");
        chart.note = QStringLiteral("Première ligne\nDeuxième, \"citée\"\r\nça déjà");
        const bool kept = store.Keep(chart).has_value();
        chart.question = QStringLiteral("=1+1");
        chart.note = QStringLiteral("@SUM(A1)");
        if (!kept || !store.Keep(chart) || !store.ExportCsv(QString::fromLocal8Bit(argv[2]))) {
            std::fprintf(stderr, "%s\n", qPrintable(store.LastError()));
            return 1;
        }
        return 0;
    }
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
