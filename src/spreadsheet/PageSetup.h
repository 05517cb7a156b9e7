#pragma once

#include "CellAddress.h"

#include <optional>

// The workbook format keeps at most this many manual page breaks a sheet.
inline constexpr int kMaxRowPageBreaks = 1023;

// Page margins in inches, as the workbook file keeps them. No header or
// footer is printed, so their margins stay at the application's default.
struct PageMargins {
    double left = 0.7;
    double right = 0.7;
    double top = 0.75;
    double bottom = 0.75;

    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// How a worksheet prints on A4 portrait. The defaults are those of a new
// sheet in the spreadsheet application: default margins, 100 %, the used
// range.
struct PageSetup {
    PageMargins margins;
    bool centredHorizontally = false;
    // Fit: zoom off, the print area shrunk onto at most pagesWide pages across
    // and pagesTall pages down; 0 leaves that direction free. Both 0: no fit.
    int fitPagesWide = 0;
    int fitPagesTall = 0;
    std::optional<CellRange> printArea;

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};
