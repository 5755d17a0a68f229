#pragma once

// The machine's font configuration, read ahead of the first font the program looks up.
namespace platform {

// Starts reading the font configuration on a thread of its own. Reading it takes a few
// milliseconds, which the first font lookup would otherwise wait for; begun first thing in main,
// it is read while the application object is made. Later calls, and calls on a single
// processor, do nothing.
void BeginReadingFontConfiguration();
// Waits until a reading begun earlier has finished; returns at once when none was begun. Qt
// would otherwise read the configuration a second time.
void WaitForFontConfiguration();

} // namespace platform
