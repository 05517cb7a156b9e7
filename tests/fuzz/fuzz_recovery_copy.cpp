// Recovery copies left behind: any description and any record file are
// either offered and loaded or refused, a damaged copy always with the one
// message that names it. The input is the description, 0x1E, the record
// file, and optionally 0x1E and a byte of choices: bits 0-6 pad the
// description with blanks to within 64 bytes either side of the largest
// description read (0: no padding), bit 7 puts a folder in the record
// file's place.
#include "FuzzCheck.h"
#include "sheet/Failure.h"
#include "sheet/FileAccess.h"
#include "sheet/RecordFile.h"
#include "sheet/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

// Any folder or file left in path's place by the input before.
void clear(const QString& path)
{
    QDir(path).removeRecursively();
    QFile::remove(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QList<QByteArray> pieces =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\x1e');
    QByteArray description = pieces.value(0);
    const QByteArray record = pieces.value(1);
    const auto choices = static_cast<uint8_t>(pieces.size() > 2 && !pieces[2].isEmpty() ? pieces[2][0] : 0);
    if (const int pad = choices & 0x7F; pad != 0) {
        const qint64 target = RecoveryFiles::kMaxDescriptionSize - 64 + pad;
        description += QByteArray(std::max<qint64>(0, target - description.size()), ' ');
    }
    const bool recordIsFolder = (choices & 0x80) != 0;

    // pid 2^31-2: no process has it, so the copy counts as left behind.
    const RecoveryFiles::Copy copy = RecoveryFiles::copyFor(dir.path(), 2147483646);
    clear(copy.infoPath);
    clear(copy.recordPath);
    writeBytes(copy.infoPath, description);
    if (recordIsFolder)
        FUZZ_CHECK(QDir().mkpath(copy.recordPath));
    else
        writeBytes(copy.recordPath, record);

    // Only a description naming this copy's process offers it, and only one
    // small enough to be read.
    const std::vector<RecoveryFiles::Copy> offered = RecoveryFiles::leftBehind(dir.path());
    FUZZ_CHECK(offered.size() <= 1);
    FUZZ_CHECK(offered.empty() || description.size() <= RecoveryFiles::kMaxDescriptionSize);
    for (const RecoveryFiles::Copy& found : offered)
        FUZZ_CHECK(found.recordPath == copy.recordPath && found.pid == copy.pid);

    QString company;
    RecordSheet sheet;
    try {
        RecordFile::loadRecoveryCopy(copy.recordPath, company, sheet);
    } catch (const Failure& failure) {
        FUZZ_CHECK(failure.message()
                   == FileAccess::cannotOpenMessage(copy.recordPath, QStringLiteral("復元用の控えが壊れています。")));
        return 0;
    }
    FUZZ_CHECK(!recordIsFolder);
    FUZZ_CHECK(sheet.rowCount() >= 1 && sheet.rowCount() <= kMaxRowCount);
    FUZZ_CHECK(sheet.row(0) == RecordSheet::headerTexts());
    return 0;
}
