#include "platform/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace platform {

namespace {

std::unique_ptr<QLockFile>& HeldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

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

} // namespace platform
