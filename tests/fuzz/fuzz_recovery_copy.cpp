// Recovery copies left behind: any description and any record file are
// either offered and loaded or refused, a damaged copy always with the one
// message that names it. The input is the description, 0x1E, the record file.
#include "FuzzCheck.h"
#include "sheet/Failure.h"
#include "sheet/FileAccess.h"
#include "sheet/RecordFile.h"
#include "sheet/RecoveryFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\x1e');
    // pid 2^31-2: no process has it, so the copy counts as left behind.
    const RecoveryFiles::Copy copy = RecoveryFiles::copyFor(dir.path(), 2147483646);
    writeBytes(copy.infoPath, split < 0 ? bytes : bytes.left(split));
    writeBytes(copy.recordPath, split < 0 ? QByteArray() : bytes.mid(split + 1));

    // Only a description naming this copy's process offers it.
    const std::vector<RecoveryFiles::Copy> offered = RecoveryFiles::leftBehind(dir.path());
    FUZZ_CHECK(offered.size() <= 1);
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
    FUZZ_CHECK(sheet.rowCount() >= 1 && sheet.rowCount() <= kMaxRowCount);
    FUZZ_CHECK(sheet.row(0) == RecordSheet::headerTexts());
    return 0;
}
