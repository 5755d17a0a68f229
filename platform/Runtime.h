#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// The runtime services the program calls on: one program-wide uniform generator, the
// previous-instance indicator, the application title and the modal message box.
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

// True when another copy of the program runs for this user. The first copy to ask takes a lock
// in the user's runtime folder and keeps it until the process ends; a lock left behind by a
// copy that died is taken over. Only a live copy's lock refuses: when the lock cannot be taken
// for any other reason (a folder that cannot be written, an unreadable lock), the answer is no.
bool App_PrevInstance();
// The same with the lock at `lockPath`.
bool App_PrevInstance(const QString& lockPath);
// Where that lock lives: the user's runtime folder, or the user's cache folder without one.
QString PrevInstanceLockPath();
// Gives the lock back, so that a new copy can start at once.
void ReleasePrevInstanceLock();

// The title of message boxes shown without one of their own.
void SetAppTitle(const QString& title);
QString AppTitle();

// Message box button and icon codes, with the values of the original runtime.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbInformation = 64,
};
enum MsgBoxResult : int {
    vbOK = 1,
    vbYes = 6,
    vbNo = 7,
};

// Shows a modal message box and returns the button pressed.
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = AppTitle());

} // namespace platform
