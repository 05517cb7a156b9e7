#include "SpreadsheetTestSupport.h"
#include "spreadsheet/TypeBSheet.h"

#include <gtest/gtest.h>

namespace {

using Size = PlateSize;

struct Built {
    Workbook workbook;
    int steps = 0;
};

Built build(const RecordSheet& records, Size size, const QString& noBox = QStringLiteral("No."))
{
    Built built;
    StepCounter counter;
    TypeBSheet::build(built.workbook, records, noBox, size, counter.callback());
    built.steps = counter.steps;
    return built;
}

const Border kHair = line(BorderWeight::Hairline);
const Border kThin = line(BorderWeight::Thin);
const Border kMedium = line(BorderWeight::Medium);

} // namespace

TEST(TypeBSheet, PagesPlatesAndStepsForBothSizes)
{
    struct Case {
        int records;
        Size size;
        int pages, plates, lastRow;
    };
    const Case cases[] = {
        {1, Size::Trunk, 1, 24, 40},   {8, Size::Trunk, 1, 24, 40},   {9, Size::Trunk, 2, 48, 80},
        {1, Size::Branch, 1, 36, 60},  {8, Size::Branch, 1, 36, 60},  {9, Size::Branch, 2, 72, 120},
    };
    for (const Case& c : cases) {
        const Built built = build(numberedRecords(c.records), c.size);
        const int bands = c.size == Size::Trunk ? 8 : 12;
        SCOPED_TRACE(testing::Message() << c.records << " records, bands " << bands);
        EXPECT_EQ(TypeBSheet::pageCount(c.records), c.pages);
        EXPECT_EQ(built.steps, 2 * c.pages * bands + 1);
        EXPECT_EQ(TypeBSheet::progressSteps(c.records, c.size), built.steps);
        EXPECT_EQ(TypeBSheet::progressMaximum(c.records, c.size), 2 * c.pages * bands - 1);
        ASSERT_EQ(built.workbook.sheetCount(), 3);
        const Worksheet& sheet = built.workbook.sheet(1);
        EXPECT_EQ(sheet.name(), u"【ケーブル名板】");
        EXPECT_EQ(sheet.merges().size(), size_t(c.plates)) << "one merged date row per plate block";
        EXPECT_EQ(sheet.lastRow(), c.lastRow);
        EXPECT_EQ(built.workbook.sheet(2).lastRow(), 0);
    }
}

TEST(TypeBSheet, NoRecordsBuildNothing)
{
    const Built built = build(numberedRecords(0), Size::Trunk);
    EXPECT_EQ(built.steps, 0);
    EXPECT_EQ(built.workbook.sheetCount(), 1);
}

