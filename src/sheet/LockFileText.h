#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// What the bytes of a lock file beside a list say about its holder. Two
// programs write such files under the same name: Qt's lock files (pid,
// program, host, machine id, boot id, one per line; this program writes
// these) and office suites (one entry "NAME,LOGIN,HOST,DD.MM.YYYY HH:MM,URL;"
// with "\" before a "," ";" or "\" inside a field). Anything else cannot be
// read, and must not be taken for "nobody holds it".
namespace LockFileText {

// Lock files are a few hundred bytes; a longer one is not taken as a lock
// anyone wrote, and is never read further than this.
inline constexpr qsizetype kMaxSize = 4096;

// Fields longer than this are cut with "…": they go into a message box.
inline constexpr qsizetype kMaxFieldLength = 64;

struct Content {
    enum class Kind { QtLock, OfficeLock, Unreadable };
    Kind kind = Kind::Unreadable;
    QString user; // office lock: the name set in the suite, else the login
    QString host;
    qint64 pid = 0; // Qt lock
    QDateTime since; // office lock: its own local time; invalid when unreadable
};

// Never throws; any bytes give a Content whose texts hold no control characters.
Content parse(QByteArrayView bytes);

} // namespace LockFileText
