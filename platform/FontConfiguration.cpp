#include "platform/FontConfiguration.h"

#include "platform/WarmUp.h"

#include <fontconfig/fontconfig.h>

#include <future>

namespace platform {

namespace {

std::future<FcBool>& Reading() {
    static std::future<FcBool> reading;
    return reading;
}

} // namespace

void BeginReadingFontConfiguration() {
    if (!Reading().valid() && WorthWarmingUp()) {
        Reading() = std::async(std::launch::async, FcInit);
    }
}

void WaitForFontConfiguration() {
    if (Reading().valid()) {
        Reading().wait();
    }
}

} // namespace platform
