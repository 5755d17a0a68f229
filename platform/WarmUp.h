#pragma once

#include <QThread>

namespace platform {

// Start-up work that keeps a processor busy (reading files, decoding pictures), begun ahead on a
// thread of its own, pays only when another processor can do it meanwhile. On a single processor
// the thread would only take turns with the one it is meant to spare, and cost its own start and
// switches on top: the work is then left to its first use.
inline bool WorthWarmingUp() {
    return QThread::idealThreadCount() > 1;
}

} // namespace platform
