#pragma once

#include <QString>

#include <functional>

class PageSource;
class QPrinter;

// What every failed print tells the user.
inline const QString kPrintFailureMessage = QStringLiteral("情報不足で印刷出来ませんでした。");

// The printer's resolution after set-up, in dots per inch.
struct PrinterResolution {
    int across = 0;
    int down = 0;
    // "1200 [DPI]", as the window's resolution labels show it.
    static QString labelText(int dotsPerInch);
};

namespace PrinterOutput {

inline constexpr int kMinimumDotsPerInch = 600;

// A4 portrait, zero page margins (the printer keeps its own hardware margins,
// so the origin is the printable area's top-left) and at least 600 dpi so that
// the layout factor is never 0. Throws Failure when the printer refuses.
PrinterResolution setUpPage(QPrinter& printer);

// Told after each page has been drawn: the pages drawn so far and the page count.
using PageProgress = std::function<void(int pagesDrawn, int pageCount)>;

// Begins the document with an empty title, draws every page and ends the
// document, also after a failure, so the pages drawn so far come out. Each
// page goes to the printer as soon as it is drawn, so memory stays flat
// however many pages there are. Throws Failure with the print failure message.
void drawDocument(QPrinter& printer, const PageSource& pages, const PageProgress& progress = {});

} // namespace PrinterOutput
