#include "Worksheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

void requireInSheet(const CellRange& range)
{
    if (range.first.row < 1 || range.first.column < 1 || range.last.row > kMaxRows || range.last.column > kMaxColumns)
        throw std::out_of_range("range outside the sheet");
}

// Visits every cell of the range, row by row.
template <typename Visit>
void forEachCell(const CellRange& range, Visit visit)
{
    for (int row = range.first.row; row <= range.last.row; ++row)
        for (int column = range.first.column; column <= range.last.column; ++column)
            visit(CellAddress{row, column});
}

// The cells along one outer edge of the range.
CellRange edgeCells(const CellRange& range, Edge edge)
{
    switch (edge) {
    case Edge::Left: return {range.first, {range.last.row, range.first.column}};
    case Edge::Right: return {{range.first.row, range.last.column}, range.last};
    case Edge::Top: return {range.first, {range.first.row, range.last.column}};
    case Edge::Bottom: return {{range.last.row, range.first.column}, range.last};
    }
    return range;
}

Edge opposite(Edge edge)
{
    switch (edge) {
    case Edge::Left: return Edge::Right;
    case Edge::Right: return Edge::Left;
    case Edge::Top: return Edge::Bottom;
    case Edge::Bottom: return Edge::Top;
    }
    return edge;
}

// The cell on the other side of the edge; nullopt at the sheet's border.
std::optional<CellAddress> across(const CellAddress& cell, Edge edge)
{
    CellAddress other = cell;
    switch (edge) {
    case Edge::Left: other.column -= 1; break;
    case Edge::Right: other.column += 1; break;
    case Edge::Top: other.row -= 1; break;
    case Edge::Bottom: other.row += 1; break;
    }
    if (other.row < 1 || other.column < 1 || other.row > kMaxRows || other.column > kMaxColumns)
        return std::nullopt;
    return other;
}

std::uint16_t tenths(double points) { return static_cast<std::uint16_t>(std::lround(points * 10)); }

} // namespace

Worksheet::Worksheet(FormatTable& formats, QString name, const FinishedRowsSink* sink)
    : formats_(&formats)
    , name_(std::move(name))
    , sink_(sink)
{
}

void Worksheet::setRowHeight(int row, double points)
{
    requireInSheet(CellAddress{row, 1});
    requireUnfinished(row);
    if (rowHeights_.size() < static_cast<size_t>(row))
        rowHeights_.resize(static_cast<size_t>(row), -1.0);
    rowHeights_[static_cast<size_t>(row - 1)] = points;
}

void Worksheet::setColumnWidth(int column, double characters)
{
    requireInSheet(CellAddress{1, column});
    columns_[column].width = characters;
}

void Worksheet::setColumnFontSize(int column, double points)
{
    requireInSheet(CellAddress{1, column});
    // The cells of finished rows could no longer follow.
    requireUnfinished(1);
    ColumnSettings& settings = columns_[column];
    settings.fontSize = points;
    CellFormat look;
    look.fontSizeTenths = tenths(points);
    settings.defaultFormat = formats_->idOf(look);
    for (std::vector<Cell>& cells : rows_) {
        const auto cell = std::ranges::find(cells, column, &Cell::column);
        if (cell == cells.end())
            continue;
        CellFormat format = formats_->format(cell->format);
        format.fontSizeTenths = look.fontSizeTenths;
        cell->format = formats_->idOf(format);
    }
}

void Worksheet::setValue(const CellRange& range, const QString& text)
{
    requireInSheet(range);
    forEachCell(range, [&](const CellAddress& address) {
        Cell* cell = find(address);
        if (cell && cell->merge == MergeRole::Covered)
            return;
        if (text.isEmpty()) {
            if (cell)
                releaseValue(*cell);
            return;
        }
        assignValue(cell ? *cell : obtain(address), CellValue{text, false});
    });
}

void Worksheet::setNumber(const CellAddress& address, double number)
{
    requireInSheet(address);
    Cell* cell = find(address);
    if (cell && cell->merge == MergeRole::Covered)
        return;
    assignValue(cell ? *cell : obtain(address), CellValue{QString::number(number, 'g', 15), true});
}

