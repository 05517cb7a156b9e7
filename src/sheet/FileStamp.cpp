#include "FileStamp.h"

#include "Failure.h"
#include "FileReading.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

// Empty when the file cannot be read or is no regular file.
QByteArray contentHash(const QString& path)
{
    std::unique_ptr<QFile> file;
    try {
        file = FileReading::open(path);
    } catch (const Failure&) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(file.get()))
        return {};
    return hash.result();
}

} // namespace

FileStamp FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    FileStamp stamp;
    // A file too large to read was never opened as a list: nothing to hash.
    if (!info.isFile() || info.size() > FileReading::kMaxFileSize)
        return stamp;
    stamp.hash_ = contentHash(path);
    if (stamp.hash_.isEmpty())
        return stamp;
    stamp.exists_ = true;
    stamp.size_ = info.size();
    stamp.modified_ = info.lastModified().toUTC();
    return stamp;
}

bool FileStamp::changedOnDisk(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.isFile())
        return exists_;
    if (!exists_ || info.size() != size_)
        return true;
    // Same size: only the bytes tell, whatever the time says (a copy may keep
    // the old time, a touch changes it without changing anything).
    return contentHash(path) != hash_;
}
