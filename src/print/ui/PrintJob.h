#pragma once

#include "print/PrinterOutput.h"

#include <QString>
#include <functional>

class PageSource;
class QPrinter;
class QWidget;

// What a print job asks of the user and tells the window. Each step left
// empty takes the real dialog or message box; tests put in their own.
struct PrintJobHooks {
    // Lets the user choose the printer (and its PDF output); false when cancelled.
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Shows the warning of a failed print.
    std::function<void(const QString& message)> warn;
    // The printer's resolution after page set-up, for the window's labels.
    std::function<void(const PrinterResolution& resolution)> showResolution;
    // Told which printer the pages are about to go to, before any is drawn.
    std::function<void(const QPrinter& printer)> printerChosen;
};

// One print: the print dialog, page set-up, the pages of the chosen page
// range, and the warning "情報不足で印刷出来ませんでした。" (or the failure's own
// message) on any failure. A list without records is not printed: the user is
// told "印刷する記録がありません". A preview shows the same pages before anything
// is printed, and printing from it runs the same print.
class PrintJob {
public:
    explicit PrintJob(QWidget* parent, PrintJobHooks hooks = {});

    // True when the pages were handed to the printer; false when the user
    // cancelled the print dialog or the print (nothing shown) or the print
    // failed (the warning shown).
    bool print(const PageSource& pages);
    // Shows the preview window modally; returns when it has closed.
    void preview(const PageSource& pages);

private:
    bool hasSomethingToPrint(const PageSource& pages);
    bool setUpAndDraw(QPrinter& printer, const PageSource& pages);

    QWidget* parent_;
    PrintJobHooks hooks_;
};
