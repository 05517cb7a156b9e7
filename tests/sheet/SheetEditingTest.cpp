#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/SheetEditing.h"

namespace {

QStringList numbers(const RecordSheet& sheet, int upTo)
{
    QStringList out;
    for (int r = 1; r <= upTo; ++r)
        out << sheet.cell(ColNumber, r);
    return out;
}

RecordSheet numberedSheet(int records)
{
    RecordSheet sheet;
    for (int r = 1; r <= records; ++r)
        sheet.editRow(r) = {QString::number(r), u"from"_qs + QString::number(r)};
    sheet.recordCount = records;
    return sheet;
}

TEST(SheetEditing, CopyJoinsCellsWithTabsAndEndsEveryLineWithCrLf)
{
    RecordSheet sheet = numberedSheet(3);
    const QString text = SheetEditing::copyText(sheet, 2, 3);
    EXPECT_EQ(text, u"2\tfrom2\t\t\t\t\t\t\t\t\t\r\n3\tfrom3\t\t\t\t\t\t\t\t\t\r\n");
}

TEST(SheetEditing, PasteWritesPiecesGrowsTheSheetAndDropsExtraPieces)
{
    RecordSheet sheet;
    sheet.editRow(99) = {u"old"_qs, u"keep"_qs, u"keep2"_qs};
    const QString line11 = u"a\tb\tc\td\te\tf\tg\th\ti\tj\tk"_qs;
    SheetEditing::paste(sheet, 98, line11 + u"\r\nx\t\r\n"_qs + line11 + u"\tl\tm\r\n"_qs);
    EXPECT_EQ(sheet.rowCount(), 101);
    EXPECT_EQ(sheet.cell(10, 98), u"k");
    EXPECT_EQ(sheet.row(99)[0], u"x");
    EXPECT_EQ(sheet.row(99)[1], u"");      // a tab at the end gives a final empty piece
    EXPECT_EQ(sheet.row(99)[2], u"keep2"); // columns past the last piece keep their texts
    EXPECT_EQ(sheet.cell(10, 100), u"k");  // pieces beyond column 10 are dropped
}

TEST(SheetEditing, PasteOfAnEmptyLineEmptiesOnlyColumnZero)
{
    RecordSheet sheet = numberedSheet(2);
    SheetEditing::paste(sheet, 2, u"\n");
    EXPECT_EQ(sheet.row(2)[0], u"");
    EXPECT_EQ(sheet.row(2)[1], u"from2");
    SheetEditing::paste(sheet, 1, u"");
    EXPECT_EQ(sheet.row(1)[0], u"1");
}

TEST(SheetEditing, PasteReadsQuotedCellsAsASpreadsheetWritesThem)
{
    struct Case {
        const char* name;
        QString clipboard;
        std::vector<Record> rows; // the rows from row 1 on, as pasted
    };
    const Case cases[] = {
        {"a line break inside a cell",
         u"1\t\"東棟\n1F\"\tLV-2\r\n2\t西棟\tLV-3\r\n"_qs,
         {{u"1"_qs, u"東棟 1F"_qs, u"LV-2"_qs}, {u"2"_qs, u"西棟"_qs, u"LV-3"_qs}}},
        {"CR LF and a blank line inside a cell, each break one blank",
         u"\"a\r\nb\r\n\r\nc\"\tx\n"_qs,
         {{u"a b  c"_qs, u"x"_qs}}},
        {"a tab and doubled quotes inside a cell",
         u"\"6\"\"\t\"\"x\"\"\"\t\"\"\ty\n"_qs,
         {{u"6\"\t\"x\""_qs, u""_qs, u"y"_qs}}},
        {"quotes inside a plain field stay",
         u"6\"角\tsay \"hi\"\n"_qs,
         {{u"6\"角"_qs, u"say \"hi\""_qs}}},
        {"text after the closing quote is kept",
         u"\"a\nb\"c\td\n"_qs,
         {{u"a bc"_qs, u"d"_qs}}},
        {"an unclosed quote is plain text and ends at the line break",
         u"x\t\"open\nnext\n"_qs,
         {{u"x"_qs, u"\"open"_qs}, {u"next"_qs}}},
    };
    for (const Case& c : cases) {
        RecordSheet sheet;
        SheetEditing::paste(sheet, 1, c.clipboard);
        for (size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(sheet.row(int(i) + 1), c.rows[i]) << c.name << ", row " << i + 1;
        EXPECT_EQ(sheet.row(int(c.rows.size()) + 1), Record{}) << c.name << ": nothing spills onto the next row";
    }
}

TEST(SheetEditing, PastePastTheRowCapIsRefusedWholeAndChangesNothing)
{
    RecordSheet sheet = numberedSheet(2);
    const RecordSheet before = sheet;
    QString text;
    for (int i = 0; i < kMaxRowCount; ++i)
        text += u"n\n"_qs;
    EXPECT_THROW(SheetEditing::paste(sheet, 1, text), Failure);
    EXPECT_EQ(sheet, before);
    text.chop(2);
    SheetEditing::paste(sheet, 1, text); // exactly up to the last allowed row
    EXPECT_EQ(sheet.rowCount(), kMaxRowCount);
}

TEST(SheetEditing, PasteSortRenumberSettlesTheNumbering)
{
    RecordSheet sheet;
    sheet.editRow(5) = {u"7"_qs, u"seven"_qs};
    // Rows with text but no number become the next records; a line with no
    // text (row 4) leaves its row unnumbered.
    SheetEditing::paste(sheet, 1, u"3\tthree\r\n\tunnumbered\r\n1\tone\r\n\t\r\n"_qs);
    SheetEditing::sort(sheet);
    renumber(sheet);
    EXPECT_EQ(sheet.row(1)[1], u"one");
    EXPECT_EQ(sheet.row(2)[1], u"three");
    EXPECT_EQ(sheet.row(3)[1], u"seven");
    EXPECT_EQ(sheet.row(4)[1], u"unnumbered");
    EXPECT_EQ(numbers(sheet, 6), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u""_qs, u""_qs}));
    EXPECT_EQ(sheet.recordCount, 4);
}

