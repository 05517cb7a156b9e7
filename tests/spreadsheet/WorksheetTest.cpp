#include "SpreadsheetTestSupport.h"
#include "spreadsheet/Workbook.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CellAddress, ParsesA1InEitherCase)
{
    struct Case {
        const char* text;
        int row, column;
    };
    for (const Case& c : {Case{"A1", 1, 1}, Case{"c8", 8, 3}, Case{"Q1", 1, 17}, Case{"aa10", 10, 27},
                          Case{"XFD1048576", 1048576, 16384}}) {
        const CellAddress address = CellAddress::parse(QString::fromLatin1(c.text));
        EXPECT_EQ(address.row, c.row) << c.text;
        EXPECT_EQ(address.column, c.column) << c.text;
    }
    EXPECT_EQ(CellAddress({12, 28}).toA1(), u"AB12");
    for (const char* bad : {"", "A", "1", "A0", "1A", "XFE1", "A1048577", "Ａ1", "A-1"})
        EXPECT_THROW(CellAddress::parse(QString::fromUtf8(bad)), std::invalid_argument) << bad;
}

TEST(CellAddress, RangeIsNormalisedFromAnyTwoCorners)
{
    EXPECT_EQ(CellRange::parse(u"t9:b4"), CellRange(at("B4"), at("T9")));
    EXPECT_EQ(CellRange(at("B9"), at("T4")).toA1(), u"B4:T9");
    EXPECT_TRUE(CellRange::parse(u"C8").isSingleCell());
}

TEST(Workbook, AddsSheetsUntilThereAreMoreThanTheMinimum)
{
    Workbook workbook;
    EXPECT_EQ(workbook.sheetCount(), 1);
    workbook.addSheetsBeyond(2);
    ASSERT_EQ(workbook.sheetCount(), 3);
    EXPECT_EQ(workbook.sheet(3).name(), u"Sheet3");
    workbook.addSheetsBeyond(1);
    EXPECT_EQ(workbook.sheetCount(), 3);
    EXPECT_THROW(workbook.sheet(4), std::out_of_range);
}

TEST(Worksheet, ValuesFillEveryCellOfARangeButOnlyTheTopLeftOfAMergedArea)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setValue(CellRange::parse(u"A1:B2"), QStringLiteral("x"));
    EXPECT_EQ(text(sheet, "B2"), u"x");

    sheet.setValue(at("D1"), QStringLiteral("kept"));
    sheet.setValue(at("E1"), QStringLiteral("dropped"));
    sheet.merge(CellRange::parse(u"D1:F1"));
    EXPECT_EQ(text(sheet, "D1"), u"kept");
    EXPECT_EQ(text(sheet, "E1"), QString());

    sheet.setValue(CellRange::parse(u"D1:F1"), QStringLiteral("new"));
    EXPECT_EQ(text(sheet, "D1"), u"new");
    EXPECT_EQ(text(sheet, "F1"), QString());

    sheet.setValue(at("D1"), QString());
    EXPECT_EQ(text(sheet, "D1"), QString());
    EXPECT_TRUE(sheet.isMerged(at("D1")));
}

TEST(Worksheet, MergesNeverOverlapAndOneCellIsNoMerge)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.merge(at("A1"));
    EXPECT_TRUE(sheet.merges().empty());

    sheet.merge(CellRange::parse(u"A1:C1"));
    sheet.merge(CellRange::parse(u"E1:F1"));
    sheet.merge(CellRange::parse(u"C1:D2"));
    ASSERT_EQ(sheet.merges().size(), 2u);
    EXPECT_EQ(sheet.merges()[0].toA1(), u"E1:F1");
    EXPECT_EQ(sheet.merges()[1].toA1(), u"C1:D2");
    EXPECT_FALSE(sheet.isMerged(at("A1")));
    EXPECT_TRUE(sheet.isMerged(at("D2")));
}

