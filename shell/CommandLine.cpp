#include "shell/CommandLine.h"

#include "casting/ReadingText.h"
#include "casting/TableauChoice.h"
#include "interpretation/modSikidy.h"
#include "journal/Import.h"
#include "platform/InstanceLock.h"
#include "platform/Translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct QtOption {
    const char* name;
    bool takesValue;
};

// The options QCoreApplication, QGuiApplication, QApplication and the X11 platform take out of
// the command line themselves (Qt 6.4), each with or without the dash doubled.
constexpr QtOption QtOptions[] = {
    {"qmljsdebugger", true}, {"platform", true},     {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},       {"qwindowgeometry", true},
    {"qwindowtitle", true},  {"qwindowicon", true},  {"geometry", true},
    {"title", true},         {"icon", true},         {"reverse", false},
    {"session", true},       {"testability", false}, {"style", true},
    {"stylesheet", true},    {"widgetcount", false}, {"display", true},
    {"name", true},          {"visual", true},       {"nograb", false},
    {"dograb", false},
};

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption cast;
    QCommandLineOption chart;
    QCommandLineOption tableau;
    QCommandLineOption reading;
    QCommandLineOption column;
    QCommandLineOption import;
    QCommandLineOption check;
};

RunChoice g_choice;

// Kelvora's options and Qt's hidden ones, added to `parser`. Called once to look at the command
// line, and again to describe it once the session's language is loaded.
Options AddOptions(QCommandLineParser& parser) {
    // Qt's options are words after a single dash (-platform xcb, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The start of --help, on lines of at most 80 characters.
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Casts and reads a sikidy chart, the geomantic divination of Madagascar.\n"
        "Qt's own options, such as -platform, -display and -style, are accepted.\n"
        "--import and --check end with status 0 when every line is right, 2 when some\n"
        "lines are refused (listed on standard error by --import; the others are kept),\n"
        "and 1 when the file cannot be read or the journal written (nothing is kept)."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        //: An option's line in --help, beside Qt's own "Displays version information.": word
        //: it as Qt's translation words that one.
        QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption cast(
        QStringLiteral("cast"),
        //: An option's line in --help; keep "1112/1112/1211/2121" as it is.
        QCoreApplication::translate(
            "CommandLine", "Starts with these four mothers entered, such as 1112/1112/1211/2121."),
        //: The value of --cast and --chart in --help.
        QCoreApplication::translate("CommandLine", "mothers"));
    const QCommandLineOption chart(
        QStringLiteral("chart"),
        //: An option's line in --help.
        QCoreApplication::translate("CommandLine",
                                    "Prints the sixteen houses of these mothers and exits."),
        QCoreApplication::translate("CommandLine", "mothers"));
    const QCommandLineOption tableau(
        QStringLiteral("tableau"),
        //: An option's line in --help; keep "classic" and "diviners" as they are.
        QCoreApplication::translate("CommandLine",
                                    "Casts in the classic tableau or the diviners' (classic or "
                                    "diviners), for this run only."),
        //: The value of --tableau in --help.
        QCoreApplication::translate("CommandLine", "tableau"));
    const QCommandLineOption reading(
        QStringLiteral("reading"),
        //: An option's line in --help.
        QCoreApplication::translate("CommandLine", "Prints the diviners' reading of these mothers "
                                                   "and exits."),
        QCoreApplication::translate("CommandLine", "mothers"));
    const QCommandLineOption column(
        QStringLiteral("column"),
        //: An option's line in --help; keep "--reading" as it is.
        QCoreApplication::translate("CommandLine", "The house of the question for --reading, 1 "
                                                   "to 4 (default 1)."),
        //: The value of --column in --help.
        QCoreApplication::translate("CommandLine", "house"));
    const QCommandLineOption import(
        QStringLiteral("import"),
        //: An option's line in --help.
        QCoreApplication::translate("CommandLine",
                                    "Keeps the charts of this file (Kelvora's CSV export, or one "
                                    "cast or tableau a line; - for standard input) in the journal "
                                    "and exits. A cast alone gets the tableau of --tableau, else "
                                    "the remembered one."),
        //: The value of --import and --check in --help.
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        //: An option's line in --help; keep "right" as it is translated for --check's output.
        QCoreApplication::translate("CommandLine",
                                    "Checks each cast and tableau of this file (- for standard "
                                    "input) without keeping it: prints its line number and "
                                    "\"right\", or the houses that do not follow, and exits."),
        QCoreApplication::translate("CommandLine", "file"));
    for (const QCommandLineOption& option :
         {cast, chart, tableau, reading, column, import, check}) {
        parser.addOption(option);
    }
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    return {help, version, cast, chart, tableau, reading, column, import, check};
}

