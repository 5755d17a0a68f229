#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

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

} // namespace

void HandleCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    // Qt's options are words after a single dash (-platform xcb, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Casts and reads a sikidy chart, the geomantic divination of Madagascar.\n"
                       "Qt's own options, such as -platform, -display and -style, are accepted."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const bool parsed = parser.parse(arguments);
    const QStringList stray = parser.positionalArguments();
    if (parsed && stray.isEmpty() && !parser.isSet(help) && !parser.isSet(version)) {
        return;
    }

    // From here on the program ends without a window. A plain application object, which needs no
    // display, gives the usage line the program's path; the version line names the program
    // however it was started.
    int count = argc;
    QCoreApplication app(count, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
    if (!parsed || !stray.isEmpty()) {
        const QString error = parsed
                                  ? QStringLiteral("Unexpected argument '%1'.").arg(stray.first())
                                  : parser.errorText();
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(error), qPrintable(parser.helpText()));
        std::exit(EXIT_FAILURE);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    parser.showHelp(EXIT_SUCCESS);
}
