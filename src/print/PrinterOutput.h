#pragma once

#include "sheet/Failure.h"

#include <QString>

#include <functional>
#include <vector>

class PageSource;
class QPrinter;

// What every failed print tells the user.
inline const QString kPrintFailureMessage = QStringLiteral("情報不足で印刷出来ませんでした。");
// What a print of a list without records tells the user instead of printing empty plates.
inline const QString kNothingToPrintMessage = QStringLiteral("印刷する記録がありません");

// The printer's resolution after set-up, in dots per inch.
struct PrinterResolution {
    int across = 0;
    int down = 0;
    // "1200 [DPI]", as the window's resolution labels show it.
    static QString labelText(int dotsPerInch);
};

namespace PrinterOutput {

inline constexpr int kDefaultDotsPerInch = 1200;

// The resolution a print is drawn at: a multiple of 600 dpi is kept, any other
// becomes 1200 dpi. The layout factor is the resolution div 600, so at 720 or
// 1440 dpi the plates would otherwise come out at 83 % of their size; Qt sends
// the pages as vectors, so the printer's own resolution is not lost.
int drawingResolution(int printerDotsPerInch);

// A4 portrait, zero page margins (the printer keeps its own hardware margins,
// so the origin is the printable area's top-left) and the drawing resolution.
// Throws Failure when the printer refuses.
PrinterResolution setUpPage(QPrinter& printer);

// The pages the printer's page range asks for (every page when none is set),
// within 1..pageCount, in order.
std::vector<int> pagesToPrint(const QPrinter& printer, int pageCount);

// Told after each page has been drawn: the pages drawn so far and how many
// will be. Returns false to cancel the print.
using PageProgress = std::function<bool(int pagesDrawn, int pagesToDraw)>;

enum class Outcome { Printed, Cancelled };

// A print to a file that could not be begun (a missing or read-only folder, a
// read-only file): the message names the file and the reason. A print from
// the window tells the user the print failure message instead.
class FileNotBegun : public Failure {
public:
    using Failure::Failure;
};

// Begins the document with an empty title, draws the pages of the printer's
// page range and ends the document, also after a failure, so the pages drawn
// so far come out. Each page goes to the printer as soon as it is drawn, so
// memory stays flat however many pages there are. A cancel abandons the job
// and leaves no output file. Throws Failure: the nothing-to-print message for
// pages without records, FileNotBegun for a file that cannot be written,
// FileWrite::KeptFileRefusal for a file that must not be replaced, the file's
// own message when a PDF could not be written out whole, else the print
// failure message. A file is put in place only when printed whole.
Outcome drawDocument(QPrinter& printer, const PageSource& pages, const PageProgress& progress = {});

} // namespace PrinterOutput