// What --reading asks for: the mothers to read and the question's house.
struct ReadingChoice {
    std::optional<Mothers> mothers;
    int column = 1;
};

// Reads the values of --cast, --chart, --tableau, --reading and --column into `choice`, `listed`
// and `read`; the line saying what is wrong when one is malformed, or when options that exclude
// each other come together.
QString ReadChoice(const QCommandLineParser& parser, const Options& options, RunChoice& choice,
                   std::optional<Mothers>& listed, ReadingChoice& read) {
    const auto invalid = [](const QCommandLineOption& option, const QString& value,
                            const QString& why) {
        //: %1 is the value as typed, %2 the option's name (cast, chart, tableau), %3 what is
        //: wrong with it.
        return QCoreApplication::translate("CommandLine", "Invalid value '%1' for --%2: %3")
            .arg(value, option.names().constFirst(), why);
    };
    if (parser.isSet(options.cast) && parser.isSet(options.chart)) {
        return QCoreApplication::translate("CommandLine",
                                           "--chart and --cast cannot be used together.");
    }
    for (const QCommandLineOption* other : {&options.chart, &options.cast, &options.tableau}) {
        if (parser.isSet(options.reading) && parser.isSet(*other)) {
            //: %1 is another option's name (chart, cast, tableau).
            return QCoreApplication::translate("CommandLine",
                                               "--reading and --%1 cannot be used together.")
                .arg(other->names().constFirst());
        }
    }
    for (const QCommandLineOption* file : {&options.import, &options.check}) {
        if (!parser.isSet(*file)) {
            continue;
        }
        for (const QCommandLineOption* other :
             {&options.chart, &options.cast, &options.reading, &options.column, &options.import,
              &options.check, &options.tableau}) {
            if (other != file && parser.isSet(*other) &&
                !(file == &options.import && other == &options.tableau)) {
                //: %1 and %2 are options' names (import, check, chart, cast ...).
                return QCoreApplication::translate("CommandLine",
                                                   "--%1 and --%2 cannot be used together.")
                    .arg(file->names().constFirst(), other->names().constFirst());
            }
        }
    }
    if (parser.isSet(options.column) && !parser.isSet(options.reading)) {
        return QCoreApplication::translate("CommandLine", "--column needs --reading.");
    }
    QString why;
    for (const QCommandLineOption* option : {&options.cast, &options.chart, &options.reading}) {
        if (parser.isSet(*option)) {
            const QString value = parser.value(*option);
            std::optional<Mothers> mothers = ReadMothers(value, &why);
            if (!mothers) {
                return invalid(*option, value, why);
            }
            (option == &options.cast    ? choice.cast
             : option == &options.chart ? listed
                                        : read.mothers) = mothers;
        }
    }
    if (parser.isSet(options.column)) {
        const QString value = parser.value(options.column);
        if (value.size() != 1 || value[0] < u'1' || value[0] > u'4') {
            return invalid(options.column, value,
                           QCoreApplication::translate("CommandLine", "use 1, 2, 3 or 4."));
        }
        read.column = value[0].digitValue();
    }
    if (parser.isSet(options.tableau)) {
        const QString value = parser.value(options.tableau);
        choice.tableau = ReadTableau(value);
        if (!choice.tableau) {
            return invalid(options.tableau, value,
                           QCoreApplication::translate("CommandLine", "use classic or diviners."));
        }
    }
    return {};
}

