#include "InstanceSlot.h"

#include <QDir>
#include <QStandardPaths>

InstanceSlot::InstanceSlot(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return;
    for (int number = 0; number < kSlots; ++number) {
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("window-%1.lock").arg(number)));
        // Held for the program's life: only a dead process makes it stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            number_ = number;
            return;
        }
    }
}

QString InstanceSlot::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/windows");
}
