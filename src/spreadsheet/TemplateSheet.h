#pragma once

#include "Workbook.h"
#include "sheet/EraDate.h"

#include <QString>

// The entry sheet template: one sheet laid out like the record sheet, for
// users who type their cable list in the spreadsheet application and paste
// it back. It reads no records.
namespace TemplateSheet {

inline constexpr int kProgressSteps = 105;

// companyName is f0, the company name as it stood at start.
void build(Workbook& workbook, const QString& companyName, const EraDate& today, const ProgressStep& step);

} // namespace TemplateSheet

namespace TemplateSheet {

inline constexpr char16_t kSheetName[] = u"ｹｰﾌﾞﾙ一覧表";

// The template's sheet name, column widths and centred head row, for other
// workbooks laid out like the entry sheet.
void layOutHeads(Worksheet& sheet);

} // namespace TemplateSheet
