#include "PrintJob.h"

#include "PreviewDialog.h"
#include "PrintProgress.h"
#include "print/LastPrintDestination.h"
#include "print/PageSource.h"
#include "sheet/Failure.h"
#include "ui/MessageBoxes.h"

#include <QPrintDialog>
#include <QPrinter>

PrintJob::PrintJob(QWidget* parent, PrintJobHooks hooks) : parent_(parent), hooks_(std::move(hooks))
{
    if (!hooks_.choosePrinter) {
        hooks_.choosePrinter = [parent](QPrinter& printer) {
            LastPrintDestination last;
            last.applyTo(printer);
            QPrintDialog dialog(&printer, parent);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            last.remember(printer);
            return true;
        };
    }
    if (!hooks_.warn) {
        hooks_.warn = [parent](const QString& message) {
            UiStyle::showMessage(parent, QMessageBox::Warning, QStringLiteral("警告"), message, QMessageBox::Yes);
        };
    }
    if (!hooks_.showResolution)
        hooks_.showResolution = [](const PrinterResolution&) {};
}

bool PrintJob::setUpAndDraw(QPrinter& printer, const PageSource& pages)
{
    try {
        hooks_.showResolution(PrinterOutput::setUpPage(printer));
        if (hooks_.printerChosen)
            hooks_.printerChosen(printer);
        const int pagesToDraw = static_cast<int>(PrinterOutput::pagesToPrint(printer, pages.pageCount()).size());
        PrintProgress progress(parent_, pagesToDraw);
        const auto outcome = PrinterOutput::drawDocument(
            printer, pages, [&progress](int drawn, int) { return progress.pageDrawn(drawn); });
        return outcome == PrinterOutput::Outcome::Printed;
    } catch (const PrinterOutput::FileNotBegun&) {
        hooks_.warn(kPrintFailureMessage);
    } catch (const Failure& failure) {
        hooks_.warn(failure.message());
    } catch (...) {
        // Whatever went wrong, the user learns that nothing (or not all) was printed.
        hooks_.warn(kPrintFailureMessage);
    }
    return false;
}

bool PrintJob::hasSomethingToPrint(const PageSource& pages)
{
    if (pages.hasRecords())
        return true;
    hooks_.warn(kNothingToPrintMessage);
    return false;
}

bool PrintJob::print(const PageSource& pages)
{
    if (!hasSomethingToPrint(pages))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    try {
        if (!hooks_.choosePrinter(printer))
            return false;
    } catch (...) {
        hooks_.warn(kPrintFailureMessage);
        return false;
    }
    return setUpAndDraw(printer, pages);
}

void PrintJob::preview(const PageSource& pages)
{
    if (!hasSomethingToPrint(pages))
        return;
    PreviewDialog dialog(pages, [this, &pages] { print(pages); }, parent_);
    dialog.exec();
}
