#include "LastPrintDestination.h"

#include "PrinterAdjustments.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

namespace {

const QString kPdfFileKey = QStringLiteral("lastDestination/pdfFile");
const QString kPrinterKey = QStringLiteral("lastDestination/printer");

} // namespace

LastPrintDestination::LastPrintDestination() : settings_(userPrinterSettings()) {}

LastPrintDestination::LastPrintDestination(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

LastPrintDestination::~LastPrintDestination() = default;

void LastPrintDestination::applyTo(QPrinter& printer) const
{
    const QString pdfFile = settings_->value(kPdfFileKey).toString();
    if (!pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        return;
    }
    const QString printerName = settings_->value(kPrinterKey).toString();
    if (!printerName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(printerName))
        printer.setPrinterName(printerName);
}

void LastPrintDestination::remember(const QPrinter& printer)
{
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    settings_->setValue(kPdfFileKey, toFile ? printer.outputFileName() : QString());
    settings_->setValue(kPrinterKey, toFile ? QString() : printer.printerName());
    settings_->sync();
}
