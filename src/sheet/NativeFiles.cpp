#include "NativeFiles.h"

#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <cerrno>
#include <string>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>

namespace NativeFiles {

#ifdef Q_OS_WIN

namespace {

bool fitsAnsiCodePage(const QString& path) { return QString::fromLocal8Bit(path.toLocal8Bit()) == path; }

// The common causes in the same words as on other systems.
QString lastErrorReason()
{
    const DWORD error = ::GetLastError();
    struct Cause {
        DWORD error;
        int errorNumber;
    };
    constexpr Cause kCauses[] = {
        {ERROR_ACCESS_DENIED, EACCES},    {ERROR_SHARING_VIOLATION, EACCES}, {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_FILE_NOT_FOUND, ENOENT},   {ERROR_DISK_FULL, ENOSPC},         {ERROR_HANDLE_DISK_FULL, ENOSPC},
        {ERROR_WRITE_PROTECT, EROFS},
    };
    for (const Cause& cause : kCauses) {
        if (cause.error == error)
            return FileAccess::systemReason(cause.errorNumber);
    }
    return qt_error_string(static_cast<int>(error));
}

} // namespace

QByteArray narrowPathOf(const QString& existingPath)
{
    const QString native = QDir::toNativeSeparators(existingPath);
    if (fitsAnsiCodePage(native))
        return native.toLocal8Bit();
    const auto wide = reinterpret_cast<const wchar_t*>(native.utf16());
    const DWORD length = ::GetShortPathNameW(wide, nullptr, 0);
    if (length == 0)
        return {};
    std::wstring shortPath(length, L'\0');
    if (::GetShortPathNameW(wide, shortPath.data(), length) == 0)
        return {};
    const QString shortForm = QString::fromWCharArray(shortPath.c_str());
    return fitsAnsiCodePage(shortForm) ? shortForm.toLocal8Bit() : QByteArray();
}

QString renameOver(const QString& from, const QString& to)
{
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    if (::MoveFileExW(reinterpret_cast<const wchar_t*>(nativeFrom.utf16()),
                      reinterpret_cast<const wchar_t*>(nativeTo.utf16()),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return lastErrorReason();
}

QString syncToDisk(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file = ::CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastErrorReason();
    const bool flushed = ::FlushFileBuffers(file);
    const QString reason = flushed ? QString() : lastErrorReason();
    ::CloseHandle(file);
    return reason;
}

#else

QString syncToDisk(const QString& path)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return FileAccess::systemReason(errno);
    const int synced = ::fsync(file);
    const int error = errno;
    ::close(file);
    return synced == 0 ? QString() : FileAccess::systemReason(error);
}

QByteArray narrowPathOf(const QString& existingPath) { return QFile::encodeName(existingPath); }

QString renameOver(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return FileAccess::systemReason(errno);
}

#endif

namespace {

std::filesystem::path nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

} // namespace

bool isSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(nativePath(a), nativePath(b), error) && !error;
}

} // namespace NativeFiles
