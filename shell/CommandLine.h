#pragma once

#include "casting/Cast.h"

#include <optional>
#include <vector>

// Reads the command line before the application object is made, so that it needs no display.
// --help, --version, --chart and --reading print to standard output and end the program with
// status 0 (1, with a line on standard error, when the output cannot be written); --import and
// --check read a file of charts, keep them in the journal or check them, and end it with status
// 0, 2 (some lines refused) or 1 (nothing kept; --import also while a window runs); a malformed
// value of --cast, --chart, --tableau, --reading or --column, --chart with --cast, --reading with
// --chart, --cast or --tableau, --column without --reading, an option
// that is neither ours nor one of Qt's own, or any other argument, prints the error and the usage
// to standard error and ends it with status 1. Returns only when Kelvora should start, with the
// arguments for QApplication (null-terminated; size() - 1 of them): Qt's own options (-platform,
// -display, -style ...) as given, and on a Wayland desktop with XWayland, where no platform was
// chosen, "-platform xcb;wayland", so that Qt opens the windows through XWayland, and natively
// on Wayland when that X server is gone.
std::vector<char*> HandleCommandLine(int argc, char* argv[]);

// What the command line asks of this run's window: a cast to enter (--cast) and a tableau for its
// castings (--tableau), which does not change the remembered choice. Set by HandleCommandLine.
struct RunChoice {
    std::optional<Mothers> cast;
    std::optional<Tableau> tableau;
};
const RunChoice& CommandLineChoice();

// The chart of `mothers` in `tableau`, as --chart prints it: sixteen lines of house number, house
// name, figure (four digits, top row first) and the figure's title, separated by tabs.
QString ChartListing(const Mothers& mothers, Tableau tableau);

// The reading of `mothers` in the diviners' tableau with the question in house `column` (1..4), as
// --reading prints it: the chart listing with each house's Merina name as a last field, then one
// line per reading: a fixed English key (sound, repeat, pair, alone, lozabe), its values and the
// sentence, separated by tabs.
QString ReadingListing(const Mothers& mothers, int column);
