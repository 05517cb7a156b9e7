#include "TestSupport.h"
#include "sheet/CommaText.h"

namespace {

Record recordOf(std::initializer_list<const char16_t*> cells)
{
    Record r{};
    size_t i = 0;
    for (const char16_t* c : cells)
        r[i++] = QString::fromUtf16(c);
    return r;
}

TEST(CommaText, WritesHeaderEmptyAndQuotedRowsLikeExistingFiles)
{
    EXPECT_EQ(CommaText::writeRow(RecordSheet::headerTexts()),
              u"No.,\"(自) NAME-1\",\"(自) NAME-2\",\"(至) NAME-1\",\"(至) NAME-2\",回路番号,ｹｰﾌﾞﾙ種類,用途,施行年月日,施行者名,ｹｰﾌﾞﾙ製造年");
    EXPECT_EQ(CommaText::writeRow(Record{}), u",,,,,,,,,,");
    EXPECT_EQ(CommaText::writeRow(recordOf({u"1", u"キュービクル", u"", u"電灯分電盤 ", u"L-1"})),
              u"1,キュービクル,,\"電灯分電盤 \",L-1,,,,,,");
}

TEST(CommaText, QuotesOnlyWhereAReaderWouldSplit)
{
    struct Case {
        const char16_t* cell;
        const char16_t* written;
    };
    const Case cases[] = {
        {u"a,b", u"\"a,b\""},
        {u"say \"hi\"", u"\"say \"\"hi\"\"\""},
        {u"a\tb", u"\"a\tb\""},
        {u" ", u"\" \""},
        {u"全角　空白", u"全角　空白"},
        {u"ｹｰﾌﾞﾙ", u"ｹｰﾌﾞﾙ"},
        {u"\u00a0", u"\u00a0"},
    };
    for (const Case& c : cases) {
        Record r{};
        r[0] = QString::fromUtf16(c.cell);
        EXPECT_EQ(CommaText::writeRow(r), QString::fromUtf16(c.written) + u",,,,,,,,,,"_qs) << QString::fromUtf16(c.cell).toStdString();
    }
}

TEST(CommaText, ReadsFieldsByTheReaderRules)
{
    struct Case {
        const char16_t* line;
        QStringList fields;
    };
    const Case cases[] = {
        {u"", {}},
        {u"a,b", {u"a"_qs, u"b"_qs}},
        {u"a b", {u"a"_qs, u"b"_qs}},            // an unquoted field ends at a blank
        {u"  a ,  b", {u"a"_qs, u"b"_qs}},       // blanks around fields are skipped
        {u"a,", {u"a"_qs, QString()}},           // trailing comma: one more empty field
        {u",,", {QString(), QString(), QString()}},
        {u"\"x,\"\"y\"\"\",z", {u"x,\"y\""_qs, u"z"_qs}},
        {u"\"never closed, still", {u"never closed, still"_qs}},
        {u"\"ab\"cd", {u"ab"_qs, u"cd"_qs}},
        {u"\" \"", {u" "_qs}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommaText::readFields(QString::fromUtf16(c.line)), c.fields) << QString::fromUtf16(c.line).toStdString();
}

TEST(CommaText, RowTakesElevenFieldsAndEmptiesTheRest)
{
    Record row = recordOf({u"old", u"old", u"old"});
    CommaText::readRow(u"1,2", row);
    EXPECT_EQ(row, recordOf({u"1", u"2"}));
    CommaText::readRow(u"0,1,2,3,4,5,6,7,8,9,10,11,12", row);
    EXPECT_EQ(row[10], u"10");
}

TEST(CommaText, WriteThenReadReturnsTheCells)
{
    const QStringList cells = {u"a b"_qs, u"\"q\""_qs, QString(), u"x,y"_qs, u"\t"_qs, u"末尾 "_qs,
                               QString(QChar(0)) + u"nul"_qs, u"ｱｲｳ　漢字"_qs};
    EXPECT_EQ(CommaText::readFields(CommaText::writeFields(cells)), cells);
}

} // namespace

TEST(CommaText, RepeatedCellsShareOneCopyAndReadAsWithoutSharing)
{
    CommaText::SharedTexts shared;
    const QString lines[] = {u"1,東棟,\"電灯分電盤 \",L-1"_qs, u"2,東棟,\"電灯分電盤 \",L-2"_qs};
    Record rows[2];
    for (int i = 0; i < 2; ++i) {
        CommaText::readRow(lines[i], rows[i], shared);
        Record plain;
        CommaText::readRow(lines[i], plain);
        EXPECT_EQ(rows[i], plain);
    }
    EXPECT_EQ(rows[0][1].constData(), rows[1][1].constData());
    EXPECT_EQ(rows[0][2].constData(), rows[1][2].constData()); // a quoted cell too
    EXPECT_NE(rows[0][3].constData(), rows[1][3].constData());
}
