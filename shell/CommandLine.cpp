#include "shell/CommandLine.h"

#include "platform/Translation.h"

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

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
};

// Kelvora's options and Qt's hidden ones, added to `parser`. Called once to look at the command
// line, and again to describe it once the session's language is loaded.
Options AddOptions(QCommandLineParser& parser) {
    // Qt's options are words after a single dash (-platform xcb, -style=fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The start of --help, on lines of at most 80 characters.
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Casts and reads a sikidy chart, the geomantic divination of Madagascar.\n"
                       "Qt's own options, such as -platform, -display and -style, are accepted."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        //: An option's line in --help, beside Qt's own "Displays version information.": word
        //: it as Qt's translation words that one.
        QCoreApplication::translate("CommandLine", "Displays this help."));
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
    return {help, version};
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

} // namespace

std::vector<char*> HandleCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser first;
    const Options seen = AddOptions(first);
    if (first.parse(arguments) && first.positionalArguments().isEmpty() &&
        !first.isSet(seen.help) && !first.isSet(seen.version)) {
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
    if (!parsed || !stray.isEmpty()) {
        const QString error =
            //: %1 is the argument as typed.
            parsed ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                         .arg(stray.first())
                   : parser.errorText();
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(error), qPrintable(parser.helpText()));
        std::exit(EXIT_FAILURE);
    }
    if (parser.isSet(options.version)) {
        parser.showVersion();
    }
    parser.showHelp(EXIT_SUCCESS);
}
