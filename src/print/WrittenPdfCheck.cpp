#include "WrittenPdfCheck.h"

#include "sheet/FileAccess.h"
#include "sheet/Failure.h"

#include <QFile>

#include <cerrno>

namespace PrinterOutput {
namespace {

// The marker closes the last line; a few bytes of line end may follow it.
constexpr qint64 kTailBytes = 16;

bool endsWithEndOfFileMarker(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kTailBytes)
        return false;
    file.seek(file.size() - kTailBytes);
    return file.read(kTailBytes).contains("%%EOF");
}

} // namespace

void requireCompletePdf(const QString& path, const QString& shownPath)
{
    if (path.isEmpty() || endsWithEndOfFileMarker(path))
        return;
    QFile::remove(path);
    // Qt's PDF writer swallows failed writes: a file cut short ran out of room.
    throw Failure(FileAccess::cannotCreateMessage(shownPath, FileAccess::systemReason(ENOSPC)));
}

} // namespace PrinterOutput
