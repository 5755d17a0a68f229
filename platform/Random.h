#pragma once

#include <cstdint>
#include <functional>

// The program's one uniform random generator, which casts the mothers and picks the footer offer.
namespace platform {
// Next draw of the program-wide generator: a float u with 0 <= u < 1. Each draw is built from
// 24 random bits times 2^-24, so it can never round up to 1.0.
float Rnd();

// Seeds the generator from the full system clock (date and time, to the nanosecond), so two
// starts at the same time of day on different days still differ.
void Randomize();
// Seeds the generator with a fixed value (tests and benchmarks).
void Randomize(std::uint64_t seed);

// Replaces the generator with a scripted sequence of draws for as long as it lives; the draws
// are handed out in order, and Used() tells how many have been taken. Restores the generator
// (with its state) when destroyed.
class ScriptedDraws {
public:
    explicit ScriptedDraws(std::function<float(int index)> draw);
    ~ScriptedDraws();
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;
    int Used() const { return used_; }

private:
    std::function<float(int)> draw_;
    int used_ = 0;
    friend float Rnd();
};

} // namespace platform
