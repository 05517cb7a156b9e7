#include "TypeBSheet.h"

#include "sheet/NameplateTexts.h"

#include <algorithm>
#include <array>

namespace TypeBSheet {
namespace {

enum : int { ColA = 1, ColC = 3, ColH = 8, ColM = 13, ColQ = 17, ColR = 18 };

// Everything in which the two sizes differ.
struct Geometry {
    int bandsPerPage;
    int columnBreak; // page break left of this column
    bool blankInR1;
    std::array<double, 17> widthsAtoQ;
    double widthR; // 0: column R is left alone
    PageMargins margins;
};

// A laid-out page (816 points trunk, 1224 branch) is taller than A4 and is
// shrunk onto one sheet: fit to the page height, which the top and bottom
// margins set, so the scale follows from row heights in points and not from
// the fonts at hand. The margins give about 89 % (trunk) and 58 % (branch),
// the scales at which the plates come out at their nominal 50 x 33 and
// 42 x 21 mm; columns A to Q then take well under the width between the side
// margins. Half an inch and more stays inside any A4 printer's printable area.
constexpr Geometry kTrunk{8, 18, false, {1, 7, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1}, 0,
                          {.left = 0.4, .right = 0.4, .top = 0.775, .bottom = 0.775}};
constexpr Geometry kBranch{12, 21, true, {1, 7, 1, 2, 13, 13, 1, 1, 2, 13, 13, 1, 1, 2, 13, 13, 1}, 23,
                           {.left = 0.4, .right = 0.4, .top = 0.9, .bottom = 0.9}};

const Geometry& geometry(PlateSize size) { return size == PlateSize::Trunk ? kTrunk : kBranch; }

constexpr int kRowsPerBand = 5;
constexpr std::array<double, kRowsPerBand> kBandRowHeights{15, 23, 23, 23, 18};

// Label column X of the left, middle and right plate; Y and Z follow it.
constexpr std::array<int, 3> kLabelColumns{4, 9, 14};

// The borders of a plate block in drawing order, relative to its top row g and
// its columns X, Y, Z (0, 1, 2). A later line wins on a shared edge.
struct PlateLine {
    int firstRow, firstColumn, lastRow, lastColumn;
    Edge edge;
    BorderWeight weight;
};
constexpr PlateLine kPlateLines[] = {
    {0, 0, 0, 2, Edge::Top, BorderWeight::Medium},    {0, 0, 2, 0, Edge::Left, BorderWeight::Medium},
    {0, 2, 2, 2, Edge::Right, BorderWeight::Medium},  {2, 0, 2, 2, Edge::Bottom, BorderWeight::Medium},
    {1, 0, 2, 2, Edge::Top, BorderWeight::Thin},      {0, 1, 2, 1, Edge::Left, BorderWeight::Hairline},
    {0, 2, 1, 2, Edge::Left, BorderWeight::Thin},     {1, 2, 2, 2, Edge::Left, BorderWeight::Hairline},
};

void centredText(Worksheet& sheet, const CellAddress& cell, const QString& text, bool shrink)
{
    sheet.setHorizontalAlignment(cell, HorizontalAlignment::Center);
    if (shrink)
        sheet.setShrinkToFit(cell);
    sheet.setValue(cell, text);
}

void fillPlate(Worksheet& sheet, int g, int x, const Record& record, const QString& noBoxText)
{
    centredText(sheet, {g, x}, noBoxText, true);
    centredText(sheet, {g + 1, x}, QStringLiteral("自"), false);
    centredText(sheet, {g + 2, x}, QStringLiteral("至"), false);

    const int valueColumns[3][2] = {{ColCircuit, ColCableType}, {ColFrom1, ColFrom2}, {ColTo1, ColTo2}};
    for (int line = 0; line < 3; ++line) {
        centredText(sheet, {g + line, x + 1}, record[valueColumns[line][0]], true);
        centredText(sheet, {g + line, x + 2}, record[valueColumns[line][1]], true);
    }

    const CellRange dateRow({g + 3, x}, {g + 3, x + 2});
    sheet.merge(dateRow);
    sheet.setShrinkToFit(dateRow);
    sheet.setHorizontalAlignment(dateRow, HorizontalAlignment::Center);
    sheet.setValue(dateRow, NameplateTexts::dateLine(record));
}

void drawPlateLines(Worksheet& sheet, int g, int x)
{
    for (const PlateLine& line : kPlateLines)
        sheet.setBorder(CellRange({g + line.firstRow, x + line.firstColumn}, {g + line.lastRow, x + line.lastColumn}),
                        line.edge, line.weight);
}

void drawCutLines(Worksheet& sheet, int g)
{
    if (g == 2)
        sheet.setBorder(CellRange::parse(u"A1:Q1"), Edge::Top, BorderWeight::Hairline);
    sheet.setBorder(CellRange({g + 3, ColA}, {g + 3, ColQ}), Edge::Bottom, BorderWeight::Hairline);
    for (int column : {ColC, ColH, ColM})
        sheet.setBorder(CellRange({g - 1, column}, {g + 3, column}), Edge::Left, BorderWeight::Hairline);
    sheet.setBorder(CellRange({g - 1, ColQ}, {g + 3, ColQ}), Edge::Right, BorderWeight::Hairline);
}

// Prints the first printedPages laid-out pages, one to a sheet of paper.
void setUpPages(Worksheet& sheet, int printedPages, const Geometry& layout)
{
    PageSetup setup;
    setup.margins = layout.margins;
    setup.centredHorizontally = true;
    setup.fitPagesWide = 1;
    setup.fitPagesTall = printedPages;
    // Columns A and B stay empty: the plates and their cut lines take C to Q.
    setup.printArea = CellRange({1, ColC}, {printedPages * layout.bandsPerPage * kRowsPerBand, ColQ});
    sheet.setPageSetup(setup);
}

// One sheet of pages, laid out from row 1; recordRow runs on across sheets.
void buildPart(Worksheet& sheet, int part, int pages, int printedPages, const Geometry& layout,
               const RecordSheet& records, const QString& noBoxText, int& recordRow, const ProgressStep& step)
{
    sheet.addColumnPageBreak(layout.columnBreak);
    if (layout.blankInR1)
        sheet.setValue(CellAddress{1, ColR}, QStringLiteral(" "));
    sheet.setName(sheetName(part));
    setUpPages(sheet, printedPages, layout);

    const int rowsPerPage = layout.bandsPerPage * kRowsPerBand;
    int row = 1;
    for (int page = 1; page <= pages; ++page) {
        sheet.addRowPageBreak(page * rowsPerPage + 1);
        for (int band = 0; band < layout.bandsPerPage; ++band) {
            step();
            for (double height : kBandRowHeights)
                sheet.setRowHeight(row++, height);
        }
    }

    step();
    for (int column = 1; column <= int(layout.widthsAtoQ.size()); ++column)
        sheet.setColumnWidth(column, layout.widthsAtoQ[static_cast<size_t>(column - 1)]);
    if (layout.widthR > 0)
        sheet.setColumnWidth(ColR, layout.widthR);

    int g = 2;
    for (int band = 0; band < pages * layout.bandsPerPage; ++band) {
        step();
        for (int x : kLabelColumns)
            fillPlate(sheet, g, x, records.recordOrEmpty(recordRow++), noBoxText);
        for (int x : kLabelColumns)
            drawPlateLines(sheet, g, x);
        drawCutLines(sheet, g);
        g += kRowsPerBand;
        // The next band reaches up to the row above its plates, g - 1, and no further.
        sheet.finishRowsBefore(g - 1);
    }
}

} // namespace

int pageCount(int recordCount)
{
    return recordCount <= 0 ? 0 : (recordCount + kRecordsPerPage - 1) / kRecordsPerPage;
}

int bandsPerPage(PlateSize size) { return geometry(size).bandsPerPage; }

int printedPageCount(int recordCount, PlateSize size)
{
    const int plates = platesPerPage(size);
    return std::max(1, (recordCount + plates - 1) / plates);
}

int sheetCount(int recordCount)
{
    return (pageCount(recordCount) + kMaxPagesPerSheet - 1) / kMaxPagesPerSheet;
}

int progressMaximum(int recordCount, PlateSize size) { return 2 * pageCount(recordCount) * bandsPerPage(size) - 1; }

int progressSteps(int recordCount, PlateSize size)
{
    return 2 * pageCount(recordCount) * bandsPerPage(size) + sheetCount(recordCount);
}

QString sheetName(int part)
{
    const QString name = QStringLiteral("【ケーブル名板】");
    return part == 1 ? name : name + u'(' + QString::number(part) + u')';
}

void build(Workbook& workbook, const RecordSheet& records, const QString& noBoxText, PlateSize size,
           const ProgressStep& step)
{
    const int pages = pageCount(records.outputRecordCount());
    if (pages == 0)
        return;
    workbook.addSheetsBeyond(2);
    const Geometry& layout = geometry(size);
    int recordRow = 1;
    for (int part = 1; part <= sheetCount(records.outputRecordCount()); ++part) {
        while (workbook.sheetCount() < part)
            workbook.addSheet();
        const int pagesHere = std::min(kMaxPagesPerSheet, pages - (part - 1) * kMaxPagesPerSheet);
        const int recordsHere = records.outputRecordCount() - (recordRow - 1);
        const int printedHere = std::min(pagesHere, printedPageCount(recordsHere, size));
        buildPart(workbook.sheet(part), part, pagesHere, printedHere, layout, records, noBoxText, recordRow, step);
    }
}

} // namespace TypeBSheet
