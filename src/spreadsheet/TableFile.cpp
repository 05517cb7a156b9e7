#include "TableFile.h"

#include "TemplateSheet.h"
#include "Workbook.h"
#include "XlsxTableReader.h"
#include "XlsxWriter.h"
#include "sheet/CsvTable.h"
#include "sheet/Failure.h"
#include "sheet/FileAccess.h"
#include "sheet/FileReading.h"
#include "sheet/FileWrite.h"

#include <algorithm>

namespace TableFile {
namespace {

QByteArray firstBytes(const QString& path) { return FileReading::readHead(path, 8); }

bool isZip(QByteArrayView head) { return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"); }

bool isOleCompoundFile(QByteArrayView head) { return head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"); }

// A record number written back as a number reads back as the same text.
bool isPlainWholeNumber(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && QString::number(value) == text;
}

ImportedTable readText(const QString& path, QByteArrayView head)
{
    if (isOleCompoundFile(head)) {
        throw Failure(FileAccess::cannotOpenMessage(
            path, QStringLiteral("パスワードで保護されたブックか、古い形式（.xls）のブックです。"
                                 "パスワードを外して Excel ブック（.xlsx）として保存し直してから開いてください。")));
    }
    return CsvTable::parse(FileReading::readAll(path), path);
}

} // namespace

bool startsLikeWorkbook(QByteArrayView head) { return isZip(head) || isOleCompoundFile(head); }

ImportedTable read(const QString& path)
{
    const QByteArray head = firstBytes(path);
    if (head.isEmpty())
        throw Failure(FileAccess::cannotOpenMessage(path, QStringLiteral("空のファイルです。")));
    ImportedTable table;
    try {
        table = isZip(head) ? XlsxTableReader::read(path) : readText(path, head);
    } catch (const Failure& failure) {
        // The readers name the file; a table too long for the sheet is
        // refused where no file is known.
        if (failure.message().startsWith(FileAccess::cannotOpenMessage(path, QString()).trimmed()))
            throw;
        throw Failure(FileAccess::cannotOpenMessage(path, failure.message()));
    }
    // An empty list taken from a file that held something would pass for the list itself.
    if (std::all_of(table.rows.begin(), table.rows.end(), isEmptyRecord))
        throw Failure(FileAccess::cannotOpenMessage(path, QStringLiteral("表にセルがひとつもありません。")));
    return table;
}

std::optional<CsvTable::TextFormat> textFormatOf(const QString& path)
{
    if (startsLikeWorkbook(firstBytes(path)))
        return std::nullopt;
    return CsvTable::formatOf(FileReading::readAll(path), path);
}

QStringList open(const QString& path, RecordSheet& sheet)
{
    return TableRows::toSheet(read(path), sheet);
}

void writeXlsx(const QString& path, const RecordSheet& sheet)
{
    Workbook workbook;
    Worksheet& table = workbook.sheet(1);
    TemplateSheet::layOutHeads(table);
    const std::vector<Record> rows = TableRows::forSaving(sheet);
    for (size_t r = 1; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        for (int column = 0; column < kColumnCount; ++column) {
            const QString& text = rows[r][static_cast<size_t>(column)];
            const CellAddress cell{row, column + 1};
            int number = 0;
            if (column == ColNumber && isPlainWholeNumber(text, number)) {
                table.setHorizontalAlignment(cell, HorizontalAlignment::Center);
                table.setNumber(cell, number);
            } else if (!text.isEmpty()) {
                table.setValue(cell, text);
            }
        }
    }
    XlsxWriter::write(workbook, path);
}

void writeCsv(const QString& path, const RecordSheet& sheet)
{
    FileWrite::writeAtomically(path, FileWrite::Contents::Output, {CsvTable::encode(TableRows::forSaving(sheet))});
}

void write(const QString& path, const RecordSheet& sheet)
{
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        writeCsv(path, sheet);
    else
        writeXlsx(path, sheet);
}

} // namespace TableFile
