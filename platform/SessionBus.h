#pragma once

namespace platform {

// Starts connecting to the desktop's session bus on a thread of its own. Qt connects when the
// first menu bar is made, to ask whether the desktop shows menus in a bar of its own, and waits
// for the answer; begun first thing at start-up, the connection is made while the main window is
// being built. Later calls, and calls on a single processor, do nothing.
void BeginSessionBusConnection();

} // namespace platform
