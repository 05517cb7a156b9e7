#include "TypeASheet.h"

#include "sheet/NameplateTexts.h"

#include <algorithm>

namespace TypeASheet {
namespace {

enum : int { ColB = 2, ColC = 3, ColF = 6, ColI = 9, ColS = 19, ColT = 20, ColU = 21, ColV = 22 };

constexpr double kPlateRowHeight = 18.6;
constexpr double kSpacerRowHeight = 3;
constexpr TextOrder kSheetOrders[] = {TextOrder::Standard, TextOrder::FromTo, TextOrder::ToFrom};
constexpr int kFirstPrintedColumn = ColB; // the plate frames start here; column A stays empty
constexpr int kLastPrintedColumn = ColV;   // the record numbers

// One page block to a sheet of A4 at 100 %, so plates print at their drawn
// size (about 150 x 40 mm). Fit to pages sets the application's own breaks
// and leaves the manual ones aside, so the printable height must hold a block
// and not the next plate row: LibreOffice lays rows out in whole screen
// pixels (18.6 points print as 18), a block as 708 points, and the 717
// points left by these margins hold it and not 708 + 18. Columns B to V take
// about 477 of the 552 points between the side margins, so a face up to 15 %
// wider than Arial still prints at 100 %. 0.3 inch (7.6 mm) stays inside any
// A4 printer's printable area.
constexpr PageMargins kPageMargins{.left = 0.3, .right = 0.3, .top = 0.87, .bottom = 0.87};

// A head row, two spacers, then six times six plate rows and two spacers.
double pageRowHeight(int rowInPage)
{
    if (rowInPage == 0)
        return kPlateRowHeight;
    if (rowInPage < 3)
        return kSpacerRowHeight;
    return (rowInPage - 3) % 8 < 6 ? kPlateRowHeight : kSpacerRowHeight;
}

void mergedText(Worksheet& sheet, const CellRange& cells, HorizontalAlignment alignment, const QString& text)
{
    sheet.merge(cells);
    sheet.setHorizontalAlignment(cells, alignment);
    sheet.setValue(cells, text);
}

void fillPlate(Worksheet& sheet, int top, const Record& record, TextOrder order, const Settings& settings)
{
    for (int line = 0; line < 6; ++line)
        mergedText(sheet, CellRange({top + line, ColC}, {top + line, ColF}), HorizontalAlignment::Distributed,
                   settings.caption(line + 1));

    if (!record[ColNumber].isEmpty())
        sheet.setValue(CellAddress{top, ColV}, QStringLiteral("No.") + record[ColNumber]);

    const CellRange route({top, ColI}, {top, ColS});
    sheet.merge(route);
    sheet.setHorizontalAlignment(route, HorizontalAlignment::General);
    sheet.setShrinkToFit(route);
    sheet.setValue(route, NameplateTexts::routeText(record, order));

    sheet.setValue(CellAddress{top + 1, ColI}, NameplateTexts::circuitText(record));
    // The circuit text stands alone in I and runs on over the empty cells to
    // its right; a blank in the gutter column U stops it at the frame, where
    // a long text is cut off instead of printing over the record number.
    sheet.setValue(CellAddress{top + 1, ColU}, QStringLiteral(" "));
    mergedText(sheet, CellRange({top + 2, ColI}, {top + 2, ColS}), HorizontalAlignment::Justify, record[ColPurpose]);
    mergedText(sheet, CellRange({top + 3, ColI}, {top + 3, ColS}), HorizontalAlignment::Justify,
               record[ColConstructionDate]);
    sheet.setValue(CellAddress{top + 4, ColI}, record[ColConstructor]);
    sheet.setValue(CellAddress{top + 5, ColI}, record[ColManufactureYear]);

    const int bottom = top + 5;
    sheet.setBorder(CellRange({top, ColB}, {top, ColT}), Edge::Top, BorderWeight::Medium);
    sheet.setBorder(CellRange({top, ColB}, {bottom, ColB}), Edge::Left, BorderWeight::Medium);
    sheet.setBorder(CellRange({top, ColT}, {bottom, ColT}), Edge::Right, BorderWeight::Medium);
    sheet.setBorder(CellRange({bottom, ColB}, {bottom, ColT}), Edge::Bottom, BorderWeight::Medium);
}

// Breaks above every block, the print area over the blocks, and a fit that
// only comes into play where the fonts at hand print wider than drawn.
void setUpPages(Worksheet& sheet, int pages)
{
    for (int page = 2; page <= std::min(pages, kMaxRowPageBreaks + 1); ++page)
        sheet.addRowPageBreak(kRowsPerPage * (page - 1) + 1);
    PageSetup setup;
    setup.margins = kPageMargins;
    setup.centredHorizontally = true;
    setup.fitPagesWide = 1;
    setup.fitPagesTall = pages;
    setup.printArea = CellRange({1, kFirstPrintedColumn}, {kRowsPerPage * pages, kLastPrintedColumn});
    sheet.setPageSetup(setup);
}

void buildSheet(Worksheet& sheet, TextOrder order, const RecordSheet& records, const Settings& settings, int pages,
                const ProgressStep& step)
{
    sheet.setName(textOrderInfo(order).sheetName);
    setUpPages(sheet, pages);
    sheet.setColumnFontSize(ColV, 9);
    sheet.setValue(CellRange::parse(u"B1"), QStringLiteral("【ケーブル名板】"));
    sheet.setValue(CellRange::parse(u"Q1"), QStringLiteral("No.1～No.") + QString::number(records.outputRecordCount()));

    for (int page = 1; page <= pages; ++page) {
        step();
        const int firstRow = kRowsPerPage * (page - 1) + 1;
        for (int row = 0; row < kRowsPerPage; ++row)
            sheet.setRowHeight(firstRow + row, pageRowHeight(row));
    }

    for (int column = 1; column <= ColT; ++column) {
        sheet.setColumnWidth(column, 3);
        step();
    }
    sheet.setColumnWidth(ColU, 1);
    sheet.setColumnWidth(ColV, 5);

    int recordRow = 1;
    for (int page = 1; page <= pages; ++page) {
        for (int plate = 1; plate <= kPlatesPerPage; ++plate) {
            step();
            fillPlate(sheet, plateTopRow(page, plate), records.recordOrEmpty(recordRow), order, settings);
            ++recordRow;
        }
        // The next page's plates reach no further up than its own rows.
        sheet.finishRowsBefore(kRowsPerPage * page + 1);
    }
}

} // namespace

int pageCount(int recordCount)
{
    return recordCount <= 0 ? 0 : (recordCount + kPlatesPerPage - 1) / kPlatesPerPage;
}

int plateTopRow(int page, int plate)
{
    return kRowsPerPage * (page - 1) + 8 * (plate - 1) + 4;
}

int progressMaximum(int recordCount) { return 21 * pageCount(recordCount) + 54; }
int progressSteps(int recordCount) { return 21 * pageCount(recordCount) + 60; }

void build(Workbook& workbook, const RecordSheet& records, const Settings& settings, const ProgressStep& step)
{
    const int pages = pageCount(records.outputRecordCount());
    if (pages == 0)
        return;
    workbook.addSheetsBeyond(2);
    int sheetNumber = 1;
    for (TextOrder order : kSheetOrders)
        buildSheet(workbook.sheet(sheetNumber++), order, records, settings, pages, step);
}

} // namespace TypeASheet
