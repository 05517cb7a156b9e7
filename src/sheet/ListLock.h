#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// The lock file beside an open list, as office suites keep one: it tells a
// second program that opens the same list who is editing it. Built on
// QLockFile, which records the process and host and removes the file when
// the lock is released; a lock left by a process that is no longer running
// on this host is stale and taken over.
class ListLock {
public:
    // The program that holds a list's lock.
    struct Holder {
        QString user; // the lock file's owner; empty where the system does not tell
        QString host;
        qint64 pid = 0;
        QDateTime since; // when the lock file was written
    };

    // ".~lock.NAME#" in the list's folder.
    static QString lockPathFor(const QString& listPath);

    // "このファイルは USER が HOST から編集中です"
    static QString warning(const Holder& holder);

    ListLock() = default;
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;
    ~ListLock() = default; // releases

    // Releases any lock held and tries to lock listPath. Returns the holder
    // when another running program has the lock (the list may still be
    // opened; this one then holds no lock). Returns nothing when the lock was
    // taken, or when the folder allows no lock file (a read-only share).
    std::optional<Holder> take(const QString& listPath);

    // Removes the lock file when this one holds it.
    void release();

    bool holds() const { return lock_ && lock_->isLocked(); }

private:
    std::unique_ptr<QLockFile> lock_;
};
