#pragma once

#include "ZipParts.h"
#include "sheet/ImportedTable.h"

#include <QString>

#include <vector>

// The cells of a worksheet part as the table shows them (see
// XlsxTableReader): shared strings looked up in the shared strings part for
// the kept cells only, merged areas cleared but for their top-left cell,
// empty rows at the end dropped, a note for formulas read without a value.
namespace XlsxSheetCells {

struct Context {
    std::vector<bool> dateStyles; // by cell format: whether it shows a date
    bool dates1904 = false;
};

// Throws Failure with the user's message for a part that cannot be read.
ImportedTable read(ZipParts& zip, const QString& sheetPart, const QString& sharedStringsPart, const Context& context);

} // namespace XlsxSheetCells
