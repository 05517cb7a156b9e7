#include "SheetEditing.h"

#include "ClipboardTable.h"
#include "Failure.h"

#include <algorithm>
#include <numeric>

namespace SheetEditing {
namespace {

// Sort rank of a key: whole numbers by value, then other texts, then rows
// without a number. Ranks keep the order transitive when numbers and texts mix.
struct SortKey {
    int group = 0; // 0 number, 1 text, 2 unnumbered
    qulonglong number = 0;
    QString text;
};

SortKey sortKeyOf(const QString& key)
{
    if (key.isEmpty())
        return {2, 0, {}};
    bool isWholeNumber = key.size() <= 18;
    for (QChar c : key)
        isWholeNumber = isWholeNumber && c >= u'0' && c <= u'9';
    if (isWholeNumber)
        return {0, key.toULongLong(), {}};
    return {1, 0, key};
}

bool keyLess(const SortKey& a, const SortKey& b)
{
    if (a.group != b.group)
        return a.group < b.group;
    if (a.group == 0)
        return a.number < b.number;
    return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
}

} // namespace

QString copyText(const RecordSheet& sheet, int firstRow, int lastRow)
{
    QString out;
    for (int r = std::max(firstRow, 0); r <= lastRow && r < sheet.rowCount(); ++r) {
        const Record& row = sheet.row(r);
        for (int c = 0; c < kColumnCount; ++c) {
            if (c > 0)
                out += u'\t';
            out += row[static_cast<size_t>(c)];
        }
        out += u"\r\n";
    }
    return out;
}

namespace {

// A pasted line that brings text but no number.
bool needsNumber(const ClipboardTable::Row& fields)
{
    return !fields.empty() && fields.front().trimmed().isEmpty()
        && std::any_of(fields.begin() + 1, fields.end(), [](const QString& field) { return !field.isEmpty(); });
}

// The highest whole number in column 0, 0 when there is none.
qint64 highestNumber(const RecordSheet& sheet)
{
    qint64 highest = 0;
    for (int r = 1; r < sheet.rowCount(); ++r)
        highest = std::max(highest, sheet.cell(ColNumber, r).trimmed().toLongLong());
    return highest;
}

} // namespace

void paste(RecordSheet& sheet, int startRow, QStringView clipboardText)
{
    std::vector<ClipboardTable::Row> lines = ClipboardTable::parse(clipboardText);
    if (lines.empty())
        return;
    const int row0 = std::max(startRow, 0);
    const qint64 lastRowNeeded = qint64(row0) + qint64(lines.size()) - 1;
    if (lastRowNeeded >= kMaxRowCount) {
        throw Failure(QStringLiteral("貼り付けると %1 行になり、扱える上限の %2 行を超えます。貼り付けませんでした。")
                          .arg(lastRowNeeded + 1)
                          .arg(kMaxRowCount));
    }
    if (lastRowNeeded >= sheet.rowCount())
        sheet.setRowCount(static_cast<int>(lastRowNeeded + 1));

    // Pasted rows that bring text but no number get numbers past every number
    // in the sheet, so that the sort and renumber after a paste make them the
    // next records instead of leaving them out of every output.
    std::vector<int> unnumbered;
    int r = row0;
    for (ClipboardTable::Row& fields : lines) {
        if (r > 0 && needsNumber(fields))
            unnumbered.push_back(r);
        Record& row = sheet.editRow(r++);
        const size_t used = std::min(fields.size(), static_cast<size_t>(kColumnCount));
        for (size_t column = 0; column < used; ++column)
            row[column] = std::move(fields[column]);
    }
    if (!unnumbered.empty()) {
        qint64 next = highestNumber(sheet);
        for (const int row : unnumbered)
            sheet.setCell(ColNumber, row, QString::number(++next));
    }
}

std::vector<int> sort(RecordSheet& sheet)
{
    std::vector<SheetRow>& rows = sheet.rows();
    if (rows.size() < 2)
        return {};
    std::vector<SortKey> keys;
    keys.reserve(rows.size() - 1);
    for (auto it = rows.begin() + 1; it != rows.end(); ++it) {
        if (it->texts()[ColNumber] == u" ")
            it->edit()[ColNumber].clear();
        keys.push_back(sortKeyOf(it->texts()[ColNumber]));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keyLess(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]); });

    std::vector<SheetRow> sorted;
    sorted.reserve(rows.size());
    sorted.push_back(std::move(rows.front()));
    for (int index : order)
        sorted.push_back(std::move(rows[static_cast<size_t>(index) + 1]));
    rows = std::move(sorted);
    return order;
}

bool deleteRow(RecordSheet& sheet, int t, DeleteMode mode, const ConfirmDelete& confirm)
{
    if (t < 1 || t >= sheet.rowCount())
        return false;
    if (mode == DeleteMode::Ask) {
        const QString question = QStringLiteral("No. ") + sheet.cell(ColNumber, t) + QStringLiteral(" を削除しますか？");
        if (!confirm || !confirm(question))
            return false;
    }
    std::vector<SheetRow>& rows = sheet.rows();
    std::move(rows.begin() + t + 1, rows.end(), rows.begin() + t);
    rows.back() = SheetRow();
    return true;
}

void deleteRows(RecordSheet& sheet, int ny1, int& uy1, const ConfirmDelete& confirm)
{
    if (ny1 == 0 || uy1 == 0)
        return;
    const int top = std::min(ny1, uy1);
    const int bottom = std::max(ny1, uy1);
    uy1 = top;
    if (top == bottom) {
        deleteRow(sheet, top, DeleteMode::Ask, confirm);
    } else if (top >= 1) {
        // Deleting row top (bottom - top + 1) times without asking: the rows
        // below move up by that many and empty rows fill the end.
        std::vector<SheetRow>& rows = sheet.rows();
        const int last = std::min(bottom, sheet.rowCount() - 1);
        if (top <= last) {
            const auto first = rows.begin() + top;
            auto tail = std::move(first + (last - top + 1), rows.end(), first);
            std::fill(tail, rows.end(), SheetRow());
        }
    }
    renumber(sheet);
}

void writeRecord(RecordSheet& sheet, int row, const Record& texts, bool newRecord)
{
    if (row >= sheet.rowCount())
        sheet.setRowCount(row + 1);
    Record& target = sheet.editRow(row);
    target[ColNumber] = QString::number(row);
    for (int column = ColFrom1; column <= ColManufactureYear; ++column)
        target[column] = texts[column];
    if (newRecord)
        sheet.recordCount = row;
}

void deleteAll(RecordSheet& sheet)
{
    for (int r = 1; r < sheet.rowCount(); ++r)
        sheet.clearRow(r);
    sheet.recordCount = 0;
}

} // namespace SheetEditing
