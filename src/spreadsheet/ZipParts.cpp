#include "ZipParts.h"

#include "sheet/Failure.h"
#include "sheet/FileAccess.h"
#include "sheet/FileReading.h"

#include <QFile>

#include <algorithm>
#include <climits>

#include <unzip.h>

namespace {

// minizip's file functions over the file the read guard opened: the zip is
// never opened by name a second time (where a pipe could have taken the
// file's place), and Qt opens any file name on every system.
QFile& fileOf(voidpf stream) { return *static_cast<QFile*>(stream); }

voidpf ZCALLBACK openFile(voidpf opaque, const void*, int) { return opaque; }

uLong ZCALLBACK readFile(voidpf, voidpf stream, void* buffer, uLong size)
{
    const qint64 n = fileOf(stream).read(static_cast<char*>(buffer), static_cast<qint64>(size));
    return n < 0 ? 0 : static_cast<uLong>(n);
}

uLong ZCALLBACK writeFile(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream) { return static_cast<ZPOS64_T>(fileOf(stream).pos()); }

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    QFile& file = fileOf(stream);
    qint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = file.pos();
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = file.size();
    // An offset back from the current place or the end comes as its two's complement.
    return file.seek(base + static_cast<qint64>(offset)) ? 0 : -1;
}

int ZCALLBACK closeFile(voidpf, voidpf) { return 0; } // the file belongs to ZipParts

int ZCALLBACK testError(voidpf, voidpf stream) { return fileOf(stream).error() == QFileDevice::NoError ? 0 : 1; }

unzFile openZip(QFile& file)
{
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openFile;
    functions.zread_file = readFile;
    functions.zwrite_file = writeFile;
    functions.ztell64_file = tellFile;
    functions.zseek64_file = seekFile;
    functions.zclose_file = closeFile;
    functions.zerror_file = testError;
    functions.opaque = &file;
    return unzOpen2_64("", &functions);
}

} // namespace

void ZipParts::Closer::operator()(void* zip) const { unzClose(zip); }

ZipParts::ZipParts(const QString& path) : path_(path), file_(FileReading::open(path)), zip_(openZip(*file_))
{
    if (!zip_)
        throw Failure(damagedMessage(QStringLiteral("ZIP の目録を読めません")));
}

ZipParts::~ZipParts() = default;

QString ZipParts::damagedMessage(const QString& detail) const
{
    return FileAccess::cannotOpenMessage(
        path_, QStringLiteral("表の形式が壊れています。（%1）").arg(detail));
}

std::unique_ptr<ZipParts::Part> ZipParts::open(const QString& name)
{
    constexpr int kCaseInsensitive = 2;
    if (unzLocateFile(zip_.get(), name.toUtf8().constData(), kCaseInsensitive) != UNZ_OK)
        return nullptr;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip_.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw Failure(damagedMessage(name));
    if (info.uncompressed_size > quint64(kMaxPartSize)) {
        throw Failure(FileAccess::cannotOpenMessage(
            path_, QStringLiteral("中の %1 が大きすぎます（展開すると %2 MB を超えます）。").arg(name).arg(kMaxPartSize / (1024 * 1024))));
    }
    // The packed size counts no more than the whole file: a part cannot
    // claim more room than there is to lower its ratio.
    const qint64 packed = std::min<qint64>(static_cast<qint64>(std::min<quint64>(info.compressed_size, quint64(kMaxPartSize))),
                                           file_->size());
    const auto inflated = static_cast<qint64>(info.uncompressed_size);
    if (inflated > kFreelyInflatedSize && inflated > kMaxInflationRatio * std::max<qint64>(packed, 1)) {
        throw Failure(FileAccess::cannotOpenMessage(
            path_, QStringLiteral("中の %1 は展開すると元の %2 倍を超えます（壊れているか、細工されたファイルです）。")
                       .arg(name)
                       .arg(kMaxInflationRatio)));
    }
    if (unzOpenCurrentFile(zip_.get()) != UNZ_OK)
        throw Failure(damagedMessage(name));
    return std::make_unique<Part>(zip_.get(), static_cast<qint64>(info.uncompressed_size));
}

std::optional<QByteArray> ZipParts::read(const QString& name)
{
    const std::unique_ptr<Part> part = open(name);
    if (!part)
        return std::nullopt;
    // minizip stops at the declared size, which open checked; the buffer
    // never grows past it.
    QByteArray bytes = part->readAll();
    if (part->failed())
        throw Failure(damagedMessage(name));
    return bytes;
}

ZipParts::Part::Part(void* zip, qint64 size) : zip_(zip), size_(size)
{
    QIODevice::open(QIODevice::ReadOnly);
}

ZipParts::Part::~Part()
{
    if (!ended_)
        unzCloseCurrentFile(zip_);
}

qint64 ZipParts::Part::readData(char* data, qint64 maxSize)
{
    if (ended_)
        return failed_ ? -1 : 0;
    if (maxSize <= 0)
        return 0;
    const unsigned chunk = static_cast<unsigned>(std::min<qint64>(maxSize, INT_MAX));
    const int n = unzReadCurrentFile(zip_, data, chunk);
    if (n > 0) {
        delivered_ += n;
        return n;
    }
    ended_ = true;
    // Closing checks the part's checksum once all of it was read, so damaged
    // data is never taken; a part that ends early is damaged too.
    const int closed = unzCloseCurrentFile(zip_);
    failed_ = n < 0 || closed != UNZ_OK || delivered_ != size_;
    return failed_ ? -1 : 0;
}