void Worksheet::merge(const CellRange& range)
{
    requireInSheet(range);
    if (range.isSingleCell())
        return;
    dissolveMergesIn(range);
    forEachCell(range, [&](const CellAddress& address) {
        Cell& cell = obtain(address);
        if (address == range.first) {
            cell.merge = MergeRole::Anchor;
        } else {
            cell.merge = MergeRole::Covered;
            releaseValue(cell);
        }
    });
    merges_.push_back(range);
}

void Worksheet::dissolveMergesIn(const CellRange& range)
{
    bool overlaps = false;
    forEachCell(range, [&](const CellAddress& address) {
        const Cell* cell = find(address);
        overlaps = overlaps || (cell && cell->merge != MergeRole::None);
    });
    if (!overlaps)
        return;
    std::erase_if(merges_, [&](const CellRange& merged) {
        if (!merged.intersects(range))
            return false;
        forEachCell(merged, [&](const CellAddress& address) { find(address)->merge = MergeRole::None; });
        return true;
    });
}

void Worksheet::setShrinkToFit(const CellRange& range, bool shrink)
{
    requireInSheet(range);
    forEachCell(range, [&](const CellAddress& address) {
        changeFormat(address, [&](CellFormat& format) { format.shrinkToFit = shrink; });
    });
}

void Worksheet::setHorizontalAlignment(const CellRange& range, HorizontalAlignment alignment)
{
    requireInSheet(range);
    forEachCell(range, [&](const CellAddress& address) {
        changeFormat(address, [&](CellFormat& format) { format.alignment = alignment; });
    });
}

void Worksheet::setBorder(const CellRange& range, Edge edge, BorderWeight weight, LineStyle style)
{
    requireInSheet(range);
    const Border line = (weight == BorderWeight::None || style == LineStyle::None) ? Border{} : Border{weight, style};
    forEachCell(edgeCells(range, edge), [&](const CellAddress& address) {
        changeFormat(address, [&](CellFormat& format) { format.border(edge) = line; });
        // The neighbour's side of the same edge gives way, so the edge shows this call's line.
        if (const auto neighbour = across(address, edge); neighbour && find(*neighbour)) {
            const Edge facing = opposite(edge);
            if (format(*neighbour).border(facing) != Border{})
                changeFormat(*neighbour, [&](CellFormat& format) { format.border(facing) = Border{}; });
        }
    });
}

void Worksheet::addRowPageBreak(int row)
{
    requireInSheet(CellAddress{row, 1});
    const auto at = std::ranges::lower_bound(rowBreaks_, row);
    if (at == rowBreaks_.end() || *at != row)
        rowBreaks_.insert(at, row);
}

void Worksheet::addColumnPageBreak(int column)
{
    requireInSheet(CellAddress{1, column});
    const auto at = std::ranges::lower_bound(columnBreaks_, column);
    if (at == columnBreaks_.end() || *at != column)
        columnBreaks_.insert(at, column);
}

void Worksheet::finishRowsBefore(int row)
{
    if (!sink_ || !*sink_ || row <= firstUnfinished_)
        return;
    const int lastFinished = row - 1;
    (*sink_)(*this, firstUnfinished_, lastFinished);
    const int lastHeld = std::min(lastFinished, static_cast<int>(rows_.size()));
    for (int finished = firstUnfinished_; finished <= lastHeld; ++finished) {
        std::vector<Cell>& cells = rows_[static_cast<size_t>(finished - 1)];
        for (Cell& cell : cells)
            releaseValue(cell);
        std::vector<Cell>().swap(cells);
    }
    std::erase_if(merges_, [lastFinished](const CellRange& merged) { return merged.last.row <= lastFinished; });
    firstUnfinished_ = row;
}

void Worksheet::requireUnfinished(int row) const
{
    if (row < firstUnfinished_)
        throw std::logic_error("worksheet row changed after it was finished");
}

std::optional<double> Worksheet::rowHeight(int row) const
{
    if (row < 1 || static_cast<size_t>(row) > rowHeights_.size() || rowHeights_[static_cast<size_t>(row - 1)] < 0)
        return std::nullopt;
    return rowHeights_[static_cast<size_t>(row - 1)];
}

std::optional<double> Worksheet::columnWidth(int column) const
{
    const auto found = columns_.find(column);
    return found == columns_.end() ? std::nullopt : found->second.width;
}

std::optional<double> Worksheet::columnFontSize(int column) const
{
    const auto found = columns_.find(column);
    return found == columns_.end() ? std::nullopt : found->second.fontSize;
}

