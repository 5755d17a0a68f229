#pragma once

namespace platform {

// Starts connecting to the desktop's session bus on a thread of its own. Qt connects when the
// first menu bar is made, to ask whether the desktop shows menus in a bar of its own, and waits
// for the answer; begun first thing at start-up, the connection is made while the main window is
// being built. Most of the connecting is waiting for the bus's answers, so it pays on a single
// processor too. Later calls do nothing.
void BeginSessionBusConnection();

} // namespace platform
