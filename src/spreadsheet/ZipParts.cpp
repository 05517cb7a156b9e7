#include "ZipParts.h"

#include "sheet/Failure.h"
#include "sheet/FileAccess.h"

#include <QFile>

#include <unzip.h>
#ifdef Q_OS_WIN
#include <QDir>
#include <iowin32.h>
#endif

namespace {

// minizip's default file functions take a char* path, which Windows reads in
// the ANSI code page; its wide-character functions open any file name there.
unzFile openZip(const QString& path)
{
#ifdef Q_OS_WIN
    zlib_filefunc64_def wideFileFunctions;
    fill_win32_filefunc64W(&wideFileFunctions);
    const QString native = QDir::toNativeSeparators(path);
    return unzOpen2_64(native.utf16(), &wideFileFunctions);
#else
    return unzOpen64(QFile::encodeName(path).constData());
#endif
}

} // namespace

void ZipParts::Closer::operator()(void* zip) const { unzClose(zip); }

ZipParts::ZipParts(const QString& path) : path_(path), zip_(openZip(path))
{
    if (!zip_)
        throw Failure(damagedMessage(QStringLiteral("ZIP の目録を読めません")));
}

QString ZipParts::damagedMessage(const QString& detail) const
{
    return FileAccess::cannotOpenMessage(
        path_, QStringLiteral("表の形式が壊れています。（%1）").arg(detail));
}

std::optional<QByteArray> ZipParts::read(const QString& name)
{
    constexpr int kCaseInsensitive = 2;
    if (unzLocateFile(zip_.get(), name.toUtf8().constData(), kCaseInsensitive) != UNZ_OK)
        return std::nullopt;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip_.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw Failure(damagedMessage(name));
    if (info.uncompressed_size > quint64(kMaxPartSize)) {
        throw Failure(FileAccess::cannotOpenMessage(
            path_, QStringLiteral("中の %1 が大きすぎます（展開すると %2 MB を超えます）。").arg(name).arg(kMaxPartSize / (1024 * 1024))));
    }
    if (unzOpenCurrentFile(zip_.get()) != UNZ_OK)
        throw Failure(damagedMessage(name));
    // minizip stops at the declared size, which was checked above; the
    // buffer never grows past it.
    QByteArray bytes(static_cast<qsizetype>(info.uncompressed_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const unsigned chunk = static_cast<unsigned>(std::min<qsizetype>(bytes.size() - filled, 1 << 20));
        const int n = unzReadCurrentFile(zip_.get(), bytes.data() + filled, chunk);
        if (n <= 0)
            break;
        filled += n;
    }
    // Closing checks the part's checksum, so damaged data is never taken.
    const int closed = unzCloseCurrentFile(zip_.get());
    if (filled != bytes.size() || closed != UNZ_OK)
        throw Failure(damagedMessage(name));
    return bytes;
}