// Kelvora places its fixed-size windows itself, centred on the screen, which only X11 lets a
// program do. So on a Wayland desktop that also runs XWayland (DISPLAY set), Qt opens the windows
// there, unless -platform or QT_QPA_PLATFORM chose otherwise; where that X server is gone
// (XWayland stopped), Qt goes on to the next platform in the list, Wayland, rather than ending
// the program. The choice is an argument to Qt alone: the environment, which the programs Kelvora
// starts (the browser) inherit, is untouched.
bool PreferXWayland(const QCommandLineParser& parser) {
    return !parser.isSet(QStringLiteral("platform")) &&
           !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           !qEnvironmentVariableIsEmpty("DISPLAY");
}

// Prints `text` to standard output and ends the program: with status 0 once all of it is written,
// with status 1 and a line on standard error when it is not (a full disk, a closed descriptor).
[[noreturn]] void PrintAndExit(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                             std::size_t(bytes.size()) &&
                         std::fflush(stdout) == 0;
    if (written) {
        std::exit(EXIT_SUCCESS);
    }
    const int error = errno;
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 //: %1 is the system's reason, such as "No space left on device".
                 qPrintable(QCoreApplication::translate("CommandLine",
                                                        "Could not write to standard output: %1")
                                .arg(QString::fromLocal8Bit(std::strerror(error)))));
    std::exit(EXIT_FAILURE);
}

// Writes `text` to `stream`; false when it could not be written whole.
bool Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) ==
               std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

[[noreturn]] void FailAndExit(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message));
    std::exit(EXIT_FAILURE);
}

// Opens the file of --import or --check, "-" being standard input, or ends the program saying
// why it cannot be read.
void OpenToRead(QFile& file, const QString& name) {
    const bool opened = name == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        //: %1 is the file named on the command line, %2 the system's reason.
        FailAndExit(QCoreApplication::translate("CommandLine", "Kelvora could not read %1: %2.")
                        .arg(QDir::toNativeSeparators(name), file.errorString()));
    }
}

