#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QSettings;

// Where the user's last print went: the printer, or the PDF file and its
// folder. Kept in the user's printer settings, so the next print dialog, in
// this run or a later one, starts from the same printer or file instead of
// the dialog's own default.
class LastPrintDestination {
public:
    // The user's printer settings.
    LastPrintDestination();
    // Another settings file, for tests.
    explicit LastPrintDestination(const QString& iniFile);
    ~LastPrintDestination();
    LastPrintDestination(const LastPrintDestination&) = delete;
    LastPrintDestination& operator=(const LastPrintDestination&) = delete;

    // Points a fresh printer at the last destination; a printer that is no
    // longer installed leaves the system's default.
    void applyTo(QPrinter& printer) const;
    // Called once the user has accepted the print dialog.
    void remember(const QPrinter& printer);

private:
    std::unique_ptr<QSettings> settings_;
};
