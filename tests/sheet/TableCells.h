#pragma once

#include "sheet/ImportedTable.h"

#include <string>
#include <vector>

// A table's cells as plain rows with the trailing empty cells of each row
// dropped, so that expectations list only what a row holds.
using TableCells = std::vector<std::vector<std::u16string>>;

inline TableCells cellsOf(const ImportedTable& table)
{
    TableCells rows;
    for (const Record& record : table.rows) {
        std::vector<std::u16string> row;
        for (const QString& cell : record)
            row.push_back(cell.toStdU16String());
        while (!row.empty() && row.back().empty())
            row.pop_back();
        rows.push_back(std::move(row));
    }
    return rows;
}