QString Worksheet::text(const CellAddress& address) const
{
    const Cell* cell = find(address);
    return cell && cell->value ? values_[cell->value].text : QString();
}

bool Worksheet::holdsNumber(const CellAddress& address) const
{
    const Cell* cell = find(address);
    return cell && cell->value && values_[cell->value].isNumber;
}

CellFormat Worksheet::format(const CellAddress& address) const
{
    const Cell* cell = find(address);
    return formats_->format(cell ? cell->format : columnDefault(address.column));
}

Border Worksheet::border(const CellAddress& address, Edge edge) const
{
    const Border own = format(address).border(edge);
    if (own != Border{})
        return own;
    const auto neighbour = across(address, edge);
    return neighbour ? format(*neighbour).border(opposite(edge)) : Border{};
}

bool Worksheet::isMerged(const CellAddress& address) const
{
    const Cell* cell = find(address);
    return cell && cell->merge != MergeRole::None;
}

int Worksheet::lastRow() const
{
    int last = static_cast<int>(rowHeights_.size());
    for (int row = static_cast<int>(rows_.size()); row > last; --row) {
        if (!rows_[static_cast<size_t>(row - 1)].empty())
            return row;
    }
    return last;
}

std::span<const Worksheet::Cell> Worksheet::cellsInRow(int row) const
{
    if (row < 1 || static_cast<size_t>(row) > rows_.size())
        return {};
    return rows_[static_cast<size_t>(row - 1)];
}

const CellValue* Worksheet::valueOf(const Cell& cell) const
{
    return cell.value ? &values_[cell.value] : nullptr;
}

const Worksheet::Cell* Worksheet::find(const CellAddress& address) const
{
    if (address.row < 1 || static_cast<size_t>(address.row) > rows_.size())
        return nullptr;
    const std::vector<Cell>& cells = rows_[static_cast<size_t>(address.row - 1)];
    const auto at = std::ranges::lower_bound(cells, address.column, {}, &Cell::column);
    return at != cells.end() && at->column == address.column ? &*at : nullptr;
}

// Only changes look for a cell this way: they must not reach a finished row.
Worksheet::Cell* Worksheet::find(const CellAddress& address)
{
    requireUnfinished(address.row);
    return const_cast<Cell*>(std::as_const(*this).find(address));
}

Worksheet::Cell& Worksheet::obtain(const CellAddress& address)
{
    requireUnfinished(address.row);
    if (rows_.size() < static_cast<size_t>(address.row))
        rows_.resize(static_cast<size_t>(address.row));
    std::vector<Cell>& cells = rows_[static_cast<size_t>(address.row - 1)];
    const auto column = static_cast<std::uint16_t>(address.column);
    // Builders mostly go left to right, so the new cell usually goes at the end.
    auto at = cells.empty() || cells.back().column < column ? cells.end()
                                                            : std::ranges::lower_bound(cells, column, {}, &Cell::column);
    if (at != cells.end() && at->column == column)
        return *at;
    return *cells.insert(at, Cell{0, column, columnDefault(address.column), MergeRole::None});
}

FormatId Worksheet::columnDefault(int column) const
{
    const auto found = columns_.find(column);
    return found == columns_.end() ? FormatId{0} : found->second.defaultFormat;
}

template <typename Change>
void Worksheet::changeFormat(const CellAddress& address, Change change)
{
    Cell* cell = find(address);
    CellFormat look = formats_->format(cell ? cell->format : columnDefault(address.column));
    change(look);
    const FormatId id = formats_->idOf(look);
    if (!cell) {
        if (id == columnDefault(address.column))
            return;
        cell = &obtain(address);
    }
    cell->format = id;
}

void Worksheet::assignValue(Cell& cell, CellValue value)
{
    if (cell.value) {
        values_[cell.value] = std::move(value);
        return;
    }
    if (!freeValueSlots_.empty()) {
        cell.value = freeValueSlots_.back();
        freeValueSlots_.pop_back();
        values_[cell.value] = std::move(value);
        return;
    }
    cell.value = static_cast<std::uint32_t>(values_.size());
    values_.push_back(std::move(value));
}

void Worksheet::releaseValue(Cell& cell)
{
    if (!cell.value)
        return;
    values_[cell.value] = CellValue{};
    freeValueSlots_.push_back(cell.value);
    cell.value = 0;
}
