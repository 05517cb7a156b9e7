#include "PrinterAdjustments.h"

#include <QPrinter>
#include <QSettings>
#include <QUrl>

namespace {

// Printer names may hold "/" or "\", which QSettings would read as groups.
QString groupOf(const QString& printerName)
{
    return u"printers/"_qs + QString::fromLatin1(QUrl::toPercentEncoding(printerName));
}

struct Field {
    const char* key;
    double PageAdjustment::*value;
};
constexpr Field kFields[] = {
    {"offsetXMm", &PageAdjustment::offsetXMm},
    {"offsetYMm", &PageAdjustment::offsetYMm},
    {"scaleXPercent", &PageAdjustment::scaleXPercent},
    {"scaleYPercent", &PageAdjustment::scaleYPercent},
};

} // namespace

std::unique_ptr<QSettings> userPrinterSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"tagrio"_qs, u"printers"_qs);
}

PrinterAdjustments::PrinterAdjustments() : settings_(userPrinterSettings()) {}

PrinterAdjustments::PrinterAdjustments(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

PrinterAdjustments::~PrinterAdjustments() = default;

PageAdjustment PrinterAdjustments::of(const QString& printerName) const
{
    PageAdjustment adjustment;
    settings_->beginGroup(groupOf(printerName));
    for (const Field& field : kFields)
        adjustment.*field.value = settings_->value(QLatin1String(field.key), adjustment.*field.value).toDouble();
    settings_->endGroup();
    return adjustment.isWithinLimits() ? adjustment : PageAdjustment{};
}

void PrinterAdjustments::store(const QString& printerName, const PageAdjustment& adjustment)
{
    settings_->beginGroup(groupOf(printerName));
    for (const Field& field : kFields)
        settings_->setValue(QLatin1String(field.key), adjustment.*field.value);
    settings_->endGroup();
    settings_->sync();
}

QString PrinterAdjustments::keyOf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? pdfPrinterName() : printer.printerName();
}
