#include "platform/FontConfiguration.h"

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
    if (!Reading().valid()) {
        Reading() = std::async(std::launch::async, FcInit);
    }
}

void WaitForFontConfiguration() {
    if (Reading().valid()) {
        Reading().wait();
    }
}

} // namespace platform
