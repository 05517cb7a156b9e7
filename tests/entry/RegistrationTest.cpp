#include "entry/Registration.h"

#include "sheet/Failure.h"
#include "sheet/SheetEditing.h"

#include "../sheet/TestSupport.h"

#include <utility>
#include <vector>

namespace {

FieldTexts fieldsWith(std::initializer_list<std::pair<Column, QString>> texts)
{
    FieldTexts fields;
    for (const auto& [column, text] : texts)
        fields.at(column) = text;
    return fields;
}

FieldTexts fullRecord(const QString& purpose)
{
    return fieldsWith({{ColFrom1, u"電気室"_qs}, {ColFrom2, u"LP-1"_qs}, {ColTo1, u"動力分電盤 "_qs},
                       {ColTo2, u"P-2"_qs}, {ColCircuit, u"001"_qs}, {ColCableType, u"CV 3C-5.5sq"_qs},
                       {ColPurpose, purpose}, {ColConstructionDate, u"令和5年4月1日"_qs},
                       {ColConstructor, u"〇〇〇〇株式会社"_qs}, {ColManufactureYear, u"令和5年"_qs}});
}

// Plans the register and writes it, as the form does through the document.
RegisterResult registerRecord(RecordSheet& sheet, PreviousEntries& ed, const EntryRecord& entry)
{
    const RegisterResult result = planRegistration(sheet, ed, entry);
    if (result.outcome == RegisterOutcome::Written)
        SheetEditing::writeRecord(sheet, result.row, result.texts, result.newRecord);
    return result;
}

// A sheet numbered row by row up to `recordCount`, plus any extra rows.
RecordSheet sheetWith(int recordCount, std::vector<std::pair<int, Record>> extraRows = {})
{
    RecordSheet sheet;
    for (int r = 1; r <= recordCount; ++r)
        sheet.editRow(r) = Record{QString::number(r), u"盤%1"_qs.arg(r)};
    sheet.recordCount = recordCount;
    for (auto& [r, record] : extraRows)
        sheet.editRow(r) = std::move(record);
    return sheet;
}

struct WrittenCase {
    const char* name;
    RecordSheet sheet;
    QString numberLabel;
    int expectedRow;
    bool expectedNew;
    int expectedRowCount;
};

class RegisterWrites : public testing::TestWithParam<WrittenCase> {};

TEST_P(RegisterWrites, WritesTheRowOfTheRecordNumberAndNothingElse)
{
    const WrittenCase& c = GetParam();
    RecordSheet sheet = c.sheet;
    PreviousEntries ed;
    const EntryRecord entry{c.numberLabel, fullRecord(u"動力幹線"_qs)};

    const RegisterResult result = registerRecord(sheet, ed, entry);

    EXPECT_EQ(result.outcome, RegisterOutcome::Written);
    EXPECT_EQ(result.row, c.expectedRow);
    EXPECT_EQ(result.newRecord, c.expectedNew);
    EXPECT_EQ(ed, entry.fields);

    RecordSheet expected = c.sheet;
    expected.setRowCount(c.expectedRowCount);
    Record& written = expected.editRow(c.expectedRow);
    written[ColNumber] = QString::number(c.expectedRow);
    for (Column column : kDataColumns)
        written[column] = entry.fields.at(column);
    expected.recordCount = c.expectedNew ? c.expectedRow : c.sheet.recordCount;
    EXPECT_EQ(sheet.rowCount(), c.expectedRowCount);
    EXPECT_EQ(sheet.recordCount, expected.recordCount);
    EXPECT_TRUE(sheet == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegisterWrites,
    testing::Values(
        WrittenCase{"FirstRecordOfNewSheet", sheetWith(0), u"1"_qs, 1, true, 100},
        // Row 40 holds a note without a number: the new record goes below it.
        WrittenCase{"NewRecordGoesBelowTheLastRowHoldingText", sheetWith(5, {{40, Record{QString(), u"メモ"_qs}}}),
                    u"6"_qs, 41, true, 100},
        // Rows pasted without numbers (record count still 0) stay as they are.
        WrittenCase{"UnnumberedPastedRowsAreKept",
                    sheetWith(0, {{1, Record{QString(), u"A"_qs}}, {2, Record{QString(), u"B"_qs}},
                                  {3, Record{QString(), QString(), QString(), u"C"_qs}}}),
                    u"1"_qs, 4, true, 100},
        // Records cleared at the end still count: no record number is handed out twice.
        WrittenCase{"ClearedRecordsAtTheEndKeepTheirNumbers", sheetWith(5, {{4, Record{}}, {5, Record{}}}), u"6"_qs, 6,
                    true, 100},
        WrittenCase{"ExistingRecordIsOverwrittenInPlace", sheetWith(5), u"3"_qs, 3, false, 100},
        // A number above the count (from a file) makes a new record; row 9 is left alone.
        WrittenCase{"NumberAboveCountBecomesNextRecord", sheetWith(5, {{9, Record{u"9"_qs, u"古い"_qs}}}), u"9"_qs, 10,
                    true, 100},
        WrittenCase{"ZeroBecomesNextRecord", sheetWith(5), u"0"_qs, 6, true, 100},
        WrittenCase{"NegativeBecomesNextRecord", sheetWith(5), u"-3"_qs, 6, true, 100},
        WrittenCase{"SignedAndLeadingBlanksAreANumber", sheetWith(5), u" +2"_qs, 2, false, 100},
        // Rows 1..99 are full: the hundredth record adds row 100.
        WrittenCase{"HundredthRecordGrowsTheSheetByOneRow", sheetWith(99), u"100"_qs, 100, true, 101}),
    [](const testing::TestParamInfo<WrittenCase>& info) { return std::string(info.param.name); });

TEST(Register, RecordCountAheadOfTheSheetGrowsItToTheTargetRow)
{
    RecordSheet sheet;
    sheet.recordCount = 150; // a file whose count exceeds its rows
    PreviousEntries ed;
    const RegisterResult result = registerRecord(sheet, ed, EntryRecord{u"151"_qs, fullRecord(u"電灯幹線"_qs)});
    EXPECT_EQ(result.row, 151);
    EXPECT_EQ(sheet.rowCount(), 152);
    EXPECT_EQ(sheet.cell(ColPurpose, 151), u"電灯幹線"_qs);
    EXPECT_EQ(sheet.recordCount, 151);
}

TEST(Register, FormWithoutTheRecognisingFieldsWritesNothingAndKeepsTheStore)
{
    RecordSheet sheet = sheetWith(2);
    const RecordSheet before = sheet;
    PreviousEntries ed = fullRecord(u"前の用途"_qs);
    const PreviousEntries storedBefore = ed;

    const FieldTexts onlyOthers = fieldsWith({{ColFrom2, u"LP-1"_qs}, {ColTo2, u"P-2"_qs}, {ColCircuit, u"3"_qs}});
    for (const FieldTexts& fields : {FieldTexts{}, onlyOthers}) {
        const RegisterResult result = registerRecord(sheet, ed, EntryRecord{u"3"_qs, fields});
        EXPECT_EQ(result.outcome, RegisterOutcome::NothingToStore);
        EXPECT_TRUE(sheet == before);
        EXPECT_EQ(ed, storedBefore);
    }
}

TEST(Register, EachRecognisingFieldAloneMakesARecord)
{
    for (Column column : {ColFrom1, ColTo1, ColCableType, ColPurpose, ColConstructionDate, ColConstructor,
                          ColManufactureYear}) {
        const FieldTexts fields = fieldsWith({{column, u"x"_qs}});
        EXPECT_FALSE(isBlankForRegister(fields)) << column;
    }
}

TEST(Register, NumberThatIsNotAnIntegerFailsAfterStoringTheFields)
{
    for (const QString& label : {u"No."_qs, QString(), u"3 "_qs, u"３"_qs, u"99999999999"_qs, u"1.5"_qs}) {
        RecordSheet sheet = sheetWith(5);
        const RecordSheet before = sheet;
        PreviousEntries ed;
        const EntryRecord entry{label, fullRecord(u"動力幹線"_qs)};
        try {
            registerRecord(sheet, ed, entry);
            ADD_FAILURE() << "no failure for " << label.toStdString();
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.message(), u"'%1' は整数ではありません"_qs.arg(label));
        }
        EXPECT_EQ(ed, entry.fields) << label.toStdString();
        EXPECT_TRUE(sheet == before) << label.toStdString();
    }
}

TEST(Register, RecordPastTheLargestSheetIsRefusedWithTheSheetUntouched)
{
    RecordSheet sheet;
    sheet.setRowCount(kMaxRowCount);
    sheet.recordCount = kMaxRowCount - 1;
    const RecordSheet before = sheet;
    PreviousEntries ed;

    try {
        registerRecord(sheet, ed, EntryRecord{QString::number(kMaxRowCount), fullRecord(u"動力幹線"_qs)});
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(QString::number(kMaxRowCount))) << failure.message().toStdString();
    }
    EXPECT_TRUE(sheet == before);

