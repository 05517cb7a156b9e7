#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and atomic writes with the user's failure messages.
namespace FileAccess {

// Larger than any record file of kMaxRowCount rows of real records, small
// enough to read and decode in memory.
inline constexpr qint64 kMaxFileSize = qint64(512) * 1024 * 1024;

// Throws Failure "ファイル %s は開けません。 %s " when the file cannot be read.
QByteArray readAll(const QString& path);
// Writes beside the target and renames over it, so a failed write leaves the
// old file as it was. Throws Failure ファイル "%s" を作成できません。%s.
void writeAtomically(const QString& path, const QByteArray& bytes);

QString cannotOpenMessage(const QString& path, const QString& reason);
QString cannotCreateMessage(const QString& path, const QString& reason);

} // namespace FileAccess
