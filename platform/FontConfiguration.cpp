#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

#include <future>
#include <system_error>

namespace platform {

namespace {

std::future<FcBool>& Reading() {
    static std::future<FcBool> reading;
    return reading;
}

} // namespace

void BeginReadingFontConfiguration() {
    // On one processor the reading would only take turns with the making of the application
    // object, which then waits longer for the X server it talks to.
    cpu_set_t processors;
    if (Reading().valid() || sched_getaffinity(0, sizeof processors, &processors) != 0 ||
        CPU_COUNT(&processors) < 2) {
        return;
    }
    try {
        Reading() = std::async(std::launch::async, FcInit);
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself.
    }
}

void WaitForFontConfiguration() {
    if (Reading().valid()) {
        Reading().wait();
    }
}

} // namespace platform
