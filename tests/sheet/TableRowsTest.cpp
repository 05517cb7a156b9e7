#include "TableCells.h"
#include "TestSupport.h"

#include "sheet/Failure.h"
#include "sheet/EntrySheetNotes.h"
#include "sheet/ImportedTable.h"

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

Record recordOf(std::initializer_list<const char16_t*> cells)
{
    Record record;
    size_t column = 0;
    for (const char16_t* cell : cells)
        record[column++] = QString::fromUtf16(cell);
    return record;
}

// The sheet's records as rows of texts without their trailing empty cells.
TableCells recordsOf(const RecordSheet& sheet)
{
    std::vector<Record> rows;
    for (int r = 1; r <= sheet.recordCount; ++r)
        rows.push_back(sheet.row(r));
    return cellsOf(ImportedTable{rows, {}, {}});
}

TEST(TableRowsTest, ReplacesTheSheetWithTheRecordsInTheFilesOrder)
{
    RecordSheet sheet;
    sheet.editRow(50) = recordOf({u"50", u"old"});
    const ImportedTable table{{recordOf({u"3", u"three"}), recordOf({u"", u"unnumbered"}), recordOf({u"1", u"one"})}, {q(u"reader's note")}, {}};
    const QStringList notes = TableRows::toSheet(table, sheet);

    EXPECT_EQ(sheet.rowCount(), kInitialRowCount);
    EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    EXPECT_EQ(recordsOf(sheet), (TableCells{{u"1", u"three"}, {u"2", u"unnumbered"}, {u"3", u"one"}}));
    EXPECT_EQ(sheet.row(50), Record{}); // the old sheet is replaced, not pasted over
    ASSERT_EQ(notes.size(), 3);
    EXPECT_EQ(notes[0], q(u"reader's note"));
    EXPECT_TRUE(notes[1].contains(q(u"見出し"))) << notes[1].toStdString();
    EXPECT_TRUE(notes[2].contains(q(u"1 から 3 まで"))) << notes[2].toStdString();
}

