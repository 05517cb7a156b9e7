#pragma once

#include "CellAddress.h"
#include "CellFormat.h"
#include "PageSetup.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

// A cell's content: text, or a number kept as its decimal text.
struct CellValue {
    QString text;
    bool isNumber = false;
};

class Worksheet;
// Takes the rows firstRow to lastRow of a sheet that its builder has finished.
using FinishedRowsSink = std::function<void(const Worksheet& sheet, int firstRow, int lastRow)>;

// One worksheet of a Workbook, changed the way the spreadsheet application's
// automation calls change a sheet: row heights in points, column widths in
// characters, a column's font size, and values, merges, alignment, shrink to
// fit and borders on ranges. Rows and columns count from 1.
//
// Cells are kept per row in 12 bytes each (value slot, column, format id,
// merge role), so a workbook of 100,000 plates stays small. A cell that would
// hold nothing but its column's default look is never stored.
class Worksheet {
public:
    enum class MergeRole : std::uint8_t { None, Anchor, Covered };
    struct Cell {
        std::uint32_t value = 0; // slot in the value list; 0: no value
        std::uint16_t column = 0;
        FormatId format = 0;
        MergeRole merge = MergeRole::None;
    };
    struct ColumnSettings {
        std::optional<double> width;    // characters
        std::optional<double> fontSize; // points
        FormatId defaultFormat = 0;     // the look of a new cell in this column
    };

    // Finished rows go to *sink when it holds a function, and are kept otherwise.
    Worksheet(FormatTable& formats, QString name, const FinishedRowsSink* sink = nullptr);

    const QString& name() const { return name_; }
    void setName(QString name) { name_ = std::move(name); }

    void setRowHeight(int row, double points);
    void setColumnWidth(int column, double characters);
    // Applies to the column's cells now and to the cells made in it later.
    void setColumnFontSize(int column, double points);

    // Every cell of the range gets the text, except the cells a merge covers:
    // a merged area holds its value in its top-left cell. Empty text clears.
    void setValue(const CellRange& range, const QString& text);
    void setNumber(const CellAddress& cell, double number);
    // One merged cell; the top-left value stays, the others are dropped.
    // Merged areas the range overlaps are dissolved first. A single cell is
    // not merged, as the application does not merge one cell.
    void merge(const CellRange& range);
    void setShrinkToFit(const CellRange& range, bool shrink = true);
    void setHorizontalAlignment(const CellRange& range, HorizontalAlignment alignment);
    // A line on one outer edge of the range. Two neighbouring cells share an
    // edge: the last call on it wins, whichever cell it was made on.
    void setBorder(const CellRange& range, Edge edge, BorderWeight weight, LineStyle style = LineStyle::Continuous);

    void setPageSetup(const PageSetup& setup) { pageSetup_ = setup; }
    // A page break above the row, or left of the column; a repeated break is kept once.
    void addRowPageBreak(int row);
    void addColumnPageBreak(int column);

    // Reading the sheet back.
    std::optional<double> rowHeight(int row) const;
    const std::map<int, ColumnSettings>& columns() const { return columns_; }
    std::optional<double> columnWidth(int column) const;
    std::optional<double> columnFontSize(int column) const;
    QString text(const CellAddress& cell) const;
    bool holdsNumber(const CellAddress& cell) const;
    CellFormat format(const CellAddress& cell) const;
    // The line drawn on that edge of the cell, wherever the last call put it.
    Border border(const CellAddress& cell, Edge edge) const;
    bool isMerged(const CellAddress& cell) const;
    const std::vector<CellRange>& merges() const { return merges_; }
    const PageSetup& pageSetup() const { return pageSetup_; }
    const std::vector<int>& rowPageBreaks() const { return rowBreaks_; }
    const std::vector<int>& columnPageBreaks() const { return columnBreaks_; }

    // A builder that will not touch the rows above `row` again, not even as
    // the neighbours of a border, says so here. When the workbook is being
    // written as it is built, those rows go to the file and are dropped, so
    // that a sheet of any length holds about one page. Changing a dropped row
    // afterwards is a programming error (std::logic_error).
    void finishRowsBefore(int row);
    // The first row not yet handed to the sink; 1 while nothing was.
    int firstUnfinishedRow() const { return firstUnfinished_; }

    // Row by row access for writers.
    int lastRow() const;
    std::span<const Cell> cellsInRow(int row) const;
    const CellValue* valueOf(const Cell& cell) const;
    const FormatTable& formatTable() const { return *formats_; }

private:
    const Cell* find(const CellAddress& cell) const;
    Cell* find(const CellAddress& cell);
    Cell& obtain(const CellAddress& cell);
    FormatId columnDefault(int column) const;
    template <typename Change>
    void changeFormat(const CellAddress& cell, Change change);
    void assignValue(Cell& cell, CellValue value);
    void releaseValue(Cell& cell);
    void requireUnfinished(int row) const;
    void dissolveMergesIn(const CellRange& range);

    FormatTable* formats_;
    QString name_;
    std::vector<std::vector<Cell>> rows_;
    std::vector<CellValue> values_{CellValue{}}; // slot 0 stands for "no value"
    std::vector<std::uint32_t> freeValueSlots_;   // emptied slots, taken again before new ones
    std::vector<double> rowHeights_;              // < 0: not set
    std::map<int, ColumnSettings> columns_;
    std::vector<CellRange> merges_;
    std::vector<int> rowBreaks_;
    std::vector<int> columnBreaks_;
    PageSetup pageSetup_;
    const FinishedRowsSink* sink_;
    int firstUnfinished_ = 1;
};
