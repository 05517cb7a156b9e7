#include "ListLock.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
// Qt reads owners of NTFS files only while this counter is above zero: the
// lookup is slow, so it is off by default.
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace {

QString ownerOf(const QString& path)
{
#ifdef Q_OS_WIN
    ++qt_ntfs_permission_lookup;
    const QString owner = QFileInfo(path).owner();
    --qt_ntfs_permission_lookup;
    return owner;
#else
    return QFileInfo(path).owner();
#endif
}

} // namespace

QString ListLock::lockPathFor(const QString& listPath)
{
    const QFileInfo list(listPath);
    return list.absoluteDir().filePath(QStringLiteral(".~lock.") + list.fileName() + u'#');
}

QString ListLock::warning(const Holder& holder)
{
    const QString user = holder.user.isEmpty() ? QStringLiteral("他のユーザー") : holder.user;
    return QStringLiteral("このファイルは %1 が %2 から編集中です").arg(user, holder.host);
}

std::optional<ListLock::Holder> ListLock::take(const QString& listPath)
{
    release();
    const QString path = lockPathFor(listPath);
    auto lock = std::make_unique<QLockFile>(path);
    // A list stays open for hours: only a dead process makes a lock stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return std::nullopt;
    }
    Holder holder;
    QString application;
    if (lock->error() != QLockFile::LockFailedError || !lock->getLockInfo(&holder.pid, &holder.host, &application))
        return std::nullopt; // no lock file can be made here, or it vanished meanwhile
    const QFileInfo info(path);
    holder.user = ownerOf(path);
    holder.since = info.lastModified();
    return holder;
}

void ListLock::release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}
