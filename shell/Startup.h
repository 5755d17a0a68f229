#pragma once

class frmMain;

// The application title: the title of message boxes that have none of their own.
inline constexpr const char* AppTitle = "Kelvora";

// Runs once before any window is visible: refuses a second copy, seeds the generator, runs the
// update reminder, shows the main window and picks the footer offer.
void StartProgram();

// Closes every window, so that each one's unload handler runs, gives the single-instance lock
// back and ends the process with status 0.
[[noreturn]] void QuitProgram();
// True once QuitProgram has begun: windows closed by it show nothing new.
bool Quitting();

// Step 1 of StartProgram: when another copy runs, says so and returns true.
bool RefuseSecondInstance();

// The main window, once StartProgram has shown it.
frmMain* MainWindow();
