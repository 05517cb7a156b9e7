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
#endif

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

#else

QByteArray narrowPathOf(const QString& existingPath) { return QFile::encodeName(existingPath); }

QString renameOver(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return FileAccess::systemReason(errno);
}

#endif

bool isSameFile(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first.compare(QFileInfo(b).canonicalFilePath(), fileNameCase) == 0;
}

} // namespace NativeFiles
