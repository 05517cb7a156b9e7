#pragma once

#include "ImportedTable.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Tables as comma-, semicolon- or tab-separated text (RFC 4180 quoting), the way
// spreadsheet applications save and read them.
namespace CsvTable {

// Reads the bytes of a .csv file. Encoding: a byte-order mark (UTF-8, UTF-16)
// decides; without one, valid UTF-8 is UTF-8 and anything else Shift_JIS.
// Separator: comma, semicolon or tab, whichever splits the first lines alike
// (quotes respected); a comma when none does. A cell written by encode behind
// an apostrophe reads as the text it stood for. Throws Failure (naming path
// and the first line at fault) for bytes that are no text.
ImportedTable parse(const QByteArray& bytes, const QString& path);

// How parse reads the bytes: the encoding's name ("UTF-8", "UTF-16",
// "Shift_JIS") and the separator. Throws Failure as parse does.
struct TextFormat {
    QString encoding;
    QChar separator;
};
TextFormat formatOf(const QByteArray& bytes, const QString& path);

// UTF-8 with a byte-order mark, CR LF after every row, commas between cells;
// a cell is quoted when it holds a comma, a semicolon, a tab, a quote or a
// line break (so that a reader splitting at any of them keeps it whole), or
// starts or ends with a blank that a reader might trim. A cell a spreadsheet would
// run as a formula (starting with = + - @ tab or CR) is written quoted behind
// an apostrophe, as is one starting with an apostrophe; parse drops that
// apostrophe again, so the texts read back as they were.
QByteArray encode(const std::vector<Record>& rows);

} // namespace CsvTable
