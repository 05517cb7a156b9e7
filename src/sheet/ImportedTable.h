#pragma once

#include "RecordSheet.h"

#include <QString>
#include <QStringList>
#include <vector>

// The cells of a table file (.xlsx or .csv) as the record sheet takes them:
// one Record per table row, table columns A to K in record columns 0 to 10.
struct ImportedTable {
    std::vector<Record> rows;
    // Things the user should hear about although the file was read (cells
    // that had to be left out); empty when everything was taken.
    QStringList notes;
};

// Gathers a table's cells in any order while a reader walks its file, keeps
// the first eleven columns, and refuses a table longer than the record sheet
// may grow.
class TableCollector {
public:
    // row and column count from 0; readers go through the rows in order. An
    // empty text is no cell, so blank rows at the end never make rows (blank
    // but formatted rows are common). Throws Failure for a row at or past
    // kMaxRowCount.
    void put(qint64 row, qint64 column, QString text);
    ImportedTable finish();

private:
    std::vector<Record> rows_;
    qint64 rowsWithDroppedCells_ = 0;
    qint64 lastRowWithDroppedCells_ = -1;
};

namespace TableRows {

// Replaces the sheet with the table's rows as if they had been pasted into an
// empty sheet at row 1, followed by the sort and the renumber of a paste. A
// first row that is a header ("No." in its first cell, or the sheet's own
// header texts) is skipped. Throws Failure, leaving the sheet as it was, when
// the rows do not fit in kMaxRowCount sheet rows.
void toSheet(const ImportedTable& table, RecordSheet& sheet);

// Drops the rows at the end whose cells are all empty.
void dropEmptyRowsAtEnd(std::vector<Record>& rows);

// The rows a saved table holds: the header texts, then the record rows up to
// the last one that is not empty.
std::vector<Record> forSaving(const RecordSheet& sheet);

} // namespace TableRows
