#include "entry/EntryRecord.h"

#include "../sheet/TestSupport.h"

namespace {

EraDate reiwa5()
{
    return EraDate{u"令和"_qs, u"5"_qs, u"令和5年4月1日"_qs};
}

const QString kCompany = u"〇〇〇〇株式会社"_qs;

TEST(EntryForRow, EmptyRowOfNewSheetProposesRecordOneWithTheThreeDefaults)
{
    const RecordSheet sheet;
    const EntryRecord entry = entryForRow(sheet, 1, reiwa5(), kCompany);

    EXPECT_EQ(entry.numberLabel, u"1"_qs);
    EXPECT_EQ(entry.fields.at(ColConstructionDate), u"令和5年4月1日"_qs);
    EXPECT_EQ(entry.fields.at(ColConstructor), kCompany);
    EXPECT_EQ(entry.fields.at(ColManufactureYear), u"令和5年"_qs);
    for (Column column : {ColFrom1, ColFrom2, ColTo1, ColTo2, ColCircuit, ColCableType, ColPurpose})
        EXPECT_TRUE(entry.fields.at(column).isEmpty()) << column;
}

TEST(EntryForRow, RecordRowKeepsItsNumberAndTextsAndOnlyEmptyDefaultsAreFilled)
{
    RecordSheet sheet;
    sheet.recordCount = 5;
    Record& row = sheet.editRow(3);
    row = Record{u"3"_qs, u"電気室"_qs, u"LP-1"_qs, u"動力分電盤 "_qs, u"P-2"_qs, u"001"_qs,
                 u"CV 3C-5.5sq"_qs, u"動力幹線"_qs, u"平成30年1月2日"_qs, QString(), QString()};

    const EntryRecord entry = entryForRow(sheet, 3, reiwa5(), kCompany);

    EXPECT_EQ(entry.numberLabel, u"3"_qs);
    for (Column column : {ColFrom1, ColFrom2, ColTo1, ColTo2, ColCircuit, ColCableType, ColPurpose,
                          ColConstructionDate})
        EXPECT_EQ(entry.fields.at(column), row[column]) << column;
    EXPECT_EQ(entry.fields.at(ColConstructor), kCompany);
    EXPECT_EQ(entry.fields.at(ColManufactureYear), u"令和5年"_qs);
}

TEST(EntryForRow, UnnumberedRowFarBelowProposesNextRecordNumber)
{
    RecordSheet sheet;
    sheet.recordCount = 5;
    sheet.setCell(ColPurpose, 40, u"電灯幹線"_qs);

    const EntryRecord entry = entryForRow(sheet, 40, reiwa5(), kCompany);

    EXPECT_EQ(entry.numberLabel, u"6"_qs);
    EXPECT_EQ(entry.fields.at(ColPurpose), u"電灯幹線"_qs);
}

TEST(EntryForRow, HeaderRowShowsTheHeaderTextsAsTheyAre)
{
    const RecordSheet sheet;
    const EntryRecord entry = entryForRow(sheet, 0, reiwa5(), kCompany);
    EXPECT_EQ(entry.numberLabel, u"No."_qs);
    EXPECT_EQ(entry.fields.at(ColConstructionDate), u"施行年月日"_qs);
}

TEST(EntryForRow, RowOutsideTheSheetReadsAsEmpty)
{
    const RecordSheet sheet;
    for (int row : {-1, 100, 5000}) {
        const EntryRecord entry = entryForRow(sheet, row, reiwa5(), kCompany);
        EXPECT_EQ(entry.numberLabel, u"1"_qs) << row;
        EXPECT_TRUE(entry.fields.at(ColFrom1).isEmpty()) << row;
        EXPECT_EQ(entry.fields.at(ColConstructor), kCompany) << row;
    }
}

} // namespace
