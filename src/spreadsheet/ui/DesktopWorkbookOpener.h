#pragma once

#include "spreadsheet/WorkbookHandOff.h"

// Opens the workbook in LibreOffice as a new untitled document when it is
// installed, else with the desktop's default application for .xlsx files.
class DesktopWorkbookOpener : public WorkbookOpener {
public:
    bool open(const QString& path) override;
};
