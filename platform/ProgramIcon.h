#pragma once

// The program icon: a geomantic figure in light orange on dark grey, in several sizes.
namespace platform {

// Gives the application the program icon, which every window without one of its own shows.
// Only the first call does anything.
void UseProgramIcon();

} // namespace platform
