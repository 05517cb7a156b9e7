#pragma once

#include "RecordSheet.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// Which record column each table column fills, and where the heading row is.
struct TableLayout {
    static constexpr int kSkip = -1;
    // The index in ImportedTable::rows of the heading row; none without one.
    std::optional<size_t> headingRow;
    // Table column (A = 0) → record column, or kSkip.
    std::array<int, kColumnCount> recordColumnOf{};

    // Columns A to K as the record columns 0 to 10, no heading row.
    static TableLayout plain();
    friend bool operator==(const TableLayout&, const TableLayout&) = default;
};

// The cells of a table file (.xlsx or .csv) as they stand: one Record per
// table row, table columns A to K in record columns 0 to 10 (layout tells
// what they mean).
struct ImportedTable {
    std::vector<Record> rows;
    // Things the user should hear about although the file was read (cells
    // that had to be left out); empty when everything was taken.
    QStringList notes;
    // Chosen by the user or the command line; detected when none.
    std::optional<TableLayout> layout;
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

// The heading row among the first non-blank rows (one whose texts are column
// headings, see TableHeadings) and the columns by their headings; without one
// TableLayout::plain().
TableLayout detectLayout(const std::vector<Record>& rows);

// A layout from the record column named for each table column, A first: a
// heading text (any spelling TableHeadings knows) or "-" for a column to
// leave out; columns past the list are left out. No heading row. Returns the
// names no record column answers to in unknown (then the layout is unusable).
TableLayout layoutByHeadings(const QStringList& headings, QStringList& unknown);

// The records a table holds under a layout, in the file's order and numbered
// 1..n: every row below the heading that holds text other than its number,
// except the entry sheet template's pre-printed numbers, notes and date
// defaults. notes says what the user should know (no heading found, the
// file's numbers replaced, rows above the heading left out).
struct Records {
    std::vector<Record> rows;
    QStringList notes;
};
Records take(const ImportedTable& table, const TableLayout& layout);

// Replaces the sheet with the table's records (take, under table.layout or
// the detected one) and returns the notes for the user, the table's own
// first. Throws Failure, leaving the sheet as it was, when the records do not
// fit in kMaxRowCount sheet rows.
QStringList toSheet(const ImportedTable& table, RecordSheet& sheet);

// Drops the rows at the end whose cells are all empty.
void dropEmptyRowsAtEnd(std::vector<Record>& rows);

// The rows a saved table holds: the header texts, then the record rows up to
// the last one that is not empty.
std::vector<Record> forSaving(const RecordSheet& sheet);

} // namespace TableRows
