#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {

std::mt19937_64& Generator() {
    static std::mt19937_64 generator{0};
    return generator;
}

ScriptedDraws* g_scripted = nullptr;

} // namespace

float Rnd() {
    if (g_scripted) {
        return g_scripted->draw_(g_scripted->used_++);
    }
    // The top 24 bits of the 64-bit output: exactly representable in a float, always below 1.
    const std::uint64_t bits = Generator()() >> 40;
    return static_cast<float>(bits) * 0x1p-24f;
}

void Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    Randomize(static_cast<std::uint64_t>(ticks));
}

void Randomize(std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    Generator().seed(sequence);
}

ScriptedDraws::ScriptedDraws(std::function<float(int)> draw) : draw_(std::move(draw)) {
    g_scripted = this;
}

ScriptedDraws::~ScriptedDraws() {
    if (g_scripted == this) {
        g_scripted = nullptr;
    }
}

} // namespace platform
