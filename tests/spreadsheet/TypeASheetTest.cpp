#include "SpreadsheetTestSupport.h"
#include "spreadsheet/TypeASheet.h"

#include <gtest/gtest.h>

namespace {

const QString kStandard = QStringLiteral("ケーブル名板【 標準 】");
const QString kFromTo = QStringLiteral("ケーブル名板【 自→至 】");
const QString kToFrom = QStringLiteral("ケーブル名板【 至→自 】");

struct Built {
    Workbook workbook;
    int steps = 0;
};

Built build(const RecordSheet& records)
{
    Built built;
    StepCounter counter;
    TypeASheet::build(built.workbook, records, Settings::defaults(), counter.callback());
    built.steps = counter.steps;
    return built;
}

Record record(std::initializer_list<std::pair<int, const char*>> cells)
{
    Record r;
    for (const auto& [column, text] : cells)
        r[static_cast<size_t>(column)] = QString::fromUtf8(text);
    return r;
}

// Row t of plate q on page p, and a cell of it by column letters.
CellAddress plateCell(int page, int plate, int rowOffset, const char* column)
{
    return {TypeASheet::plateTopRow(page, plate) + rowOffset, columnNumber(QString::fromLatin1(column))};
}

} // namespace

TEST(TypeASheet, PagesAndStepsFollowTheRecordCount)
{
    struct Case {
        int records, pages;
    };
    for (const Case& c : {Case{1, 1}, Case{6, 1}, Case{7, 2}, Case{25, 5}}) {
        const Built built = build(numberedRecords(c.records));
        EXPECT_EQ(TypeASheet::pageCount(c.records), c.pages);
        EXPECT_EQ(built.steps, 21 * c.pages + 60) << c.records;
        EXPECT_EQ(TypeASheet::progressSteps(c.records), built.steps);
        EXPECT_EQ(TypeASheet::progressMaximum(c.records), 21 * c.pages + 54);
        ASSERT_EQ(built.workbook.sheetCount(), 3);
        for (int number = 1; number <= 3; ++number) {
            const Worksheet& sheet = built.workbook.sheet(number);
            EXPECT_EQ(sheet.lastRow(), 51 * c.pages) << c.records;
            EXPECT_EQ(sheet.merges().size(), size_t(9 * 6 * c.pages)) << "9 merges per plate";
        }
    }
}

TEST(TypeASheet, NoRecordsBuildNothing)
{
    const Built built = build(numberedRecords(0));
    EXPECT_EQ(built.steps, 0);
    EXPECT_EQ(built.workbook.sheetCount(), 1);
    EXPECT_EQ(built.workbook.sheet(1).lastRow(), 0);
}

TEST(TypeASheet, ThreeSheetsReadTheRouteInTheirTextOrder)
{
    const RecordSheet records = recordsOf({
        record({{0, "1"}, {1, "東棟"}, {3, "西棟"}}),
        record({{0, "2"}, {1, "東棟"}, {2, "1F"}}),
    });
    const Built built = build(records);
    struct Case {
        int sheet;
        QString name, firstRoute, secondRoute;
    };
    const Case cases[] = {
        {1, kStandard, QStringLiteral("東棟 ～ 西棟"), QStringLiteral("東棟 1F ～ ")},
        {2, kFromTo, QStringLiteral("(自)東棟 ～ (至)西棟"), QStringLiteral("(自)東棟 1F ～ (至)")},
        {3, kToFrom, QStringLiteral("(至)東棟 ～ (自)西棟"), QStringLiteral("(至)東棟 1F ～ (自)")},
    };
    for (const Case& c : cases) {
        const Worksheet& sheet = built.workbook.sheet(c.sheet);
        EXPECT_EQ(sheet.name(), c.name);
        EXPECT_EQ(sheet.text(plateCell(1, 1, 0, "I")), c.firstRoute);
        EXPECT_EQ(sheet.text(plateCell(1, 2, 0, "I")), c.secondRoute);
    }
}

