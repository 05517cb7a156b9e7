#include "FileReading.h"

#include "Failure.h"
#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileReading {
namespace {

[[noreturn]] void refuse(const QString& path, const QString& reason)
{
    throw Failure(FileAccess::cannotOpenMessage(path, reason));
}

QString notARegularFile() { return QStringLiteral("通常のファイルではありません。"); }

// Why an open failed, errno as it stood right after it (0 where the system
// reports through the file's error text only).
QString openFailureReason(const QString& path, int error, const QString& systemText)
{
    // What is missing, told alike on every system (Windows sets no errno): a
    // missing file in a folder that is there is not a missing folder.
    if ((error == ENOENT || error == 0) && !QFileInfo::exists(path)) {
        return QFileInfo(path).absoluteDir().exists() ? QStringLiteral("ファイルが見つかりません。")
                                                      : QStringLiteral("フォルダーが見つかりません。");
    }
    return FileAccess::systemReason(error, systemText);
}

#ifdef Q_OS_WIN

// Pipes and devices have names of their own on Windows (\\.\pipe\…, CON),
// which no file dialog or folder listing hands out; the check by name sees
// what the open then opens.
void openRegular(const QString& path, QFile& file)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        refuse(path, notARegularFile());
    file.setFileName(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int error = errno;
        refuse(path, openFailureReason(path, error, file.errorString()));
    }
}

#else

// Opened without waiting and checked on what was opened: a pipe waits in its
// open for a writer, and one put in the file's place after a check by name
// would still be waited on.
void openRegular(const QString& path, QFile& file)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        refuse(path, openFailureReason(path, error, {}));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        refuse(path, notARegularFile());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(path, FileAccess::systemReason(file, 0));
    }
}

#endif

} // namespace

std::unique_ptr<QFile> open(const QString& path)
{
    auto file = std::make_unique<QFile>();
    openRegular(path, *file);
    return file;
}

QByteArray readHead(const QString& path, qint64 size)
{
    const std::unique_ptr<QFile> file = open(path);
    errno = 0;
    QByteArray bytes = file->read(size);
    if (file->error() != QFileDevice::NoError)
        refuse(path, FileAccess::systemReason(*file, errno));
    return bytes;
}

QByteArray readAll(const QString& path, qint64 maxSize)
{
    const std::unique_ptr<QFile> file = open(path);
    const auto refuseTooLarge = [&] { refuse(path, QStringLiteral("ファイルが大きすぎます。")); };
    if (file->size() > maxSize)
        refuseTooLarge();
    // Read in pieces up to one byte past the limit: the size told before is
    // only a hint (a file can grow while it is read, and some report none).
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(file->size()));
    QByteArray piece(qsizetype(1) << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 wanted = std::min<qint64>(piece.size(), maxSize + 1 - bytes.size());
        errno = 0;
        const qint64 got = file->read(piece.data(), wanted);
        const int error = errno;
        if (got < 0)
            refuse(path, FileAccess::systemReason(*file, error));
        if (got == 0)
            return bytes;
        bytes.append(piece.constData(), static_cast<qsizetype>(got));
        if (bytes.size() > maxSize)
            refuseTooLarge();
    }
}

} // namespace FileReading