TEST(TypeBSheet, PlateCellsLeftMiddleRightAndOnTheNextBand)
{
    RecordSheet records = numberedRecords(4);
    records.editRow(4)[ColConstructionDate].clear();
    records.editRow(4)[ColConstructor].clear();
    const Built built = build(records, Size::Trunk, QStringLiteral("№"));
    const Worksheet& sheet = built.workbook.sheet(1);
    struct Case {
        const char* cell;
        QString text;
    };
    const Case cases[] = {
        // left plate, record 1, rows 2 to 5
        {"D2", QStringLiteral("№")}, {"E2", QStringLiteral("r1c5")}, {"F2", QStringLiteral("r1c6")},
        {"D3", QStringLiteral("自")}, {"E3", QStringLiteral("r1c1")}, {"F3", QStringLiteral("r1c2")},
        {"D4", QStringLiteral("至")}, {"E4", QStringLiteral("r1c3")}, {"F4", QStringLiteral("r1c4")},
        {"D5", QStringLiteral("r1c8 / r1c9")}, {"E5", QString()},
        // middle and right plates, records 2 and 3
        {"I2", QStringLiteral("№")}, {"J3", QStringLiteral("r2c1")}, {"K4", QStringLiteral("r2c4")},
        {"I5", QStringLiteral("r2c8 / r2c9")}, {"O2", QStringLiteral("r3c5")}, {"P2", QStringLiteral("r3c6")},
        // next band: record 4 with an empty date line, then empty plates
        {"D7", QStringLiteral("№")}, {"E7", QStringLiteral("r4c5")}, {"D10", QStringLiteral(" / ")},
        {"I7", QStringLiteral("№")}, {"J7", QString()}, {"I8", QStringLiteral("自")}, {"I10", QStringLiteral(" / ")},
        // columns 0, 7 and 10 are not used; margins stay empty
        {"C2", QString()}, {"G2", QString()}, {"R1", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(sheet, c.cell), c.text) << c.cell;

    EXPECT_EQ(text(sheet, "N37"), u"№") << "the last plate of the page is an empty plate";
    EXPECT_EQ(text(sheet, "N40"), u" / ");
}

TEST(TypeBSheet, AClearedNoBoxLeavesTheFirstCellEmpty)
{
    const Built built = build(numberedRecords(1), Size::Branch, QString());
    const Worksheet& sheet = built.workbook.sheet(1);
    for (const char* cell : {"D2", "I2", "N2", "D57"})
        EXPECT_EQ(text(sheet, cell), QString()) << cell;
    EXPECT_EQ(text(sheet, "D3"), u"自");
}

TEST(TypeBSheet, CellFormatsOfAPlate)
{
    const Built built = build(numberedRecords(1), Size::Trunk);
    const Worksheet& sheet = built.workbook.sheet(1);
    for (const char* cell : {"D2", "E2", "F2", "E3", "F3", "E4", "F4", "D5", "E5", "F5"}) {
        EXPECT_EQ(sheet.format(at(cell)).alignment, HorizontalAlignment::Center) << cell;
        EXPECT_TRUE(sheet.format(at(cell)).shrinkToFit) << cell;
    }
    for (const char* cell : {"D3", "D4"}) {
        EXPECT_EQ(sheet.format(at(cell)).alignment, HorizontalAlignment::Center) << cell;
        EXPECT_FALSE(sheet.format(at(cell)).shrinkToFit) << cell;
    }
    EXPECT_EQ(sheet.merges().front().toA1(), u"D5:F5");
}

TEST(TypeBSheet, PlateBordersWithTheLastCallWinning)
{
    const Built built = build(numberedRecords(4), Size::Trunk);
    const Worksheet& sheet = built.workbook.sheet(1);
    // The middle plate of band 2: X = I, Y = J, Z = K, g = 7.
    struct Case {
        const char* cell;
        Edge edge;
        Border expected;
    };
    const Case cases[] = {
        {"I7", Edge::Top, kMedium},     {"K7", Edge::Top, kMedium},     {"I7", Edge::Left, kMedium},
        {"I9", Edge::Left, kMedium},    {"K9", Edge::Right, kMedium},   {"J9", Edge::Bottom, kMedium},
        {"J8", Edge::Top, kThin},       {"K8", Edge::Top, kThin},       {"J7", Edge::Left, kHair},
        {"J9", Edge::Left, kHair},      {"K7", Edge::Left, kThin},      {"K8", Edge::Left, kHair},
        {"K9", Edge::Left, kHair},      {"J7", Edge::Right, kThin},     {"I10", Edge::Left, Border{}},
        {"J10", Edge::Top, kMedium},    {"J8", Edge::Bottom, Border{}}, {"I8", Edge::Right, kHair},
        // cut lines of the band
        {"A10", Edge::Bottom, kHair},   {"Q10", Edge::Bottom, kHair},   {"C6", Edge::Left, kHair},
        {"H10", Edge::Left, kHair},     {"M8", Edge::Left, kHair},      {"Q6", Edge::Right, kHair},
        {"B6", Edge::Right, kHair},     {"R8", Edge::Left, kHair},      {"D6", Edge::Left, Border{}},
        {"A1", Edge::Top, kHair},       {"Q1", Edge::Top, kHair},       {"R1", Edge::Top, Border{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sheet.border(at(c.cell), c.edge), c.expected) << c.cell << " edge " << int(c.edge);
}

TEST(TypeBSheet, TheTopCutLineIsDrawnOnceOnRowOne)
{
    const Built built = build(numberedRecords(9), Size::Trunk);
    const Worksheet& sheet = built.workbook.sheet(1);
    EXPECT_EQ(sheet.format(at("A1")).border(Edge::Top), kHair);
    EXPECT_EQ(sheet.format(at("A41")).border(Edge::Top), Border{}) << "page 2 draws no line of its own";
    EXPECT_EQ(sheet.border(at("A41"), Edge::Top), kHair) << "the line below the last band of page 1";
}

TEST(TypeBSheet, SizeTableRowsColumnsAndBreaks)
{
    struct Case {
        Size size;
        std::vector<double> widths;
        std::optional<double> widthR;
        QString r1;
        std::vector<int> rowBreaks;
        int columnBreak;
    };
    const Case cases[] = {
        {Size::Trunk, {1, 7, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1, 1, 3, 9, 9, 1}, std::nullopt, QString(), {41, 81}, 18},
        {Size::Branch, {1, 7, 1, 2, 13, 13, 1, 1, 2, 13, 13, 1, 1, 2, 13, 13, 1}, 23, QStringLiteral(" "), {61, 121},
         21},
    };
    for (const Case& c : cases) {
        const Built built = build(numberedRecords(9), c.size);
        const Worksheet& sheet = built.workbook.sheet(1);
        SCOPED_TRACE(c.size == Size::Trunk ? "trunk" : "branch");
        for (int column = 1; column <= 17; ++column)
            EXPECT_EQ(sheet.columnWidth(column), c.widths[size_t(column - 1)]) << column;
        EXPECT_EQ(sheet.columnWidth(18), c.widthR);
        EXPECT_EQ(text(sheet, "R1"), c.r1);
        EXPECT_EQ(sheet.rowPageBreaks(), c.rowBreaks);
        EXPECT_EQ(sheet.columnPageBreaks(), std::vector<int>{c.columnBreak});
        const double band[] = {15, 23, 23, 23, 18};
        for (int row = 1; row <= sheet.lastRow(); ++row)
            EXPECT_EQ(sheet.rowHeight(row), band[(row - 1) % 5]) << row;
        EXPECT_FALSE(sheet.rowHeight(sheet.lastRow() + 1).has_value());
    }
}

TEST(TypeBSheet, MoreThan1023PagesGoOnOnAFurtherSheet)
{
    const int records = 1023 * 8 + 1; // 1024 pages
    RecordSheet sheet = numberedRecords(0);
    sheet.recordCount = records;
    sheet.setRowCount(records + 1);     // one real record, the rest empty rows
    sheet.editRow(1) = numberedRecords(1).row(1);
    const Built built = build(sheet, Size::Trunk);
    EXPECT_EQ(TypeBSheet::sheetCount(records), 2);
    EXPECT_EQ(built.steps, 2 * 1024 * 8 + 2);
    ASSERT_EQ(built.workbook.sheetCount(), 3);
    const Worksheet& first = built.workbook.sheet(1);
    const Worksheet& second = built.workbook.sheet(2);
    EXPECT_EQ(first.rowPageBreaks().size(), 1023u);
    EXPECT_EQ(first.lastRow(), 1023 * 40);
    EXPECT_EQ(second.name(), u"【ケーブル名板】(2)");
    EXPECT_EQ(second.rowPageBreaks(), std::vector<int>{41});
    EXPECT_EQ(second.columnPageBreaks(), std::vector<int>{18});
    EXPECT_EQ(second.lastRow(), 40);
    EXPECT_EQ(second.format(at("A1")).border(Edge::Top), kHair);
    EXPECT_EQ(text(second, "D2"), u"No.");
    EXPECT_EQ(text(first, "E2"), u"r1c5");
    EXPECT_EQ(built.workbook.sheet(3).name(), u"Sheet3");
}
