#pragma once

#include "PageAdjustment.h"

#include <QString>

#include <memory>

class QPrinter;
class QSettings;

// The user's printer settings file (printers.ini in the user's config
// folder), which keeps the adjustments and the last print destination.
std::unique_ptr<QSettings> userPrinterSettings();

// Each printer's page adjustment, kept in the user's settings (an INI file in
// the user's config folder, apart from the program's own settings file) under
// the printer's name, so it survives a restart and follows the printer the
// user picks. PDF output counts as one printer of its own.
class PrinterAdjustments {
public:
    // The user's settings file.
    PrinterAdjustments();
    // Another settings file, for tests.
    explicit PrinterAdjustments(const QString& iniFile);
    ~PrinterAdjustments();
    PrinterAdjustments(const PrinterAdjustments&) = delete;
    PrinterAdjustments& operator=(const PrinterAdjustments&) = delete;

    // No adjustment for a printer never adjusted; values out of range read as none.
    PageAdjustment of(const QString& printerName) const;
    void store(const QString& printerName, const PageAdjustment& adjustment);

    // The name adjustments are kept under: the printer's, or "PDF" for PDF output.
    static QString keyOf(const QPrinter& printer);
    static QString pdfPrinterName() { return QStringLiteral("PDF"); }

private:
    std::unique_ptr<QSettings> settings_;
};
