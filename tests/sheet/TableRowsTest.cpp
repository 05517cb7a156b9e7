#include "TestSupport.h"

#include "sheet/Failure.h"
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

TEST(TableRowsTest, RowsArePastedFromRowOneThenSortedAndRenumbered)
{
    RecordSheet sheet;
    sheet.editRow(50) = recordOf({u"50", u"old"});
    const ImportedTable table{{recordOf({u"3", u"three"}), recordOf({u"", u"unnumbered"}), recordOf({u"1", u"one"})}, {}};
    TableRows::toSheet(table, sheet);

    EXPECT_EQ(sheet.rowCount(), kInitialRowCount);
    EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    EXPECT_EQ(sheet.row(1), recordOf({u"1", u"one"}));
    EXPECT_EQ(sheet.row(2), recordOf({u"2", u"three"}));
    EXPECT_EQ(sheet.row(3), recordOf({u"", u"unnumbered"}));
    EXPECT_EQ(sheet.row(50), Record{}); // the old sheet is replaced, not pasted over
    EXPECT_EQ(sheet.recordCount, 2);
}

TEST(TableRowsTest, AHeaderRowIsSkippedOnlyWhenItIsOne)
{
    struct Case {
        const char* name;
        Record firstRow;
        bool skipped;
    };
    const std::vector<Case> cases = {
        {"No. in the first cell", recordOf({u"No.", u"from"}), true},
        {"the sheet's header", RecordSheet::headerTexts(), true},
        {"a record", recordOf({u"7", u"from"}), false},
        {"No without the dot", recordOf({u"No", u"from"}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSheet sheet;
        TableRows::toSheet(ImportedTable{{c.firstRow, recordOf({u"1", u"record"})}, {}}, sheet);
        // Kept, the first row is a second record; skipped, row 2 stays empty.
        EXPECT_EQ(sheet.row(2) == Record{}, c.skipped);
        EXPECT_EQ(sheet.recordCount, c.skipped ? 1 : 2);
        EXPECT_EQ(sheet.row(0), RecordSheet::headerTexts());
    }
}

TEST(TableRowsTest, LongTablesGrowTheSheetUpToTheLimitAndNoFurther)
{
    ImportedTable fits{std::vector<Record>(kMaxRowCount - 1, recordOf({u"1", u"x"})), {}};
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
