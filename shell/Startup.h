#pragma once

class frmMain;

// The application title: the title of message boxes that have none of their own.
inline constexpr const char* AppTitle = "Kelvora";

// Runs once before any window is visible: refuses a second copy, seeds the generator and
// shows the main window.
void StartProgram();

// Unloads every window and ends the process.
[[noreturn]] void QuitProgram();

// Step 1 of StartProgram: when another copy runs, says so and returns true.
bool RefuseSecondInstance();

// The main window, once StartProgram has shown it.
frmMain* MainWindow();