// --check: one line per chart on standard output.
[[noreturn]] void CheckAndExit(const QString& name) {
    QFile file;
    OpenToRead(file, name);
    bool written = true;
    const journal::CheckSummary summary = journal::CheckCharts(
        file, [&](const QString& line) { written = written && Write(stdout, line + u'\n'); });
    if (!summary.error.isEmpty()) {
        FailAndExit(summary.error);
    }
    if (!written) {
        FailAndExit(
            QCoreApplication::translate("CommandLine", "Could not write to standard output: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    std::exit(summary.Status());
}

// --import: the counts on standard output, each refused line on standard error. While a Kelvora
// window runs it is refused: that window's journal would not see the charts until it reads the
// file again, and its own keeping would wait on the import. The single-instance lock, taken
// here, also keeps a window from starting until the import ends.
[[noreturn]] void ImportAndExit(const QString& name, std::optional<Tableau> tableau) {
    if (platform::App_PrevInstance()) {
        //: Said by --import while a Kelvora window runs.
        FailAndExit(QCoreApplication::translate(
            "CommandLine", "import from the Journal window, or close Kelvora first"));
    }
    QFile file;
    OpenToRead(file, name);
    journal::JournalStore store;
    const journal::ImportSummary summary =
        journal::ImportCharts(store, file, tableau.value_or(RememberedTableau()));
    const QString notice = store.TakeNotice();
    if (summary.Status() == 1) {
        FailAndExit(summary.Text().trimmed());
    }
    const QStringList lines = summary.Text().split(u'\n', Qt::SkipEmptyParts);
    bool written =
        Write(stdout, (notice.isEmpty() ? QString() : notice + u'\n') + lines.constFirst() + u'\n');
    const int error = errno;
    Write(stderr, lines.mid(1).join(u'\n') + (lines.size() > 1 ? QStringLiteral("\n") : QString()));
    if (!written) {
        // The charts are kept: only the summary is lost.
        FailAndExit(
            QCoreApplication::translate("CommandLine", "Could not write to standard output: %1")
                .arg(QString::fromLocal8Bit(std::strerror(error))));
    }
    std::exit(summary.Status());
}

} // namespace

std::vector<char*> HandleCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser first;
    const Options seen = AddOptions(first);
    std::optional<Mothers> listed;
    ReadingChoice read;
    if (first.parse(arguments) && first.positionalArguments().isEmpty() &&
        !first.isSet(seen.help) && !first.isSet(seen.version) && !first.isSet(seen.chart) &&
        !first.isSet(seen.reading) && !first.isSet(seen.import) && !first.isSet(seen.check) &&
        ReadChoice(first, seen, g_choice, listed, read).isEmpty()) {
        std::vector<char*> forQt(argv, argv + argc);
        if (PreferXWayland(first)) {
            static char platform[] = "-platform";
            static char xcbThenWayland[] = "xcb;wayland";
            forQt.insert(forQt.end(), {platform, xcbThenWayland});
        }
        forQt.push_back(nullptr);
        return forQt;
    }

    // From here on the program ends without a window. A plain application object, which needs no
    // display, gives the usage line the program's path; the version line names the program
    // however it was started. The command line is read again in the session's language, so
    // that the help and Qt's own errors speak it.
    int count = argc;
    QCoreApplication app(count, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
    platform::UseSessionLanguage();
    QCommandLineParser parser;
    const Options options = AddOptions(parser);
    const bool parsed = parser.parse(arguments);
    const QStringList stray = parser.positionalArguments();
    RunChoice choice;
    const QString wrong = parsed ? ReadChoice(parser, options, choice, listed, read) : QString();
    if (!parsed || !stray.isEmpty() || !wrong.isEmpty()) {
        const QString error =
            !parsed ? parser.errorText()
            : !stray.isEmpty()
                //: %1 is the argument as typed.
                ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(stray.first())
                : wrong;
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(error), qPrintable(parser.helpText()));
        std::exit(EXIT_FAILURE);
    }
    if (parser.isSet(options.version)) {
        PrintAndExit(QCoreApplication::applicationName() + u' ' +
                     QCoreApplication::applicationVersion() + u'\n');
    }
    if (parser.isSet(options.check) && !parser.isSet(options.help)) {
        CheckAndExit(parser.value(options.check));
    }
    if (parser.isSet(options.import) && !parser.isSet(options.help)) {
        ImportAndExit(parser.value(options.import), choice.tableau);
    }
    if ((listed || read.mothers) && !parser.isSet(options.help)) {
        // Without --tableau the classic chart, whatever the remembered choice; a reading is
        // always of the diviners' tableau.
        const QString text = read.mothers
                                 ? ReadingListing(*read.mothers, read.column)
                                 : ChartListing(*listed, choice.tableau.value_or(Tableau::Classic));
        PrintAndExit(text);
    }
    PrintAndExit(parser.helpText());
}

const RunChoice& CommandLineChoice() {
    return g_choice;
}

QString ChartListing(const Mothers& mothers, Tableau tableau) {
    QString listing;
    const auto chart = ChartOf(mothers, tableau);
    for (int h = 1; h <= HouseCount; ++h) {
        const Figure& rows = chart[static_cast<std::size_t>(h - 1)];
        const modSikidy::FigureInfo* figure =
            modSikidy::FindFigure(modSikidy::IdentifyFigure(rows[0], rows[1], rows[2], rows[3]));
        const QString title =
            figure ? QCoreApplication::translate("modSikidy", figure->title) : QString();
        listing += QStringLiteral("%1\t%2\t%3\t%4\n")
                       .arg(h)
                       .arg(QLatin1String(HouseEntry(h).name), FigureDigits(rows), title.trimmed());
    }
    return listing;
}

QString ReadingListing(const Mothers& mothers, int column) {
    QString listing;
    const QStringList houses = ChartListing(mothers, Tableau::Diviners).split(u'\n');
    for (int h = 1; h <= HouseCount; ++h) {
        listing += houses[h - 1] + u'\t' + MerinaName(h) + u'\n';
    }
    for (const ReadingLine& line : ReadingLines(ChartOf(mothers, Tableau::Diviners), column)) {
        listing +=
            QStringList{line.key, line.values.join(u'\t'), line.sentence}.join(u'\t') + u'\n';
    }
    return listing;
}
