#pragma once

#include <QIcon>

// The program icon: a geomantic figure in light orange on dark grey, in several sizes.
namespace platform {

QIcon ProgramIcon();
// Starts reading the icon's pictures on a thread of its own, so that start-up does not wait for
// them; ProgramIcon() waits for the reading if it has not finished yet. On a single processor it
// does nothing, and ProgramIcon() reads them itself.
void BeginReadingProgramIcon();
// Gives the application the program icon, which every window without one of its own shows.
// Only the first call does anything.
void UseProgramIcon();

} // namespace platform