TEST(SheetEditing, SortOrdersNumbersByValueTextsAfterAndUnnumberedLast)
{
    RecordSheet sheet;
    const QStringList keys = {u"10"_qs, u" "_qs, u"b"_qs, u"2"_qs, u"9999"_qs, u"A"_qs, u"10000"_qs, u"02"_qs, u""_qs};
    for (int i = 0; i < keys.size(); ++i)
        sheet.editRow(i + 1) = {keys[i], QString::number(i)};
    SheetEditing::sort(sheet);
    // 2 and 02 keep their order (stable); 9999 stays a record number like any other.
    EXPECT_EQ(numbers(sheet, 9), (QStringList{u"2"_qs, u"02"_qs, u"10"_qs, u"9999"_qs, u"10000"_qs, u"A"_qs, u"b"_qs, u""_qs, u""_qs}));
    EXPECT_EQ(sheet.row(8)[1], u"1");     // unnumbered rows keep their order
    EXPECT_EQ(sheet.row(9)[1], u"8");
    EXPECT_EQ(sheet.row(99), Record{});   // empty rows stay at the end
    EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
}

TEST(SheetEditing, DeleteOfOneRowAsksAndMovesRowsUp)
{
    RecordSheet sheet = numberedSheet(8);
    QString asked;
    int uy1 = 6;
    SheetEditing::deleteRows(sheet, 6, uy1, [&](const QString& q) { asked = q; return false; });
    EXPECT_EQ(asked, u"No. 6 を削除しますか？");
    EXPECT_EQ(sheet.row(6)[1], u"from6");
    EXPECT_EQ(sheet.recordCount, 8); // renumbered even after No

    SheetEditing::deleteRows(sheet, 6, uy1, [](const QString&) { return true; });
    EXPECT_EQ(sheet.row(6)[1], u"from7");
    EXPECT_EQ(numbers(sheet, 8), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs, u"7"_qs, u""_qs}));
    EXPECT_EQ(sheet.recordCount, 7);
    EXPECT_EQ(sheet.rowCount(), 100);
}

TEST(SheetEditing, DeleteOfARangeNeverAsksAndKeepsTheRowCount)
{
    struct Case {
        int ny1, uy1;
        QString firstLeftInRow5;
        int recordCount;
        int uy1After;
    };
    const Case cases[] = {
        {5, 8, u"from9"_qs, 8, 5},
        {8, 5, u"from9"_qs, 8, 5},
        {0, 8, u"from5"_qs, 12, 8},  // press on the header row: nothing at all
        {5, 0, u"from5"_qs, 12, 0},
        {-1, 8, u"from5"_qs, 12, -1}, // press on no cell: nothing deleted, still renumbered
    };
    for (const Case& c : cases) {
        RecordSheet sheet = numberedSheet(12);
        int uy1 = c.uy1;
        SheetEditing::deleteRows(sheet, c.ny1, uy1, [](const QString&) -> bool { throw std::logic_error("asked"); });
        EXPECT_EQ(sheet.row(5)[1], c.firstLeftInRow5) << c.ny1 << "," << c.uy1;
        EXPECT_EQ(sheet.recordCount, c.recordCount) << c.ny1 << "," << c.uy1;
        EXPECT_EQ(uy1, c.uy1After);
        EXPECT_EQ(sheet.rowCount(), 100);
    }
}

