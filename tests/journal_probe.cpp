// Keeps charts in the journal named on the command line, one after another until it is killed,
// and prints the number of each chart once Keep has returned it: what it printed was committed.
// With a second argument, keeps two charts with French text, quotes, line breaks and a
// formula-like cell instead, and exports the journal to that CSV file.
#include "journal/JournalStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: journal_probe JOURNAL [CSV]\n");
        return 2;
    }
    journal::JournalStore store(QString::fromLocal8Bit(argv[1]));
    journal::KeptChart chart; // with no time given, kept as of now
    chart.mothers = *ReadMothers(QStringLiteral("1112/1112/1211/2121"));
    const auto keep = [&](const QString& question, const QString& note) {
        chart.question = question;
        chart.note = note;
        return store.Keep(chart).has_value();
    };
    if (argc == 3 &&
        keep("L'énergie reviendra-t-elle ? «oui», dit-il",
             "Première ligne\nDeuxième, \"citée\"\r\nça déjà") &&
        keep("=1+1", "@SUM(A1)") && store.ExportCsv(QString::fromLocal8Bit(argv[2]))) {
        return 0;
    }
    for (int n = 1; argc == 2 && keep(QStringLiteral("chart %1").arg(n), QString(2000, u'n'));
         ++n) {
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    std::fprintf(stderr, "%s\n", qPrintable(store.LastError()));
    return 1;
}
