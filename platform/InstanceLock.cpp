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
    if (lock->error() != QLockFile::LockFailedError) {
        // A folder that cannot be written says nothing about another copy: this one starts.
        return false;
    }
    // A lock that names no process (empty or garbled) is stale: it is taken over, so that the
    // guard works again from the next start on. QLockFile removes no lock that a live copy
    // still holds open, as while that copy is still writing its process id.
    qint64 pid = 0;
    QString host, application;
    if (!lock->getLockInfo(&pid, &host, &application) && lock->removeStaleLockFile() &&
        lock->tryLock(0)) {
        return false;
    }
    // Refuse only when a live process is named in the lock.
    return lock->getLockInfo(&pid, &host, &application) && pid > 0;
}

void ReleasePrevInstanceLock() {
    if (HeldLock()) {
        HeldLock()->unlock();
        HeldLock().reset();
    }
}

} // namespace platform
