#include "PrinterOutput.h"

#include "LayoutSurface.h"
#include "PageSource.h"
#include "PainterSurface.h"
#include "sheet/Failure.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

QString PrinterResolution::labelText(int dotsPerInch)
{
    return QString::number(dotsPerInch) + QStringLiteral(" [DPI]");
}

namespace PrinterOutput {
namespace {

[[noreturn]] void fail()
{
    throw Failure(kPrintFailureMessage);
}

// Print-to-file output that cannot be written is refused before the document
// begins, so that the user sees the one warning and no engine complaint.
// Only looks: a preview must never truncate the file.
bool canWriteOutputFile(const QPrinter& printer)
{
    const QString path = printer.outputFileName();
    if (path.isEmpty())
        return true;
    const QFileInfo file(path);
    if (file.exists())
        return file.isFile() && file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

PrinterResolution setUpPage(QPrinter& printer)
{
    if (!printer.isValid())
        fail();
    if (!printer.setPageSize(QPageSize(QPageSize::A4)) || !printer.setPageOrientation(QPageLayout::Portrait))
        fail();
    printer.setFullPage(false);
    // In the standard mode the printer raises these to its hardware margins.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (printer.resolution() < kMinimumDotsPerInch)
        printer.setResolution(kMinimumDotsPerInch);
    const PrinterResolution resolution{printer.logicalDpiX(), printer.logicalDpiY()};
    if (!LayoutFactors::forResolution(resolution.across, resolution.down).canDraw())
        fail();
    return resolution;
}

void drawDocument(QPrinter& printer, const PageSource& pages, const PageProgress& progress)
{
    const LayoutFactors factors = LayoutFactors::forResolution(printer.logicalDpiX(), printer.logicalDpiY());
    if (!factors.canDraw())
        fail();
    if (!canWriteOutputFile(printer))
        fail();
    const int pageCount = pages.pageCount();
    printer.setDocName(QString());
    QPainter painter;
    if (!painter.begin(&printer))
        fail();
    try {
        PainterSurface surface(painter, factors);
        for (int page = 1; page <= pageCount; ++page) {
            pages.drawPage(surface, page);
            if (progress)
                progress(page, pageCount);
            if (page < pageCount && !printer.newPage())
                fail();
        }
    } catch (...) {
        painter.end();
        fail();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        fail();
}

} // namespace PrinterOutput
