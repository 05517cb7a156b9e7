#pragma once

#include "RecordSheet.h"

#include <QString>
#include <functional>
#include <vector>

// The editing operations of the record sheet's pop-up menu, over the model.
namespace SheetEditing {

// Rows first..last (inclusive), cells joined by tabs, each line ending CR LF.
QString copyText(const RecordSheet& sheet, int firstRow, int lastRow);

// Writes the clipboard's lines (as ClipboardTable reads them) from startRow
// on, field k of a line into column k, growing the sheet by a row whenever a
// line runs past the last one. Throws Failure, changing nothing, when the sheet would grow
// beyond kMaxRowCount rows. A pasted row that holds text but no number gets
// one past the highest number in the sheet, so the sort and renumber that
// follow a paste make it the next record.
void paste(RecordSheet& sheet, int startRow, QStringView clipboardText);

// Orders the record rows by column 0: whole numbers by value, then other
// texts, then unnumbered rows (a number of one blank counts as none); a
// stable sort. Unnumbered rows sort last by rank, not through a stand-in
// number, so no real record number is ever taken for "no number".
// Returns the new order: record row i + 1 came from row order[i] + 1.
std::vector<int> sort(RecordSheet& sheet);

// Asked before a single row is deleted; the text is the question to show.
using ConfirmDelete = std::function<bool(const QString& question)>;

enum class DeleteMode { Ask, NoQuestion };

// Deletes row t (rows below move up, the last row is emptied). In Ask mode the
// row goes only when confirm returns true. Returns whether it was deleted.
bool deleteRow(RecordSheet& sheet, int t, DeleteMode mode, const ConfirmDelete& confirm);

// Deletes the rows between the left press row ny1 and the release row uy1
// (asking only when they are the same row), then renumbers. Nothing happens
// when either lies on the header row. Sets uy1 to the top row.
void deleteRows(RecordSheet& sheet, int ny1, int& uy1, const ConfirmDelete& confirm);

// Empties every record row and sets the record count to 0.
void deleteAll(RecordSheet& sheet);

// Writes a registered record into `row`: its number is the row, the data
// columns come from `texts`. The sheet grows to hold the row; a new record
// raises the record count to it.
void writeRecord(RecordSheet& sheet, int row, const Record& texts, bool newRecord);

} // namespace SheetEditing