TEST(TypeASheet, PlateCellsForARepresentativeRecord)
{
    RecordSheet records = numberedRecords(7);
    records.editRow(2) = record({{0, "2"}, {1, "電気室"}, {2, "LV-2"}, {3, "分電盤"}, {5, "L-1"}, {6, "CV 3C"},
                                 {7, "電灯幹線"}, {8, "令和5年4月1日"}, {9, "タグリオ電設"}, {10, "令和5年"}});
    records.editRow(3)[ColNumber].clear();
    const Built built = build(records);
    const Worksheet& sheet = built.workbook.sheet(2);

    struct Case {
        int plate, rowOffset;
        const char* column;
        QString text;
    };
    const Case cases[] = {
        {2, 0, "C", QStringLiteral("行　き　先")},
        {2, 1, "C", QStringLiteral("ｹｰﾌﾞﾙ種類")},
        {2, 2, "C", QStringLiteral("用　　　途")},
        {2, 3, "C", QStringLiteral("施工年月日")},
        {2, 4, "C", QStringLiteral("施 工 者 名")},
        {2, 5, "C", QStringLiteral("ｹｰﾌﾞﾙ製造年")},
        {2, 0, "V", QStringLiteral("No.2")},
        {2, 0, "I", QStringLiteral("(自)電気室 LV-2 ～ (至)分電盤")},
        {2, 1, "I", QStringLiteral("【 L-1 】 CV 3C")},
        {2, 2, "I", QStringLiteral("電灯幹線")},
        {2, 3, "I", QStringLiteral("令和5年4月1日")},
        {2, 4, "I", QStringLiteral("タグリオ電設")},
        {2, 5, "I", QStringLiteral("令和5年")},
        {2, 0, "J", QString()},
        {1, 1, "I", QStringLiteral("【 r1c5 】 r1c6")},
        {3, 0, "V", QString()}, // no record number: no V cell
        {3, 2, "I", QStringLiteral("r3c7")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sheet.text(plateCell(1, c.plate, c.rowOffset, c.column)), c.text)
            << "plate " << c.plate << " row +" << c.rowOffset << ' ' << c.column;

    EXPECT_EQ(text(sheet, "B1"), u"【ケーブル名板】");
    EXPECT_EQ(text(sheet, "Q1"), u"No.1～No.7");
    EXPECT_EQ(sheet.text({52, 2}), QString()) << "only the first page block has a head";
}

TEST(TypeASheet, EmptyPlatesKeepCaptionsAndFrameOnly)
{
    const Built built = build(numberedRecords(7));
    const Worksheet& sheet = built.workbook.sheet(1);
    for (int plate = 2; plate <= 6; ++plate) {
        EXPECT_EQ(sheet.text(plateCell(2, plate, 0, "C")), u"行　き　先");
        EXPECT_EQ(sheet.text(plateCell(2, plate, 5, "C")), u"ｹｰﾌﾞﾙ製造年");
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(sheet.text(plateCell(2, plate, row, "I")), QString()) << plate << ' ' << row;
        EXPECT_EQ(sheet.text(plateCell(2, plate, 0, "V")), QString());
        EXPECT_EQ(sheet.border(plateCell(2, plate, 0, "B"), Edge::Top), line(BorderWeight::Medium));
        EXPECT_EQ(sheet.border(plateCell(2, plate, 5, "T"), Edge::Bottom), line(BorderWeight::Medium));
    }
    EXPECT_EQ(sheet.text(plateCell(2, 1, 0, "V")), u"No.7");
}

TEST(TypeASheet, PlateFormatsMergesAndFrame)
{
    const Built built = build(numberedRecords(1));
    const Worksheet& sheet = built.workbook.sheet(1);
    const int t = TypeASheet::plateTopRow(1, 3);
    ASSERT_EQ(t, 20);
    auto mergedAt = [&](const char* a1) {
        return std::ranges::find(sheet.merges(), CellRange::parse(QString::fromLatin1(a1))) != sheet.merges().end();
    };
    for (const char* merged : {"C20:F20", "C25:F25", "I20:S20", "I22:S22", "I23:S23"})
        EXPECT_TRUE(mergedAt(merged)) << merged;
    for (const char* single : {"I21", "I24", "I25"})
        EXPECT_FALSE(sheet.isMerged(at(single))) << single;

    EXPECT_EQ(sheet.format(at("C23")).alignment, HorizontalAlignment::Distributed);
    EXPECT_EQ(sheet.format(at("I20")).alignment, HorizontalAlignment::General);
    EXPECT_TRUE(sheet.format(at("I20")).shrinkToFit);
    EXPECT_EQ(sheet.format(at("I22")).alignment, HorizontalAlignment::Justify);
    EXPECT_FALSE(sheet.format(at("I22")).shrinkToFit);

    const Border medium = line(BorderWeight::Medium);
    struct Case {
        const char* cell;
        Edge edge;
        Border expected;
    };
    const Case cases[] = {
        {"B20", Edge::Top, medium},    {"K20", Edge::Top, medium},     {"T20", Edge::Top, medium},
        {"B20", Edge::Left, medium},   {"B25", Edge::Left, medium},    {"T22", Edge::Right, medium},
        {"B25", Edge::Bottom, medium}, {"T25", Edge::Bottom, medium},  {"K21", Edge::Top, Border{}},
        {"F22", Edge::Right, Border{}}, {"A20", Edge::Left, Border{}}, {"B26", Edge::Bottom, Border{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sheet.border(at(c.cell), c.edge), c.expected) << c.cell << " edge " << int(c.edge);
}

TEST(TypeASheet, RowHeightsColumnWidthsAndFont)
{
    const Built built = build(numberedRecords(7));
    const Worksheet& sheet = built.workbook.sheet(3);
    struct Case {
        int row;
        double height;
    };
    for (const Case& c : {Case{1, 18.6}, Case{2, 3}, Case{3, 3}, Case{4, 18.6}, Case{9, 18.6}, Case{10, 3},
                          Case{11, 3}, Case{12, 18.6}, Case{49, 18.6}, Case{50, 3}, Case{51, 3}, Case{52, 18.6},
                          Case{53, 3}, Case{55, 18.6}, Case{102, 3}})
        EXPECT_EQ(sheet.rowHeight(c.row), c.height) << c.row;
    EXPECT_FALSE(sheet.rowHeight(103).has_value());

    for (int column = 1; column <= 20; ++column)
        EXPECT_EQ(sheet.columnWidth(column), 3.0) << column;
    EXPECT_EQ(sheet.columnWidth(21), 1.0);
    EXPECT_EQ(sheet.columnWidth(22), 5.0);
    EXPECT_EQ(sheet.columnFontSize(22), 9.0);
    EXPECT_EQ(sheet.format(at("V4")).fontSizeTenths, 90);
    EXPECT_EQ(sheet.format(at("I4")).fontSizeTenths, 0);
}
