#include "TableCells.h"
#include "TestSupport.h"

#include "sheet/CsvTable.h"
#include "sheet/Failure.h"
#include "sheet/TextCodec.h"

#include <QStringEncoder>

#include <vector>

namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

QByteArray utf16(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    TableCells expected;
};

const std::u16string kJapanese = u"ｹｰﾌﾞﾙ種類";

TEST(CsvTableTest, ReadsEachEncodingSeparatorQuotingAndLineEnd)
{
    const std::vector<ReadCase> cases = {
        {"UTF-8 with mark, CR LF", QByteArray("\xEF\xBB\xBF") + (q(u"1,電灯\r\n2,動力\r\n")).toUtf8(),
         {{u"1", u"電灯"}, {u"2", u"動力"}}},
        {"UTF-8 without mark, LF", (q(u"1,電灯\n2,動力")).toUtf8(), {{u"1", u"電灯"}, {u"2", u"動力"}}},
        {"UTF-16 LE with mark", utf16(QStringConverter::Utf16LE, q(u"1,") + QString::fromStdU16String(kJapanese) + q(u"\r\n")),
         {{u"1", kJapanese}}},
        {"UTF-16 BE with mark", utf16(QStringConverter::Utf16BE, q(u"1,") + QString::fromStdU16String(kJapanese) + q(u"\r\n")),
         {{u"1", kJapanese}}},
        {"Shift_JIS (not valid UTF-8)", TextCodec::toShiftJis(q(u"1,") + QString::fromStdU16String(kJapanese) + q(u",〇〇株式会社\r\n")),
         {{u"1", kJapanese, u"〇〇株式会社"}}},
        {"tab separated, commas are text", "1\ta,b\tc\r\n2\t\td\r\n", {{u"1", u"a,b", u"c"}, {u"2", u"", u"d"}}},
        {"quoted comma, doubled quote, line break", "1,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n",
         {{u"1", u"a,b", u"say \"hi\"", u"two\r\nlines"}}},
        {"quoted tab in a tab-separated row", "1\t\"x\ty\"\tz\n", {{u"1", u"x\ty", u"z"}}},
        {"quote inside an unquoted cell is text", "1,5\" pipe,x\r\n", {{u"1", u"5\" pipe", u"x"}}},
        {"lone CR line ends", "1,a\r2,b\r", {{u"1", u"a"}, {u"2", u"b"}}},
        {"empty cells and an empty line in the middle", "1,,c\r\n\r\n3,d\r\n", {{u"1", u"", u"c"}, {}, {u"3", u"d"}}},
        {"blank rows at the end are dropped", "1,a\r\n,,,\r\n\r\n", {{u"1", u"a"}}},
        {"blanks around texts kept", "1, a ,\"b \"\r\n", {{u"1", u" a ", u"b "}}},
        {"semicolons, quoted ones are text", "No.;a;b\r\n1;\"x;y\";c,d\r\n", {{u"No.", u"a", u"b"}, {u"1", u"x;y", u"c,d"}}},
        {"semicolons with a comma in every line", "1;a,b;c\n2;d,e;f\n", {{u"1", u"a,b", u"c"}, {u"2", u"d,e", u"f"}}},
        {"tabs with semicolons inside texts", "1\ta;b\tc\n2\td\te;f\n", {{u"1", u"a;b", u"c"}, {u"2", u"d", u"e;f"}}},
        {"a guarded formula start loses its apostrophe", "'=1+1,\"'-2\",''x,'abc,it's\r\n",
         {{u"=1+1", u"-2", u"'x", u"'abc", u"it's"}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportedTable table = CsvTable::parse(c.bytes, q(u"list.csv"));
        EXPECT_EQ(cellsOf(table), c.expected);
        EXPECT_TRUE(table.notes.isEmpty());
    }
}

TEST(CsvTableTest, FormatNamesTheEncodingAndSeparatorParseUses)
{
    const struct {
        QByteArray bytes;
        const char16_t* encoding;
        QChar separator;
    } cases[] = {
        {QByteArray("\xEF\xBB\xBF") + "a;b\r\n", u"UTF-8", u';'},
        {TextCodec::toShiftJis(q(u"盤\tｹｰﾌﾞﾙ\r\n")), u"Shift_JIS", u'\t'},
        {utf16(QStringConverter::Utf16LE, q(u"a,b;c,d\r\n")), u"UTF-16", u','},
        {q(u"電灯,1\n").toUtf8(), u"UTF-8", u','},
    };
    for (const auto& c : cases) {
        const CsvTable::TextFormat format = CsvTable::formatOf(c.bytes, q(u"list.csv"));
        EXPECT_EQ(format.encoding, QString::fromUtf16(c.encoding));
        EXPECT_EQ(format.separator, c.separator) << format.encoding.toStdString();
    }
}

TEST(CsvTableTest, CellsPastColumnKAreDroppedWithANote)
{
    const ImportedTable table = CsvTable::parse("1,b,c,d,e,f,g,h,i,j,k,L,M\r\n2\r\n3,,,,,,,,,,,x\r\n", q(u"list.csv"));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][10], u"k");
    ASSERT_EQ(table.notes.size(), 1);
    EXPECT_TRUE(table.notes[0].contains(q(u"2 行"))) << table.notes[0].toStdString();
}