    // The last row that fits is still accepted.
    sheet.recordCount = kMaxRowCount - 2;
    EXPECT_EQ(registerRecord(sheet, ed, EntryRecord{u"0"_qs, fullRecord(u"x"_qs)}).row, kMaxRowCount - 1);
    EXPECT_EQ(sheet.rowCount(), kMaxRowCount);
}

} // namespace

TEST(Register, LineBreaksInTheFieldsNeverReachTheSheetOrTheStore)
{
    RecordSheet sheet = sheetWith(2);
    PreviousEntries ed;
    FieldTexts fields = fullRecord(u"動力\r\n幹線"_qs);
    fields.at(ColCableType) = u"CVT 60sq\r\n"_qs;
    fields.at(ColFrom1) = u"電気\u2028室\n"_qs;

    const RegisterResult result = registerRecord(sheet, ed, EntryRecord{u"3"_qs, fields});

    ASSERT_EQ(result.outcome, RegisterOutcome::Written);
    EXPECT_EQ(sheet.cell(ColPurpose, 3), u"動力 幹線"_qs);
    EXPECT_EQ(sheet.cell(ColCableType, 3), u"CVT 60sq"_qs);
    EXPECT_EQ(sheet.cell(ColFrom1, 3), u"電気 室"_qs);
    EXPECT_EQ(ed.at(ColCableType), u"CVT 60sq"_qs);
}
