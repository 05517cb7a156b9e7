#pragma once

#include "Workbook.h"
#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"

#include <QString>

// Nameplates type B: three small plates side by side in bands of five rows,
// with cut lines, in trunk or branch size.
namespace TypeBSheet {

inline constexpr int kRecordsPerPage = 8; // the same divisor for both sizes
// The workbook format keeps at most 1023 manual page breaks on a sheet (one
// per page here): longer outputs go on on further sheets, each laid out
// like the first, so every page still prints as laid out.
inline constexpr int kMaxPagesPerSheet = kMaxRowPageBreaks;

int pageCount(int recordCount);
int bandsPerPage(PlateSize size);
inline int platesPerPage(PlateSize size) { return 3 * bandsPerPage(size); }
// The laid-out pages that print: those that hold records (at least one).
// The pages after them hold empty plates only and stay out of the print area.
int printedPageCount(int recordCount, PlateSize size);
int sheetCount(int recordCount);
// The bar's maximum (2 x pages x bands - 1) and the steps the build takes
// (2 x pages x bands + 1 per sheet, so + 1 up to 1023 pages).
int progressMaximum(int recordCount, PlateSize size);
int progressSteps(int recordCount, PlateSize size);

QString sheetName(int part); // part 1 is "【ケーブル名板】"

// Builds nothing when the sheet holds no records. noBoxText is the entry
// form's No. box text, written at the head of every plate.
void build(Workbook& workbook, const RecordSheet& records, const QString& noBoxText, PlateSize size,
           const ProgressStep& step);

} // namespace TypeBSheet
