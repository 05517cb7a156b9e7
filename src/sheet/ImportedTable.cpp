#include "ImportedTable.h"

#include "Failure.h"
#include "SheetEditing.h"

#include <algorithm>

void TableCollector::put(qint64 row, qint64 column, QString text)
{
    if (text.isEmpty())
        return;
    if (row >= kMaxRowCount)
        throw Failure(QStringLiteral("表の行数が扱える上限の %1 行を超えています。開きませんでした。").arg(kMaxRowCount));
    if (column >= kColumnCount) {
        if (row != lastRowWithDroppedCells_) {
            lastRowWithDroppedCells_ = row;
            ++rowsWithDroppedCells_;
        }
        return;
    }
    if (row >= static_cast<qint64>(rows_.size()))
        rows_.resize(static_cast<size_t>(row + 1));
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
}

ImportedTable TableCollector::finish()
{
    ImportedTable table{std::move(rows_), {}};
    if (rowsWithDroppedCells_ > 0) {
        table.notes << QStringLiteral("L 列（12 列目）から右のセルは読み込みませんでした（%1 行）。")
                           .arg(rowsWithDroppedCells_);
    }
    return table;
}

namespace TableRows {
namespace {

bool isHeader(const Record& row)
{
    return row[ColNumber] == u"No." || row == RecordSheet::headerTexts();
}

} // namespace

void toSheet(const ImportedTable& table, RecordSheet& sheet)
{
    auto first = table.rows.begin();
    if (first != table.rows.end() && isHeader(*first))
        ++first;
    const qint64 recordRows = table.rows.end() - first;
    if (recordRows + 1 > kMaxRowCount) {
        throw Failure(QStringLiteral("表の %1 行を読み込むと %2 行になり、扱える上限の %3 行を超えます。開きませんでした。")
                          .arg(recordRows)
                          .arg(recordRows + 1)
                          .arg(kMaxRowCount));
    }
    RecordSheet result;
    result.setRowCount(std::max(result.rowCount(), static_cast<int>(recordRows) + 1));
    std::transform(first, table.rows.end(), result.rows().begin() + 1, [](const Record& row) { return SheetRow(row); });
    SheetEditing::sort(result);
    renumber(result);
    sheet = std::move(result);
}

void dropEmptyRowsAtEnd(std::vector<Record>& rows)
{
    while (!rows.empty() && isEmptyRecord(rows.back()))
        rows.pop_back();
}

std::vector<Record> forSaving(const RecordSheet& sheet)
{
    std::vector<Record> rows;
    rows.reserve(sheet.rows().size());
    for (const SheetRow& row : sheet.rows())
        rows.push_back(row.texts());
    rows.front() = RecordSheet::headerTexts();
    dropEmptyRowsAtEnd(rows);
    return rows;
}

} // namespace TableRows
