#pragma once

#include <vector>

// Reads the command line before the application object is made, so that it needs no display.
// --help and --version print to standard output and end the program with status 0; an option
// that is neither ours nor one of Qt's own, or any other argument, prints the error and the usage
// to standard error and ends it with status 1. Returns only when Kelvora should start, with the
// arguments for QApplication (null-terminated; size() - 1 of them): Qt's own options (-platform,
// -display, -style ...) as given, and on a Wayland desktop with XWayland, where no platform was
// chosen, "-platform xcb;wayland", so that Qt opens the windows through XWayland, and natively
// on Wayland when that X server is gone.
std::vector<char*> HandleCommandLine(int argc, char* argv[]);
