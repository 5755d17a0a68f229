#include "platform/SessionBus.h"

#include <QDBusConnection>

#include <future>

namespace platform {

void BeginSessionBusConnection() {
    // Kept until the program ends, whose end waits for the thread if it has not finished.
    static const std::future<void> connecting =
        std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
}

} // namespace platform