TEST(Worksheet, BordersGoOnTheOuterEdgesOnly)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setBorder(CellRange::parse(u"B2:D4"), Edge::Top, BorderWeight::Medium);
    sheet.setBorder(CellRange::parse(u"B2:D4"), Edge::Right, BorderWeight::Thin);
    for (const char* cell : {"B2", "C2", "D2"})
        EXPECT_EQ(sheet.border(at(cell), Edge::Top), line(BorderWeight::Medium)) << cell;
    EXPECT_EQ(sheet.border(at("C3"), Edge::Top), Border{});
    for (const char* cell : {"D2", "D3", "D4"})
        EXPECT_EQ(sheet.border(at(cell), Edge::Right), line(BorderWeight::Thin)) << cell;
    EXPECT_EQ(sheet.border(at("C3"), Edge::Right), Border{});
    // A shared edge reads the same from both of its cells.
    EXPECT_EQ(sheet.border(at("C1"), Edge::Bottom), line(BorderWeight::Medium));
    EXPECT_EQ(sheet.border(at("E3"), Edge::Left), line(BorderWeight::Thin));
}

TEST(Worksheet, TheLastCallOnASharedEdgeWinsFromEitherSide)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setValue(CellRange::parse(u"A1:C3"), QStringLiteral("v"));
    sheet.setBorder(at("B2"), Edge::Left, BorderWeight::Thin);
    sheet.setBorder(at("A2"), Edge::Right, BorderWeight::Hairline);
    EXPECT_EQ(sheet.border(at("B2"), Edge::Left), line(BorderWeight::Hairline));
    EXPECT_EQ(sheet.format(at("B2")).border(Edge::Left), Border{}) << "the losing side is cleared in the file too";

    sheet.setBorder(at("B2"), Edge::Left, BorderWeight::Medium);
    EXPECT_EQ(sheet.border(at("A2"), Edge::Right), line(BorderWeight::Medium));
    EXPECT_EQ(sheet.format(at("A2")).border(Edge::Right), Border{});

    sheet.setBorder(at("B2"), Edge::Bottom, BorderWeight::Thin);
    sheet.setBorder(at("B3"), Edge::Top, BorderWeight::Medium, LineStyle::None);
    EXPECT_EQ(sheet.border(at("B2"), Edge::Bottom), Border{}) << "no line style removes the line";
}

TEST(Worksheet, ColumnFontSizeReachesPresentAndLaterCells)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setValue(at("V1"), QStringLiteral("before"));
    sheet.setColumnFontSize(22, 9);
    sheet.setValue(at("V4"), QStringLiteral("after"));
    sheet.setColumnWidth(22, 5);
    EXPECT_EQ(sheet.format(at("V1")).fontSizeTenths, 90);
    EXPECT_EQ(sheet.format(at("V4")).fontSizeTenths, 90);
    EXPECT_EQ(sheet.format(at("U4")).fontSizeTenths, 0);
    EXPECT_EQ(sheet.columnWidth(22), 5.0);
    EXPECT_EQ(sheet.columnFontSize(22), 9.0);
}

TEST(Worksheet, FormattingThatChangesNothingStoresNoCell)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setHorizontalAlignment(CellRange::parse(u"A2:K500"), HorizontalAlignment::General);
    sheet.setShrinkToFit(CellRange::parse(u"A2:K500"), false);
    EXPECT_EQ(sheet.lastRow(), 0);
    sheet.setHorizontalAlignment(at("A3"), HorizontalAlignment::Center);
    EXPECT_EQ(sheet.lastRow(), 3);
    EXPECT_EQ(sheet.cellsInRow(3).size(), 1u);
}

TEST(Worksheet, NumbersStayNumbersAndTextsStayTexts)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setNumber(at("A2"), 1);
    sheet.setValue(at("B2"), QStringLiteral("001"));
    EXPECT_TRUE(sheet.holdsNumber(at("A2")));
    EXPECT_EQ(text(sheet, "A2"), u"1");
    EXPECT_FALSE(sheet.holdsNumber(at("B2")));
    EXPECT_EQ(text(sheet, "B2"), u"001");
}

TEST(Worksheet, PageBreaksAreKeptOnceInOrder)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    for (int row : {81, 41, 81, 121})
        sheet.addRowPageBreak(row);
    sheet.addColumnPageBreak(18);
    EXPECT_EQ(sheet.rowPageBreaks(), (std::vector<int>{41, 81, 121}));
    EXPECT_EQ(sheet.columnPageBreaks(), (std::vector<int>{18}));
    EXPECT_THROW(sheet.addRowPageBreak(0), std::out_of_range);
}
