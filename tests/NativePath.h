#pragma once

// A path as std::filesystem takes it on this system: wide on Windows (its
// narrow form is the ANSI code page, which cannot name every file), bytes as
// the file system stores them elsewhere.

#include <QDir>
#include <QFile>
#include <QString>

#include <filesystem>

inline std::filesystem::path nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}
