#include "shell/RunningCopy.h"

#include <QDir>

#include "shell/LockFiles.h"

namespace numora {

RunningCopy::RunningCopy(const QString& folder) {
    for (int number = 0; number < kMostCounted; ++number) {
        auto lock = std::make_unique<QLockFile>(
            QDir(folder).filePath(QStringLiteral("Window-%1.lock").arg(number)));
        if (TakeLock(*lock)) {
            lock_ = std::move(lock);
            number_ = number;
            return;
        }
        // A folder where no lock can be made tells nothing about other copies.
        if (lock->error() != QLockFile::LockFailedError) return;
    }
    number_ = kMostCounted;
}

}  // namespace numora
