#include "platform/Clock.h"

namespace platform {

namespace {

QDate g_fixed;

} // namespace

QDate Today() {
    return g_fixed.isValid() ? g_fixed : QDate::currentDate();
}

FixedToday::FixedToday(QDate date) : previous_(g_fixed) {
    g_fixed = date;
}

FixedToday::~FixedToday() {
    g_fixed = previous_;
}

} // namespace platform
