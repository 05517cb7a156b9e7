#pragma once

#include <QByteArray>
#include <QString>

// File operations that C libraries and the system need done their own way:
// libraries that take a char* path, a rename that replaces its target, and
// whether two names are one file.
namespace NativeFiles {

// A char* path that fopen() and the libraries built on it open. Windows reads
// such paths in the ANSI code page, so a path with characters outside it is
// given in its short (8.3) form, which only an existing file has. Empty when
// the path cannot be given that way.
QByteArray narrowPathOf(const QString& existingPath);

// Renames from over to in one step, replacing a file already there. Returns
// the reason when it fails, empty when it succeeds.
QString renameOver(const QString& from, const QString& to);

// Whether two paths name one existing file, by the file's identity (device
// and inode, or volume and file index on Windows): however they are spelled,
// through symbolic links, hard links or a bind mount.
bool isSameFile(const QString& a, const QString& b);

// Writes the file's data through to the disk. Returns the reason when it
// fails, empty when it succeeds.
QString syncToDisk(const QString& path);

} // namespace NativeFiles
