#pragma once

#include <QDate>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// The lock file beside an open list, as office suites keep one: it tells a
// second program that opens the same list who is editing it. Built on
// QLockFile, which records the process and host and removes the file when
// the lock is released; a lock left by a process that is no longer running
// on this host is stale and taken over. An office suite's lock under the same
// name is honoured, and so is a lock that cannot be read: it may be anyone's.
class ListLock {
public:
    // The program that holds a list's lock.
    struct Holder {
        QString user; // empty where the lock and the system do not tell
        QString host;
        qint64 pid = 0; // 0 for an office suite's lock
        QDateTime since; // when the lock was taken; invalid when not known
        // The lock file's name when it could not be read (a folder, not
        // readable, too long, not a lock anyone writes): someone may be
        // editing, who is not known.
        QString unreadableLock;
    };

    // ".~lock.NAME#" beside the file the list's path leads to: symbolic links
    // are followed and the spelling does not matter, so every way of naming
    // one list meets at one lock. A name too long for that keeps its start
    // and gets a hash of the whole name, so that it fits in a file name.
    static QString lockPathFor(const QString& listPath);

    // "このファイルは USER が HOST から編集中です（12:34 から）", the date
    // shown too when the lock is not from today; for an unreadable lock,
    // that someone may be editing.
    static QString warning(const Holder& holder) { return warning(holder, QDate::currentDate()); }
    static QString warning(const Holder& holder, const QDate& today);

    ListLock() = default;
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;
    // A lock taken before the list was loaded passes to the window once the
    // load succeeded; the lock it replaces is released.
    ListLock(ListLock&&) noexcept = default;
    ListLock& operator=(ListLock&&) noexcept = default;
    ~ListLock() = default; // releases

    // Releases any lock held and tries to lock listPath. Returns the holder
    // when another running program has the lock or a lock file is there that
    // cannot be read (the list may still be opened; this one then holds no
    // lock). Returns nothing when the lock was taken, or when the folder
    // allows no lock file (a read-only share).
    std::optional<Holder> take(const QString& listPath);

    // Removes the lock file when this one holds it.
    void release();

    bool holds() const { return lock_ && lock_->isLocked(); }
    // Whether this one holds the lock of listPath, however the list is named.
    bool holdsLockFor(const QString& listPath) const;

private:
    std::unique_ptr<QLockFile> lock_;
};
