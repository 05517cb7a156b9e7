#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file was when a list was opened from it or saved to it: its size,
// modification time and content hash. changedOnDisk tells whether another
// program wrote it since, so that a save can ask before replacing that work.
class FileStamp {
public:
    FileStamp() = default; // no file: a list never opened or saved

    // The file as it is now; a file that cannot be read (no regular file, or
    // larger than any list that can be opened) gives a stamp that exists()
    // is false for.
    static FileStamp of(const QString& path);

    bool exists() const { return exists_; }

    // Whether the file at path is no longer what this stamp recorded: it
    // appeared, disappeared or holds other bytes. A file only touched (same
    // size and bytes, another time) has not changed; the bytes are hashed
    // only when the size is the same.
    bool changedOnDisk(const QString& path) const;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

private:
    bool exists_ = false;
    qint64 size_ = 0;
    QDateTime modified_; // shown to no one; kept so equal stamps mean equal files
    QByteArray hash_;
};