TEST(SheetEditing, DeleteAllEmptiesRecordsButKeepsHeaderAndRowCount)
{
    RecordSheet sheet = numberedSheet(5);
    sheet.setRowCount(150);
    SheetEditing::deleteAll(sheet);
    EXPECT_EQ(sheet.recordCount, 0);
    EXPECT_EQ(sheet.rowCount(), 150);
    EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    EXPECT_EQ(sheet.row(1), Record{});
}

TEST(RecordSheetRenumber, GivesConsecutiveNumbersAndSkipsUnnumberedRows)
{
    RecordSheet sheet;
    sheet.editRow(1)[0] = u"1"_qs;
    sheet.editRow(2)[1] = u"data"_qs;
    sheet.editRow(3)[0] = u"7"_qs;
    sheet.editRow(4)[0] = u"2"_qs;
    renumber(sheet);
    EXPECT_EQ(numbers(sheet, 4), (QStringList{u"1"_qs, u""_qs, u"2"_qs, u"3"_qs}));
    EXPECT_EQ(sheet.recordCount, 3);

    RecordSheet empty;
    empty.recordCount = 9;
    renumber(empty);
    EXPECT_EQ(empty.recordCount, 0);
    EXPECT_EQ(empty, RecordSheet());
}

TEST(RecordSheet, RowsPastTheEndReadAsEmpty)
{
    const RecordSheet sheet;
    EXPECT_EQ(sheet.recordOrEmpty(100), Record{});
    EXPECT_EQ(sheet.recordOrEmpty(-1), Record{});
    EXPECT_EQ(sheet.recordOrEmpty(0), RecordSheet::headerTexts());
}

} // namespace

namespace {

TEST(RecordSheet, OutputsMakePlatesOnlyForRowsTheSheetHas)
{
    RecordSheet sheet; // 100 rows
    const std::pair<int, int> cases[] = {{0, 0}, {-5, 0}, {7, 7}, {99, 99}, {100, 99}, {2147483647, 99}};
    for (const auto& [recordCount, plates] : cases) {
        sheet.recordCount = recordCount;
        EXPECT_EQ(sheet.outputRecordCount(), plates) << recordCount;
    }
}

} // namespace

namespace {

// A copy of a sheet shares its rows; whatever the original goes through
// afterwards, the copy must keep its texts (undo steps, the saved state and
// the recovery snapshot are such copies).
TEST(RecordSheet, ACopyKeepsItsRowsWhateverTheOriginalGoesThrough)
{
    const auto yes = [](const QString&) { return true; };
    const std::vector<std::pair<const char*, std::function<void(RecordSheet&)>>> edits = {
        {"edit a cell", [](RecordSheet& s) { s.editRow(2)[ColFrom1] = u"changed"_qs; }},
        {"set a cell", [](RecordSheet& s) { s.setCell(ColTo1, 3, u"changed"_qs); }},
        {"paste", [](RecordSheet& s) { SheetEditing::paste(s, 2, u"9\tpasted\r\n"); }},
        {"sort", [](RecordSheet& s) { s.editRow(1)[ColNumber] = u"7"_qs; SheetEditing::sort(s); }},
        {"renumber", [](RecordSheet& s) { s.editRow(2)[ColNumber].clear(); renumber(s); }},
        {"delete a row", [&](RecordSheet& s) { SheetEditing::deleteRow(s, 1, SheetEditing::DeleteMode::Ask, yes); }},
        {"delete all", [](RecordSheet& s) { SheetEditing::deleteAll(s); }},
        {"clear a row", [](RecordSheet& s) { s.clearRow(4); }},
        {"shrink", [](RecordSheet& s) { s.setRowCount(2); }},
    };
    for (const auto& [name, edit] : edits) {
        RecordSheet original = numberedSheet(5);
        const RecordSheet copy = original;
        edit(original);
        EXPECT_NE(original, copy) << name;
        EXPECT_EQ(copy, numberedSheet(5)) << name;
    }
}

TEST(RecordSheet, RenumberingANumberedSheetLeavesItsRowsShared)
{
    RecordSheet sheet = numberedSheet(5);
    const RecordSheet copy = sheet;
    renumber(sheet);
    for (int r = 0; r < sheet.rowCount(); ++r)
        EXPECT_TRUE(sheet.rows()[r].sharesTextsWith(copy.rows()[r])) << r;
    sheet.editRow(3)[ColFrom1] = u"x"_qs;
    EXPECT_FALSE(sheet.rows()[3].sharesTextsWith(copy.rows()[3]));
}

} // namespace
