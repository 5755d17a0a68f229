#pragma once

#include "casting/Cast.h"

#include <optional>

class frmMain;

// Runs once before any window is visible: refuses a second copy, seeds the generator, runs the
// update reminder, shows the main window and picks the footer offer. Returns false when the
// program is not to run (another copy runs); the event loop then never starts. `tableau`, from
// the command line, is the tableau of this run's castings instead of the remembered one; `cast`
// is entered on the board as the Enter Mothers window would.
bool StartProgram(const std::optional<Tableau>& tableau = std::nullopt,
                  const std::optional<Mothers>& cast = std::nullopt);

// Closes every window, so that each one's unload handler runs, gives the single-instance lock
// back and ends the event loop with status 0. The program ends only through here: closing its
// last window does not end it.
void QuitProgram();
// True once QuitProgram has begun: windows closed by it show nothing new.
bool Quitting();

// Step 1 of StartProgram: when another copy runs, says so and returns true.
bool RefuseSecondInstance();

// The main window, once StartProgram has shown it.
frmMain* MainWindow();
