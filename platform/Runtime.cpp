#include "platform/Runtime.h"

#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>

#include <chrono>
#include <memory>
#include <random>

namespace platform {

namespace {

std::mt19937_64& Generator() {
    static std::mt19937_64 generator{0};
    return generator;
}

ScriptedDraws* g_scripted = nullptr;

QString& TitleStore() {
    static QString title;
    return title;
}

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

QString PrevInstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/kelvora.lock");
}

bool App_PrevInstance() {
    static std::unique_ptr<QLockFile> lock;
    if (lock && lock->isLocked()) {
        return false;
    }
    lock = std::make_unique<QLockFile>(PrevInstanceLockPath());
    // A running copy's lock never goes stale with age, however long that copy has been up;
    // only a lock whose process is gone is taken over.
    lock->setStaleLockTime(0);
    return !lock->tryLock(0);
}

void SetAppTitle(const QString& title) {
    TitleStore() = title;
}

QString AppTitle() {
    return TitleStore();
}

int MsgBox(const QString& prompt, int buttons, const QString& title) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon((buttons & vbInformation) ? QMessageBox::Information : QMessageBox::NoIcon);
    if ((buttons & 7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

} // namespace platform
