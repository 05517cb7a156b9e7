#pragma once

#include "ImportedTable.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Tables as comma- or tab-separated text (RFC 4180 quoting), the way
// spreadsheet applications save and read them.
namespace CsvTable {

// Reads the bytes of a .csv file. Encoding: a byte-order mark (UTF-8, UTF-16)
// decides; without one, valid UTF-8 is UTF-8 and anything else Shift_JIS.
// Separator: a tab when the first row holds more tabs than commas, else a
// comma. Throws Failure (naming path) for bytes that are no text.
ImportedTable parse(const QByteArray& bytes, const QString& path);

// UTF-8 with a byte-order mark, CR LF after every row, commas between cells;
// a cell is quoted when it holds a comma, a quote or a line break, or starts
// or ends with a blank that a reader might trim.
QByteArray encode(const std::vector<Record>& rows);

} // namespace CsvTable
