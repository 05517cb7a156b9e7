#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

class QFileDevice;

// The user's messages for files that fail (reads: FileReading.h; writes:
// FileWrite.h).
namespace FileAccess {

QString cannotOpenMessage(const QString& path, const QString& reason);
// The reason part of a file message. The common causes are told in Japanese,
// decided from the system's text (matched against the known codes' texts) or
// else from errorNumber, the errno captured right after the failing call:
// a full disk or quota or size limit, a refused access, a missing folder, a
// read-only file system. Any other cause keeps the system's text.
QString systemReason(int errorNumber, const QString& systemText = {});
QString cannotCreateMessage(const QString& path, const QString& reason);
// Whether errorNumber says a write ran out of room (a full disk, a quota, a
// file-size limit); only a failed write sets these codes.
bool isOutOfSpace(int errorNumber);
// systemReason for a file whose last call failed, errno as it stood right after.
QString systemReason(const QFileDevice& file, int errorNumber);

} // namespace FileAccess
