#include "WrittenPdfCheck.h"

#include "sheet/FileAccess.h"
#include "sheet/Failure.h"

#include <QFile>

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

void requireCompletePdf(const QString& path)
{
    if (path.isEmpty() || endsWithEndOfFileMarker(path))
        return;
    QFile::remove(path);
    throw Failure(FileAccess::cannotCreateMessage(path, shortWriteReason()));
}

QString shortWriteReason()
{
    return QStringLiteral("ディスクの空き容量が足りません");
}

} // namespace PrinterOutput
