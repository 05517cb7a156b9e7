#include "ImportedTable.h"

#include "EntrySheetNotes.h"
#include "Failure.h"
#include "SingleLineText.h"
#include "TableHeadings.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

TableLayout TableLayout::plain()
{
    TableLayout layout;
    std::iota(layout.recordColumnOf.begin(), layout.recordColumnOf.end(), 0);
    return layout;
}

void TableCollector::put(qint64 row, qint64 column, QString text)
{
    if (text.isEmpty())
        return;
    if (row < 0 || column < 0)
        throw std::out_of_range("TableCollector::put: a negative row or column");
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
    ImportedTable table{std::move(rows_), {}, {}};
    if (rowsWithDroppedCells_ > 0) {
        table.notes << QStringLiteral("L 列（12 列目）から右のセルは読み込みませんでした（%1 行）。")
                           .arg(rowsWithDroppedCells_);
    }
    return table;
}

namespace TableRows {
namespace {

// Titles or notes above a heading are common; a heading further down is not.
constexpr int kRowsSearchedForHeading = 10;

// A row is a heading row when its texts are headings: at least two of them
// (or its only text) name record columns, and they outnumber the other texts.
bool isHeadingRow(const Record& row, const std::vector<int>& columns)
{
    const auto named = std::count_if(columns.begin(), columns.end(), [](int c) { return c != TableLayout::kSkip; });
    const auto filled = std::count_if(row.begin(), row.end(), [](const QString& cell) { return !cell.isEmpty(); });
    return named > 0 && (named == filled || (named >= 2 && named * 2 > filled));
}

TableLayout layoutUnder(const Record& heading)
{
    const std::vector<int> columns = TableHeadings::recordColumnsOf(heading);
    TableLayout layout;
    std::array<bool, kColumnCount> claimed{};
    for (size_t c = 0; c < columns.size(); ++c) {
        layout.recordColumnOf[c] = columns[c];
        if (columns[c] != TableLayout::kSkip)
            claimed[static_cast<size_t>(columns[c])] = true;
    }
    // A column without a heading keeps its place as long as no heading
    // claimed that record column ("No." over A and blanks beside it).
    for (size_t c = 0; c < columns.size(); ++c) {
        if (heading[c].isEmpty() && !claimed[c])
            layout.recordColumnOf[c] = static_cast<int>(c);
    }
    return layout;
}

bool isEntrySheetNote(const QString& cell)
{
    if (!cell.startsWith(u'※'))
        return false;
    qsizetype end = cell.size();
    while (end > 0 && cell[end - 1].isSpace())
        --end;
    const QStringView text = QStringView(cell).left(end);
    return std::any_of(EntrySheetNotes::kTexts.begin(), EntrySheetNotes::kTexts.end(),
                       [&](const char16_t* note) { return text == QStringView(note); });
}

// A note names the first few cells whose line breaks became blanks.
constexpr qsizetype kBrokenCellsNamed = 10;

// cells: "No.3 の 用途", at most kBrokenCellsNamed of count.
QString lineBreakNote(const QStringList& cells, qsizetype count)
{
    QString named = cells.join(QStringLiteral("、"));
    if (count > cells.size())
        named += QStringLiteral("、ほか");
    return QStringLiteral("改行を含むセル %1 か所は、改行を空白にしました（%2）。").arg(count).arg(named);
}

bool holdsTextBesides(const Record& record, std::initializer_list<int> columns)
{
    for (int c = 0; c < kColumnCount; ++c) {
        if (!record[static_cast<size_t>(c)].isEmpty() && std::find(columns.begin(), columns.end(), c) == columns.end())
            return true;
    }
    return false;
}

} // namespace

TableLayout detectLayout(const std::vector<Record>& rows)
{
    int searched = 0;
    for (size_t r = 0; r < rows.size() && searched < kRowsSearchedForHeading; ++r) {
        if (isEmptyRecord(rows[r]))
            continue;
        ++searched;
        if (isHeadingRow(rows[r], TableHeadings::recordColumnsOf(rows[r]))) {
            TableLayout layout = layoutUnder(rows[r]);
            layout.headingRow = r;
            return layout;
        }
    }
    return TableLayout::plain();
}

TableLayout layoutByHeadings(const QStringList& headings, QStringList& unknown)
{
    TableLayout layout;
    layout.recordColumnOf.fill(TableLayout::kSkip);
    std::array<bool, kColumnCount> claimed{};
    for (qsizetype c = 0; c < headings.size(); ++c) {
        const QString name = headings[c].trimmed();
        if (name == u"-")
            continue;
        const std::vector<int> candidates = TableHeadings::candidatesFor(name);
        const auto free = std::find_if(candidates.begin(), candidates.end(),
                                       [&](int column) { return !claimed[static_cast<size_t>(column)]; });
        if (c >= kColumnCount || free == candidates.end()) {
            unknown << name;
            continue;
        }
        claimed[static_cast<size_t>(*free)] = true;
        layout.recordColumnOf[static_cast<size_t>(c)] = *free;
    }
    return layout;
}

Records take(const ImportedTable& table, const TableLayout& layout)
{
    Records result;
    const size_t first = layout.headingRow ? *layout.headingRow + 1 : 0;
    // The template's first record row comes with today's date, the company
    // and the year filled in; alone they are no record. The template is told
    // by its heading and its notes, so an exported list keeps such a row.
    const bool entrySheet = layout.headingRow && first <= table.rows.size()
        && table.rows[*layout.headingRow] == RecordSheet::headerTexts()
        && std::any_of(table.rows.begin() + static_cast<qsizetype>(first), table.rows.end(), [](const Record& row) {
               return std::any_of(row.begin(), row.end(), isEntrySheetNote);
           });
    const bool numbered = std::find(layout.recordColumnOf.begin(), layout.recordColumnOf.end(), int(ColNumber))
        != layout.recordColumnOf.end();
    bool renumbered = false;
    // A cell of the list is one line of its record file (and of the recovery
    // copy): a break inside a table cell (Alt+Enter, a quoted CSV field over
    // lines) would leave a list that cannot be saved.
    QStringList brokenCells;
    qsizetype brokenCount = 0;
    for (size_t r = first; r < table.rows.size(); ++r) {
        Record record;
        std::vector<int> brokenColumns;
        for (size_t c = 0; c < kColumnCount; ++c) {
            const int target = layout.recordColumnOf[c];
            const QString& cell = table.rows[r][c];
            if (target == TableLayout::kSkip || cell.isEmpty() || isEntrySheetNote(cell))
                continue;
            QString line = toSingleLine(cell);
            if (line != cell && target != ColNumber)
                brokenColumns.push_back(target);
            record[static_cast<size_t>(target)] = std::move(line);
        }
        if (!holdsTextBesides(record, {ColNumber}))
            continue;
        if (entrySheet && r == first
            && !holdsTextBesides(record, {ColNumber, ColConstructionDate, ColConstructor, ColManufactureYear}))
            continue;
        QString number = QString::number(result.rows.size() + 1);
        std::sort(brokenColumns.begin(), brokenColumns.end());
        for (const int column : brokenColumns) {
            if (++brokenCount <= kBrokenCellsNamed)
                brokenCells << QStringLiteral("No.%1 の %2").arg(number, RecordSheet::headerTexts()[static_cast<size_t>(column)]);
        }
        renumbered = renumbered || (numbered && record[ColNumber] != number);
        record[ColNumber] = std::move(number);
        result.rows.push_back(std::move(record));
    }

    if (!layout.headingRow && !result.rows.empty())
        result.notes << QStringLiteral("見出しの行が見つからないため、A 列から K 列を No. から製造年までの順に読みました。");
    const size_t aboveEnd = layout.headingRow ? std::min(*layout.headingRow, table.rows.size()) : 0;
    const auto above = std::count_if(table.rows.begin(), table.rows.begin() + static_cast<qsizetype>(aboveEnd),
                                     [](const Record& row) { return !isEmptyRecord(row); });
    if (above > 0)
        result.notes << QStringLiteral("見出しの行より上の %1 行は読み込みませんでした。").arg(above);
    if (renumbered)
        result.notes << QStringLiteral("ファイルの No. とは違う、1 から %1 までの番号を付けました。").arg(result.rows.size());
    if (brokenCount > 0)
        result.notes << lineBreakNote(brokenCells, brokenCount);
    return result;
}

QStringList toSheet(const ImportedTable& table, RecordSheet& sheet)
{
    Records records = take(table, table.layout.value_or(detectLayout(table.rows)));
    const qint64 count = static_cast<qint64>(records.rows.size());
    if (count + 1 > kMaxRowCount) {
        throw Failure(QStringLiteral("表の %1 行を読み込むと %2 行になり、扱える上限の %3 行を超えます。開きませんでした。")
                          .arg(count)
                          .arg(count + 1)
                          .arg(kMaxRowCount));
    }
    RecordSheet result;
    result.setRowCount(std::max(result.rowCount(), static_cast<int>(count) + 1));
    std::transform(records.rows.begin(), records.rows.end(), result.rows().begin() + 1,
                   [](Record& row) { return SheetRow(std::move(row)); });
    result.recordCount = static_cast<int>(count);
    sheet = std::move(result);
    return table.notes + records.notes;
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
