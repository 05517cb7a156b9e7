#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Reads cells copied from a spreadsheet application: fields split by tabs,
// lines by CR LF, LF or CR (a final line break makes no extra line). A field
// that starts with a double quote and has a closing one runs to it and may
// hold tabs and line breaks; "" inside it stands for one quote, and each of
// its line breaks becomes one blank, as a cell of the sheet holds one line.
// Text after the closing quote, up to the next tab or line end, is kept as it
// stands; a field whose quote is never closed is taken as plain text.
namespace ClipboardTable {

using Row = std::vector<QString>;

std::vector<Row> parse(QStringView text);

} // namespace ClipboardTable