TEST(CsvTableTest, RefusesBytesThatAreNoTextNamingTheFileAndTheLine)
{
    const QString notText = q(u"ファイル list.csv は開けません。 表のテキスト（CSV）ではありません。%1 行目に文字でないバイトがあります。 ");
    const QString notShiftJis = q(u"ファイル list.csv は開けません。 %1 行目に Shift_JIS でも UTF-8 でもないバイトがあります。 ");
    struct Case {
        const char* name;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"a picture", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), notText.arg(2)},
        {"control bytes in UTF-8", "1,a\r\n2,\x01\x02\x03\r\n", notText.arg(2)},
        {"NUL after lone CR and LF line ends", QByteArray("a\rb\nc,\0", 7), notText.arg(3)},
        {"a Shift_JIS byte pair no character has",
         TextCodec::toShiftJis(u"番号,自\r\n1,盤A\r\n\"2\r\n3\",") + "\x85\x40\r\n", notShiftJis.arg(4)},
        {"a byte Shift_JIS never uses", TextCodec::toShiftJis(u"番号,自\r\n") + "1,\x80\r\n", notShiftJis.arg(2)},
        {"invalid UTF-8 after its byte-order mark", "\xEF\xBB\xBFNo.\r\n1,\xC3\x28\r\n",
         q(u"ファイル list.csv は開けません。 2 行目に UTF-8 でないバイトがあります。 ")},
    };
    for (const Case& c : cases) {
        for (const bool formatOnly : {false, true}) {
            try {
                if (formatOnly)
                    CsvTable::formatOf(c.bytes, q(u"list.csv"));
                else
                    CsvTable::parse(c.bytes, q(u"list.csv"));
                ADD_FAILURE() << c.name << ": no failure";
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.message(), c.message) << c.name;
            }
        }
    }
    // A U+FFFD typed as such in UTF-8 is a character like any other.
    EXPECT_EQ(CsvTable::parse(q(u"1,\uFFFD\r\n").toUtf8(), q(u"list.csv")).rows.at(0)[1], q(u"\uFFFD"));
}

TEST(CsvTableTest, EncodesUtf8WithMarkCrLfAndQuotesWhereNeeded)
{
    const std::vector<Record> rows = {
        {q(u"1"), q(u"a,b"), q(u"say \"hi\""), q(u"two\nlines"), q(u" lead"), q(u"電灯"), q(u"a;=1+1"), q(u"a\t=1+1"), q(u"cr\rx")},
        // Formula starts go behind an apostrophe, and so does an apostrophe.
        {q(u"=1+1"), q(u"+1"), q(u"-"), q(u"@SUM(A1)"), q(u"\tx"), q(u"\rx"), q(u"'a"), q(u"''=b"), q(u"a=b"), q(u"a-")},
    };
    const QByteArray bytes = CsvTable::encode(rows);
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF")
                         + (q(u"1,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" lead\",電灯,\"a;=1+1\",\"a\t=1+1\",\"cr\rx\",,\r\n"
                              u"\"'=1+1\",\"'+1\",\"'-\",\"'@SUM(A1)\",\"'\tx\",\"'\rx\",\"''a\",\"'''=b\",a=b,a-,\r\n"))
                               .toUtf8());
    EXPECT_EQ(CsvTable::parse(bytes, q(u"list.csv")).rows, rows);
}

} // namespace
