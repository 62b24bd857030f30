#include "shell/LockFiles.h"

#include <QCoreApplication>
#include <QString>

namespace numora {

bool TakeLock(QLockFile& lock) {
    if (lock.tryLock(0)) return true;
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application) &&
           pid == QCoreApplication::applicationPid() && lock.removeStaleLockFile() &&
           lock.tryLock(0);
}

}  // namespace numora
