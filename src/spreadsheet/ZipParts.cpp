#include "ZipParts.h"

#include "sheet/Failure.h"
#include "sheet/FileAccess.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

ZipParts::ZipParts(const QString& path) : path_(path), zip_(std::make_unique<QuaZip>(path))
{
    if (!zip_->open(QuaZip::mdUnzip))
        throw Failure(damagedMessage(QStringLiteral("ZIP の目録を読めません（エラー %1）").arg(zip_->getZipError())));
}

ZipParts::~ZipParts() = default;

QString ZipParts::damagedMessage(const QString& detail) const
{
    return FileAccess::cannotOpenMessage(path_, QStringLiteral("ファイルが壊れているか、Excel ブック（.xlsx）ではありません。（%1）").arg(detail));
}

std::optional<QByteArray> ZipParts::read(const QString& name)
{
    if (!zip_->setCurrentFile(name, QuaZip::csInsensitive))
        return std::nullopt;
    QuaZipFileInfo64 info;
    if (!zip_->getCurrentFileInfo(&info))
        throw Failure(damagedMessage(name));
    const auto tooLarge = [&] {
        return Failure(FileAccess::cannotOpenMessage(
            path_, QStringLiteral("中の %1 が大きすぎます（展開すると %2 MB を超えます）。").arg(name).arg(kMaxPartSize / (1024 * 1024))));
    };
    if (info.uncompressedSize > quint64(kMaxPartSize))
        throw tooLarge();

    QuaZipFile file(zip_.get());
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(damagedMessage(name));
    // The declared size may lie: read no further than the limit whatever it says.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.uncompressedSize));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            throw Failure(damagedMessage(name));
        if (n == 0)
            break;
        if (bytes.size() + n > kMaxPartSize)
            throw tooLarge();
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    file.close();
    if (file.getZipError() != UNZ_OK) // a checksum that does not match: the part is damaged
        throw Failure(damagedMessage(name));
    return bytes;
}
