#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// The one way files are opened for reading. Only regular files are opened:
// a folder is refused, and so are a named pipe and a device, which could
// block the program on the open or the first read, or never end. Every
// refusal is a Failure with the user's message "ファイル %s は開けません。 %s ".
namespace FileReading {

// Larger than any record file of kMaxRowCount rows of real records, small
// enough to read and decode in memory.
inline constexpr qint64 kMaxFileSize = qint64(512) * 1024 * 1024;

// The file, open for reading (and seeking), or a Failure naming why not.
std::unique_ptr<QFile> open(const QString& path);

// At most size bytes from the start of the file.
QByteArray readHead(const QString& path, qint64 size);

// The whole file; one longer than maxSize is refused ("ファイルが大きすぎます。")
// without reading more than maxSize + 1 bytes, whatever size it claims.
QByteArray readAll(const QString& path, qint64 maxSize = kMaxFileSize);

} // namespace FileReading
