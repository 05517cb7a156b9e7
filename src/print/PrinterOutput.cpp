#include "PrinterOutput.h"

#include "LayoutSurface.h"
#include "PageSource.h"
#include "PainterSurface.h"
#include "WrittenPdfCheck.h"
#include "sheet/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageRanges>
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

// Qt's PDF and CUPS engines cannot abort a job they have begun: the document
// is ended, and the file it wrote, if any, removed.
void abandon(QPrinter& printer, QPainter& painter)
{
    printer.abort();
    if (painter.isActive())
        painter.end();
    if (!printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

} // namespace

int drawingResolution(int printerDotsPerInch)
{
    if (printerDotsPerInch > 0 && printerDotsPerInch % kLayoutUnitsPerInch == 0)
        return printerDotsPerInch;
    return kDefaultDotsPerInch;
}

PrinterResolution setUpPage(QPrinter& printer)
{
    if (!printer.isValid())
        fail();
    if (!printer.setPageSize(QPageSize(QPageSize::A4)) || !printer.setPageOrientation(QPageLayout::Portrait))
        fail();
    printer.setFullPage(false);
    // In the standard mode the printer raises these to its hardware margins.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const int dotsPerInch = drawingResolution(printer.resolution());
    if (printer.resolution() != dotsPerInch)
        printer.setResolution(dotsPerInch);
    const PrinterResolution resolution{printer.logicalDpiX(), printer.logicalDpiY()};
    if (!LayoutFactors::forResolution(resolution.across, resolution.down).canDraw())
        fail();
    return resolution;
}

std::vector<int> pagesToPrint(const QPrinter& printer, int pageCount)
{
    const QPageRanges ranges = printer.pageRanges();
    const bool everyPage = printer.printRange() != QPrinter::PageRange || ranges.isEmpty();
    std::vector<int> pages;
    for (int page = 1; page <= pageCount; ++page) {
        if (everyPage || ranges.contains(page))
            pages.push_back(page);
    }
    return pages;
}

Outcome drawDocument(QPrinter& printer, const PageSource& pages, const PageProgress& progress)
{
    const LayoutFactors factors = LayoutFactors::forResolution(printer.logicalDpiX(), printer.logicalDpiY());
    if (!factors.canDraw())
        fail();
    if (!pages.hasRecords())
        throw Failure(kNothingToPrintMessage);
    const std::vector<int> chosen = pagesToPrint(printer, pages.pageCount());
    if (chosen.empty())
        throw Failure(kNothingToPrintMessage);
    if (!canWriteOutputFile(printer))
        fail();
    const int pagesToDraw = static_cast<int>(chosen.size());
    printer.setDocName(QString());
    QPainter painter;
    if (!painter.begin(&printer))
        fail();
    try {
        PainterSurface surface(painter, factors);
        for (int drawn = 1; drawn <= pagesToDraw; ++drawn) {
            pages.drawPage(surface, chosen[static_cast<size_t>(drawn - 1)]);
            if (progress && !progress(drawn, pagesToDraw)) {
                abandon(printer, painter);
                return Outcome::Cancelled;
            }
            if (drawn < pagesToDraw && !printer.newPage())
                fail();
        }
    } catch (...) {
        painter.end();
        // A page that could not be written out is a full disk, not a drawing fault.
        requireCompletePdf(printer.outputFileName());
        fail();
    }
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    requireCompletePdf(printer.outputFileName());
    if (!ended)
        fail();
    return Outcome::Printed;
}

} // namespace PrinterOutput
