#include "ListLock.h"

#include "LockFileText.h"
#include "NativeFiles.h"
#include "RunningProcess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_WIN
// Qt reads owners of NTFS files only while this counter is above zero: the
// lookup is slow, so it is off by default.
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace {

using LockFileText::Content;

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

// A file name is at most 255 bytes on Linux (UTF-8) and 255 UTF-16 units on
// Windows, which is never more than its UTF-8 bytes. QLockFile removes a
// stale lock under a second lock named after it with ".rmlock" added.
constexpr qsizetype kMaxNameBytes = 255 - qsizetype(sizeof(".rmlock") - 1);
constexpr qsizetype kHashDigits = 16;

QString lockNameFor(const QString& fileName)
{
    const QString prefix = QStringLiteral(".~lock.");
    const QString whole = prefix + fileName + u'#';
    if (whole.toUtf8().size() <= kMaxNameBytes)
        return whole;
    // The start of the name, whole characters only, and a hash of all of it:
    // every program that opens the list finds the same lock, and two long
    // names that start alike get two.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(fileName.toUtf8(), QCryptographicHash::Sha256).toHex().left(kHashDigits));
    const qsizetype budget = kMaxNameBytes - prefix.size() - 1 - hash.size() - 1;
    qsizetype kept = 0;
    qsizetype keptBytes = 0;
    while (kept < fileName.size()) {
        const qsizetype width = fileName[kept].isHighSurrogate() && kept + 1 < fileName.size() ? 2 : 1;
        const qsizetype bytes = QStringView(fileName).sliced(kept, width).toUtf8().size();
        if (keptBytes + bytes > budget)
            break;
        keptBytes += bytes;
        kept += width;
    }
    return prefix + fileName.left(kept) + u'~' + hash + u'#';
}

// What lies at the lock's path, read no further than a lock file can be long;
// nothing when there is no entry at all.
std::optional<Content> readLockAt(const QString& path)
{
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink())
        return std::nullopt;
    // A lock file is a plain file: a link may lead anywhere, a pipe never ends.
    if (entry.isSymLink() || !entry.isFile())
        return Content{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Content{};
    return LockFileText::parse(file.read(LockFileText::kMaxSize + 1));
}

ListLock::Holder holderFrom(const Content& content, const QString& lockPath)
{
    ListLock::Holder holder;
    switch (content.kind) {
    case Content::Kind::Unreadable:
        holder.unreadableLock = QFileInfo(lockPath).fileName();
        break;
    case Content::Kind::OfficeLock:
        holder.user = content.user;
        holder.host = content.host;
        holder.since = content.since;
        break;
    case Content::Kind::QtLock:
        // Qt's lock names no user: the file's owner is the one who wrote it.
        holder.user = ownerOf(lockPath);
        holder.host = content.host;
        holder.pid = content.pid;
        holder.since = QFileInfo(lockPath).lastModified();
        break;
    }
    return holder;
}

// Another name of the same file in the same folder (a hard link) has a lock
// name of its own: a live lock beside any such name counts too. A lock of a
// program that ended on this host is left for that name's next opener.
std::optional<ListLock::Holder> lockOfAnotherName(const QString& listPath, const QString& ownLockPath)
{
    if (!QFileInfo(listPath).isFile())
        return std::nullopt;
    const QString prefix = QStringLiteral(".~lock.");
    const QDir folder = QFileInfo(ownLockPath).absoluteDir();
    const QStringList locks = folder.entryList({prefix + u"*#"_qs}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : locks) {
        const QString lockPath = folder.filePath(name);
        if (lockPath == ownLockPath)
            continue;
        const QString otherName = folder.filePath(name.sliced(prefix.size()).chopped(1));
        if (!NativeFiles::isSameFile(otherName, listPath))
            continue;
        const std::optional<Content> found = readLockAt(lockPath);
        if (!found)
            continue;
        if (found->kind == Content::Kind::QtLock && found->host == QSysInfo::machineHostName()
            && !RunningProcess::isRunning(found->pid, {}))
            continue;
        return holderFrom(*found, lockPath);
    }
    return std::nullopt;
}

} // namespace

QString ListLock::lockPathFor(const QString& listPath)
{
    const QFileInfo given(listPath);
    QString resolved = given.canonicalFilePath();
    if (resolved.isEmpty()) {
        // Not on disk (yet): its folder may still be reached through a link.
        const QString folder = QFileInfo(given.absolutePath()).canonicalFilePath();
        resolved = folder.isEmpty() ? QDir::cleanPath(given.absoluteFilePath()) : folder + u'/' + given.fileName();
    }
    const QFileInfo list(resolved);
    return QDir(list.absolutePath()).filePath(lockNameFor(list.fileName()));
}

QString ListLock::warning(const Holder& holder, const QDate& today)
{
    if (!holder.unreadableLock.isEmpty()) {
        return QStringLiteral("このファイルは他のプログラムで編集中の可能性があります（ロックファイル %1 を読めません）")
            .arg(holder.unreadableLock);
    }
    const QString user = holder.user.isEmpty() ? QStringLiteral("他のユーザー") : holder.user;
    QString text = holder.host.isEmpty() ? QStringLiteral("このファイルは %1 が編集中です").arg(user)
                                         : QStringLiteral("このファイルは %1 が %2 から編集中です").arg(user, holder.host);
    if (holder.since.isValid()) {
        const QString format = holder.since.date() == today ? QStringLiteral("HH:mm") : QStringLiteral("yyyy/MM/dd HH:mm");
        text += QStringLiteral("（%1 から）").arg(holder.since.toString(format));
    }
    return text;
}

std::optional<ListLock::Holder> ListLock::take(const QString& listPath)
{
    release();
    const QString path = lockPathFor(listPath);
    if (const std::optional<Holder> holder = lockOfAnotherName(listPath, path))
        return holder;
    // A lock that is released while it is looked at is looked at again.
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // QLockFile reads what it finds whole and takes any file it cannot
        // parse for a live lock of nobody: only its own small files reach it.
        if (const std::optional<Content> found = readLockAt(path); found && found->kind != Content::Kind::QtLock)
            return holderFrom(*found, path);
        auto lock = std::make_unique<QLockFile>(path);
        // A list stays open for hours: only a dead process makes a lock stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            return std::nullopt;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return std::nullopt; // no lock file can be made here
        if (const std::optional<Content> holder = readLockAt(path))
            return holderFrom(*holder, path);
    }
    return std::nullopt;
}

bool ListLock::holdsLockFor(const QString& listPath) const
{
    return holds() && lock_->fileName() == lockPathFor(listPath);
}

void ListLock::release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}
