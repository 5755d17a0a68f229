#pragma once

// The machine's font configuration, read ahead of the first font the program looks up.
namespace platform {

// Starts reading the font configuration on a processor of its own, where the program may use
// more than one: the application object is made meanwhile. With one processor it does nothing,
// and Qt reads the configuration when the first font is looked up. Later calls do nothing.
void BeginReadingFontConfiguration();
// Waits until a reading begun earlier has finished; returns at once when none was begun. Qt
// would otherwise read the configuration a second time.
void WaitForFontConfiguration();

} // namespace platform
