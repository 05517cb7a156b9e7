#include "PrintJob.h"

#include "PrintProgress.h"
#include "print/PageSource.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

PrintJob::PrintJob(QWidget* parent, PrintJobHooks hooks) : parent_(parent), hooks_(std::move(hooks))
{
    if (!hooks_.choosePrinter) {
        hooks_.choosePrinter = [parent](QPrinter& printer) {
            QPrintDialog dialog(&printer, parent);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    if (!hooks_.warn) {
        hooks_.warn = [parent](const QString& message) {
            QMessageBox::warning(parent, QStringLiteral("警告"), message, QMessageBox::Yes);
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
        PrintProgress progress(parent_, pages.pageCount());
        PrinterOutput::drawDocument(printer, pages, [&progress](int drawn, int) { progress.pageDrawn(drawn); });
        return true;
    } catch (...) {
        // Whatever went wrong, the user learns that nothing (or not all) was printed.
        hooks_.warn(kPrintFailureMessage);
        return false;
    }
}

bool PrintJob::print(const PageSource& pages)
{
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
    QPrinter printer(QPrinter::HighResolution);
    try {
        PrinterOutput::setUpPage(printer);
    } catch (...) {
        hooks_.warn(kPrintFailureMessage);
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent_);
    // The same request draws the preview pages and, from the dialog's print
    // button, the printed ones.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, &pages](QPrinter* target) { setUpAndDraw(*target, pages); });
    dialog.exec();
}
