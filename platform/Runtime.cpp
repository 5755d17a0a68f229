#include "platform/Runtime.h"

#include "platform/Cursors.h"

#include <QDir>
#include <QFileInfo>
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

std::unique_ptr<QLockFile>& HeldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
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
    // Only folders of this user: a lock in a folder shared by all users would let another
    // user's copy block this one.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    }
    return folder + QStringLiteral("/kelvora.lock");
}

bool App_PrevInstance() {
    return App_PrevInstance(PrevInstanceLockPath());
}

bool App_PrevInstance(const QString& lockPath) {
    std::unique_ptr<QLockFile>& lock = HeldLock();
    if (lock && lock->isLocked()) {
        return false;
    }
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    lock = std::make_unique<QLockFile>(lockPath);
    // A running copy's lock never goes stale with age, however long that copy has been up;
    // only a lock whose process is gone is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return false;
    }
    // Refuse only when a live process is named in the lock. A folder that cannot be written or
    // a lock that cannot be read says nothing about another copy, so this one starts.
    qint64 pid = 0;
    QString host, application;
    return lock->error() == QLockFile::LockFailedError &&
           lock->getLockInfo(&pid, &host, &application) && pid > 0;
}

void ReleasePrevInstanceLock() {
    if (HeldLock()) {
        HeldLock()->unlock();
        HeldLock().reset();
    }
}

void SetAppTitle(const QString& title) {
    TitleStore() = title;
}

QString AppTitle() {
    return TitleStore();
}

int MsgBox(const QString& prompt, int buttons, const QString& title) {
    // A box shown before the main window (at start-up) carries the program icon too.
    UseProgramIcon();
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
