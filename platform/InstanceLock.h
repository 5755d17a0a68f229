#pragma once

#include <QString>

// The single-instance guard: a lock per user in the runtime folder, held while the program runs.
namespace platform {

// True when another copy of the program runs for this user. The first copy to ask takes a lock
// in the user's runtime folder and keeps it until the process ends; a lock left behind by a
// copy that died, or one that names no process, is taken over. Only a live copy's lock refuses:
// when the lock cannot be taken for any other reason (a folder that cannot be written, a lock
// path that is a folder), the answer is no.
bool App_PrevInstance();
// The same with the lock at `lockPath`.
bool App_PrevInstance(const QString& lockPath);
// Where that lock lives: the user's runtime folder, or the user's cache folder without one.
QString PrevInstanceLockPath();
// Gives the lock back, so that a new copy can start at once.
void ReleasePrevInstanceLock();

} // namespace platform
