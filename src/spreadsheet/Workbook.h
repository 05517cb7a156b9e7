#pragma once

#include "CellFormat.h"
#include "Worksheet.h"

#include <functional>
#include <memory>
#include <vector>

// A workbook as the spreadsheet application makes a new one: one sheet named
// "Sheet1" at first; more are added at the end. Sheets count from 1.
class Workbook {
public:
    Workbook();

    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    Worksheet& sheet(int number);
    const Worksheet& sheet(int number) const;
    Worksheet& addSheet();
    // Adds sheets while there are not more than minimum, as each output asks
    // for its sheets: a minimum of 2 leaves at least three sheets.
    void addSheetsBeyond(int minimum);

    const FormatTable& formatTable() const { return *formats_; }

    // Where every sheet's finished rows go (Worksheet::finishRowsBefore); an
    // empty function keeps them in the sheets.
    void setFinishedRowsSink(FinishedRowsSink sink) { *finishedRows_ = std::move(sink); }

private:
    std::unique_ptr<FormatTable> formats_; // shared by the sheets; stays put when the workbook moves
    std::unique_ptr<FinishedRowsSink> finishedRows_; // likewise
    std::vector<std::unique_ptr<Worksheet>> sheets_;
};

// One step of an output's progress: the bar advances by one.
using ProgressStep = std::function<void()>;
