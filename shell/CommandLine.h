#pragma once

// Reads the command line before the application object is made, so that it needs no display.
// --help and --version print to standard output and end the program with status 0; an option
// that is neither ours nor one of Qt's own, or any other argument, prints the error and the usage
// to standard error and ends it with status 1. Returns only when Kelvora should start; Qt's own
// options (-platform, -display, -style ...) are left in argv for QApplication. On a Wayland
// desktop with XWayland, and no platform chosen, it has Qt open the windows through XWayland.
void HandleCommandLine(int argc, char* argv[]);