TEST(TableRowsTest, ColumnsAreTakenByTheirHeadingsWhereverTheHeadingRowIs)
{
    const Record entryHeading = RecordSheet::headerTexts();
    Record filledFirstRow = recordOf({u"1", u"盤X"});
    Record prefilledOnly = recordOf({u"1"});
    for (Record* row : {&filledFirstRow, &prefilledOnly}) {
        (*row)[ColConstructionDate] = q(u"令和8年12月10日");
        (*row)[ColConstructor] = q(u"甲電設");
        (*row)[ColManufactureYear] = q(u"令和8年");
    }
    Record note1 = recordOf({u"7"});
    note1[ColFrom2] = q(EntrySheetNotes::kTexts[0]) + QString(15, QChar(0x3000)); // as the template pads it
    struct Case {
        const char* name;
        std::vector<Record> rows;
        TableCells records;
        std::vector<const char16_t*> noteParts; // one per note, in order
    };
    const std::vector<Case> cases = {
        {"synonyms, a heading named twice fills both columns",
         {recordOf({u"番号", u"自", u"自", u"行き先", u"行き先", u"回路", u"種類", u"用途", u"施工日", u"施工者", u"製造年"}),
          recordOf({u"1", u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j"})},
         {{u"1", u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j"}},
         {}},
        {"other order, other width and case, missing columns stay empty",
         {recordOf({u"ケーブル種類", u"(至)NAME-1", u"NO.", u"ＦＲＯＭ"}), recordOf({u"CV", u"盤B", u"1", u"盤A"})},
         {{u"1", u"盤A", u"", u"盤B", u"", u"", u"CV"}},
         {}},
        {"a title and a blank line above, the heading from column B",
         {recordOf({u"ケーブル一覧"}), Record{}, recordOf({u"", u"№", u"自", u"至"}), recordOf({u"", u"1", u"盤A", u"盤B"}),
          recordOf({u"", u"2", u"盤C", u"盤D"})},
         {{u"1", u"盤A", u"", u"盤B"}, {u"2", u"盤C", u"", u"盤D"}},
         {u"1 行"}},
        {"No． with a full-width dot over A, blanks beside it keep their places",
         {recordOf({u"No．"}), recordOf({u"1", u"盤A", u"盤B"})},
         {{u"1", u"盤A", u"盤B"}},
         {}},
        {"no No. column: the rows are numbered without a note",
         {recordOf({u"自", u"至", u"種類"}), recordOf({u"盤A", u"盤B", u"CV"}), recordOf({u"盤C", u"盤D", u"VVF"})},
         {{u"1", u"盤A", u"", u"盤B", u"", u"", u"CV"}, {u"2", u"盤C", u"", u"盤D", u"", u"", u"VVF"}},
         {}},
        {"rows without numbers and gaps are numbered 1..n",
         {entryHeading, recordOf({u"1", u"a"}), recordOf({u"", u"b"}), Record{}, recordOf({u"2", u"c"}), recordOf({u"", u"d"})},
         {{u"1", u"a"}, {u"2", u"b"}, {u"3", u"c"}, {u"4", u"d"}},
         {u"1 から 4 まで"}},
        {"no heading: columns A to K with a note, a lone number is no record",
         {recordOf({u"5", u"盤A"}), recordOf({u"6"}), recordOf({u"7", u"盤B"})},
         {{u"1", u"盤A"}, {u"2", u"盤B"}},
         {u"見出し", u"1 から 2 まで"}},
        {"the entry sheet: pre-printed numbers, defaults and notes are no records",
         {entryHeading, prefilledOnly, recordOf({u"2", u"盤A"}), recordOf({u"3"}), note1, recordOf({u"8"})},
         {{u"1", u"盤A"}},
         {u"1 から 1 まで"}},
        {"our own export without the notes keeps a record of only those columns",
         {entryHeading, prefilledOnly},
         {{u"1", u"", u"", u"", u"", u"", u"", u"", u"令和8年12月10日", u"甲電設", u"令和8年"}},
         {}},
        {"the entry sheet filled from its first row keeps the defaults",
         {entryHeading, filledFirstRow, recordOf({u"2"}), note1},
         {{u"1", u"盤X", u"", u"", u"", u"", u"", u"", u"令和8年12月10日", u"甲電設", u"令和8年"}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSheet sheet;
        const QStringList notes = TableRows::toSheet(ImportedTable{c.rows, {}, {}}, sheet);
        EXPECT_EQ(recordsOf(sheet), c.records);
        EXPECT_EQ(sheet.rowCount(), kInitialRowCount);
        ASSERT_EQ(notes.size(), static_cast<qsizetype>(c.noteParts.size())) << notes.join(u'|').toStdString();
        for (size_t n = 0; n < c.noteParts.size(); ++n)
            EXPECT_TRUE(notes[static_cast<qsizetype>(n)].contains(q(c.noteParts[n]))) << notes[static_cast<qsizetype>(n)].toStdString();
    }
}

TEST(TableRowsTest, AChosenLayoutOverridesTheDetectedOne)
{
    TableLayout swapped = TableLayout::plain();
    swapped.recordColumnOf[1] = ColTo1;
    swapped.recordColumnOf[2] = TableLayout::kSkip;
    swapped.headingRow = 0;
    const ImportedTable table{{recordOf({u"No.", u"(自) NAME-1", u"x"}), recordOf({u"1", u"盤A", u"skipped"})}, {}, swapped};
    RecordSheet sheet;
    EXPECT_TRUE(TableRows::toSheet(table, sheet).isEmpty());
    EXPECT_EQ(recordsOf(sheet), (TableCells{{u"1", u"", u"", u"盤A"}}));
}

TEST(TableRowsTest, LineBreaksInCellsBecomeBlanksAndANoteNamesTheCells)
{
    const ImportedTable table{{RecordSheet::headerTexts(),
                               recordOf({u"1", u"盤A\r\n1階", u"", u"", u"", u"", u"", u"電灯\n"}),
                               recordOf({u"", u"\n"}), // nothing but a break: no record
                               recordOf({u"2\n", u"盤B", u"", u"分電盤\r2階\u2028東"})},
                              {}, {}};
    RecordSheet sheet;
    const QStringList notes = TableRows::toSheet(table, sheet);
    EXPECT_EQ(recordsOf(sheet), (TableCells{{u"1", u"盤A 1階", u"", u"", u"", u"", u"", u"電灯"},
                                            {u"2", u"盤B", u"", u"分電盤 2階 東"}}));
    // The number cell is replaced by the record's number anyway.
    EXPECT_EQ(notes, QStringList{q(u"改行を含むセル 3 か所は、改行を空白にしました（No.1 の (自) NAME-1、No.1 の 用途、No.2 の (至) NAME-1）。")});

    // Many cells: the first ten are named.
    std::vector<Record> rows{RecordSheet::headerTexts()};
    for (int r = 0; r < 12; ++r)
        rows.push_back(recordOf({u"", u"盤\nA"}));
    const QStringList manyNotes = TableRows::toSheet(ImportedTable{rows, {}, {}}, sheet);
    ASSERT_FALSE(manyNotes.isEmpty());
    const QString& note = manyNotes.back();
    EXPECT_TRUE(note.startsWith(q(u"改行を含むセル 12 か所は、改行を空白にしました（No.1 の (自) NAME-1、"))) << note.toStdString();
    EXPECT_TRUE(note.endsWith(q(u"No.10 の (自) NAME-1、ほか）。"))) << note.toStdString();
}

TEST(TableRowsTest, LongTablesGrowTheSheetUpToTheLimitAndNoFurther)
{
    ImportedTable fits{std::vector<Record>(kMaxRowCount - 1, recordOf({u"1", u"x"})), {}, {}};
    RecordSheet sheet;
    TableRows::toSheet(fits, sheet);
    EXPECT_EQ(sheet.rowCount(), kMaxRowCount);
    EXPECT_EQ(sheet.recordCount, kMaxRowCount - 1);

    fits.rows.push_back(recordOf({u"1", u"one too many"}));
    RecordSheet before;
    before.editRow(1) = recordOf({u"1", u"kept"});
    before.recordCount = 1;
    RecordSheet after = before;
    EXPECT_THROW(TableRows::toSheet(fits, after), Failure);
    EXPECT_EQ(after, before);
}

TEST(TableRowsTest, ForSavingHoldsTheHeaderAndRowsUpToTheLastFilledOne)
{
    RecordSheet sheet;
    sheet.editRow(0)[ColFrom1] = q(u"changed head");
    sheet.editRow(1) = recordOf({u"1", u"a"});
    sheet.editRow(3) = recordOf({u"", u"", u"c"});
    const std::vector<Record> rows = TableRows::forSaving(sheet);
    EXPECT_EQ(rows, (std::vector<Record>{RecordSheet::headerTexts(), sheet.row(1), Record{}, sheet.row(3)}));
    EXPECT_EQ(TableRows::forSaving(RecordSheet{}), std::vector<Record>{RecordSheet::headerTexts()});
}

TEST(TableRowsTest, CollectorRefusesRowsPastTheLimitAndIgnoresBlankCellsThere)
{
    TableCollector collector;
    collector.put(kMaxRowCount - 1, 0, q(u"last row that may exist"));
    collector.put(kMaxRowCount + 5, 3, QString()); // a formatted blank far below
    EXPECT_EQ(collector.finish().rows.size(), size_t(kMaxRowCount));

    TableCollector tooLong;
    try {
        tooLong.put(kMaxRowCount, 0, q(u"x"));
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(q(u"100000"))) << failure.what();
    }
}

} // namespace
