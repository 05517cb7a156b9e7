#pragma once

#include "spreadsheet/WorkbookHandOff.h"

#include <chrono>
#include <functional>
#include <optional>

// Opens the workbook in LibreOffice as a new untitled document when it is
// installed, else (and always on Windows) with the desktop's default
// application for .xlsx files.
class DesktopWorkbookOpener : public WorkbookOpener {
public:
    // The command that opens the workbook at path, or none to leave it to the desktop.
    using CommandFinder = std::function<std::optional<WorkbookHandOff::Command>(const QString& path)>;

    // An application that gives up on the workbook does so at once; one
    // still running after failureWindow has taken it.
    static constexpr std::chrono::milliseconds kFailureWindow{3000};

    // commandFor defaults to LibreOffice found on the PATH.
    explicit DesktopWorkbookOpener(CommandFinder commandFor = {},
                                   std::chrono::milliseconds failureWindow = kFailureWindow);

    // False also when the application ended with a failure within the failure window.
    bool open(const QString& path) override;

private:
    CommandFinder commandFor_;
    std::chrono::milliseconds failureWindow_;
};
