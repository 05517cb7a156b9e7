#pragma once

#include "sheet/CsvTable.h"
#include "sheet/ImportedTable.h"
#include "sheet/RecordSheet.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// Cable lists as table files, for the window's open and save dialogs and for
// tagrio-cli: .xlsx workbooks and .csv texts, both ways.
namespace TableFile {

// The save dialog's file types.
inline constexpr char16_t kXlsxFilter[] = u"Excel ブック (*.xlsx)";
inline constexpr char16_t kCsvFilter[] = u"CSV (*.csv)";

// A zip container (an .xlsx workbook) or an OLE compound file (an encrypted
// or old binary workbook), told by the file's first bytes.
bool startsLikeWorkbook(QByteArrayView head);

// Reads a table file; its contents decide the kind, whatever its name says:
// a zip container is a workbook, an OLE compound file an encrypted (or old
// binary) workbook, which is refused, and anything else text. Throws Failure
// with the user's message, which names the file.
ImportedTable read(const QString& path);

// How read takes the text of a text table (its encoding and separator); none
// for a workbook. Throws Failure as read does.
std::optional<CsvTable::TextFormat> textFormatOf(const QString& path);

// Reads a table file into the sheet (TableRows::toSheet). Returns the notes
// to show the user. On a Failure the sheet stays as it was.
QStringList open(const QString& path, RecordSheet& sheet);

// The entry sheet layout (head row, widths, numbers in column A) with the
// record rows written as texts. Atomic; throws Failure.
void writeXlsx(const QString& path, const RecordSheet& sheet);
// UTF-8 with a byte-order mark and CR LF. Atomic; throws Failure.
void writeCsv(const QString& path, const RecordSheet& sheet);
// writeCsv for a name ending in .csv (any case), writeXlsx otherwise.
void write(const QString& path, const RecordSheet& sheet);

} // namespace TableFile
