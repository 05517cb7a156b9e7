#pragma once

#include "Workbook.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

// Nameplates type A: every record on three sheets, one per text order, six
// plates to a page block of 51 rows.
namespace TypeASheet {

inline constexpr int kPlatesPerPage = 6;
inline constexpr int kRowsPerPage = 51;

// Page blocks per sheet for the record count; the last one is filled up with empty plates.
int pageCount(int recordCount);
// The top row of plate 1..6 of page block 1.. .
int plateTopRow(int page, int plate);
// The bar's maximum (21 x pages + 54) and the steps the build takes
// (21 x pages + 60), so the bar stays full for the last six steps.
int progressMaximum(int recordCount);
int progressSteps(int recordCount);

// Builds nothing when the sheet holds no records. Captions f1..f6 come from
// settings.lines[1..6].
void build(Workbook& workbook, const RecordSheet& records, const Settings& settings, const ProgressStep& step);

} // namespace TypeASheet
