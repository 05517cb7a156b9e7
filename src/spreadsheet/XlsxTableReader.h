#pragma once

#include "sheet/ImportedTable.h"

#include <QString>

// Reads the cell grid of one worksheet of an .xlsx workbook: the sheet named
// "ｹｰﾌﾞﾙ一覧表" (the entry sheet template) when there is one, else the first.
// Cells read as the texts the spreadsheet application shows for them, as far
// as the record sheet cares: strings (rich text joined, phonetic guides left
// out), numbers in their shortest form, dates as era dates, TRUE/FALSE,
// formulas by their last computed value. A merged area's value stands in its
// top-left cell only.
namespace XlsxTableReader {

// Throws Failure with the user's message for a file that cannot be read.
ImportedTable read(const QString& path);

} // namespace XlsxTableReader
