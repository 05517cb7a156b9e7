#pragma once

#include <QString>

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

// Begins the document with an empty title, draws every page and ends the
// document, also after a failure, so the pages drawn so far come out.
// Throws Failure with the print failure message.
void drawDocument(QPrinter& printer, const PageSource& pages);

} // namespace PrinterOutput
