#include "PrinterOutput.h"

#include "LayoutSurface.h"
#include "PageSource.h"
#include "PainterSurface.h"
#include "WrittenPdfCheck.h"
#include "sheet/Failure.h"
#include "sheet/FileWrite.h"

#include <QFile>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

#include <optional>

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

namespace {

// How far a document got. A document begun is always ended, so whatever was
// drawn before a failure comes out, as on paper.
enum class Drawn { All, Cancelled, Partly, Nothing };

// Draws the chosen pages as one document. shownFile names the file being
// written, for the message of a PDF cut short (which throws).
Drawn drawPages(QPrinter& printer, const PageSource& pages, const std::vector<int>& chosen,
                const PageProgress& progress, const QString& shownFile)
{
    const LayoutFactors factors = LayoutFactors::forResolution(printer.logicalDpiX(), printer.logicalDpiY());
    const int pagesToDraw = static_cast<int>(chosen.size());
    printer.setDocName(QString());
    QPainter painter;
    if (!painter.begin(&printer))
        return Drawn::Nothing;
    try {
        PainterSurface surface(painter, factors);
        for (int drawn = 1; drawn <= pagesToDraw; ++drawn) {
            pages.drawPage(surface, chosen[static_cast<size_t>(drawn - 1)]);
            if (progress && !progress(drawn, pagesToDraw)) {
                abandon(printer, painter);
                return Drawn::Cancelled;
            }
            if (drawn < pagesToDraw && !printer.newPage())
                fail();
        }
    } catch (...) {
        painter.end();
        // A page that could not be written out is a full disk, not a drawing fault.
        requireCompletePdf(printer.outputFileName(), shownFile);
        return Drawn::Partly;
    }
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    requireCompletePdf(printer.outputFileName(), shownFile);
    return ended ? Drawn::All : Drawn::Partly;
}

} // namespace

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
    const QString fileName = printer.outputFileName();
    // A file is drawn beside its target and put in place once ended: the
    // printer writes into the file it is given, which would replace the bytes
    // of every hard link to it, and a print that fails to begin or is
    // cancelled keeps the old file.
    std::optional<FileWrite::Output> output;
    if (!fileName.isEmpty()) {
        try {
            output.emplace(fileName, FileWrite::Contents::Output);
        } catch (const FileWrite::KeptFileRefusal&) {
            throw;
        } catch (const Failure& failure) {
            throw FileNotBegun(failure.message());
        }
        printer.setOutputFileName(output->partialPath());
    }
    const auto nameRestored = qScopeGuard([&] {
        if (output)
            printer.setOutputFileName(fileName);
    });
    const Drawn drawn = drawPages(printer, pages, chosen, progress, fileName);
    if (output && (drawn == Drawn::All || drawn == Drawn::Partly))
        output->commit();
    switch (drawn) {
    case Drawn::All:
        return Outcome::Printed;
    case Drawn::Cancelled:
        return Outcome::Cancelled;
    case Drawn::Partly:
    case Drawn::Nothing:
        break;
    }
    fail();
}

} // namespace PrinterOutput
