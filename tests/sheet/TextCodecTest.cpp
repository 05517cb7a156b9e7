#include "TestSupport.h"
#include "sheet/FileLines.h"
#include "sheet/TextCodec.h"

#include <QStringList>

namespace {

QStringList toList(const std::vector<QStringView>& views)
{
    QStringList out;
    for (QStringView v : views)
        out << v.toString();
    return out;
}

TEST(TextCodec, SplitsAtEveryLineEndWithoutAnExtraLastLine)
{
    struct Case {
        const char16_t* text;
        QStringList lines;
    };
    const Case cases[] = {
        {u"", {}},
        {u"a", {u"a"_qs}},
        {u"a\r\nb\r\n", {u"a"_qs, u"b"_qs}},
        {u"a\nb\rc", {u"a"_qs, u"b"_qs, u"c"_qs}},
        {u"a\r\r\nb", {u"a"_qs, QString(), u"b"_qs}},
        {u"\n\n", {QString(), QString()}},
        {u"a\n\r", {u"a"_qs, QString()}}, // LF then a lone CR: two line ends
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(toList(TextCodec::splitLines(text)), c.lines) << text.toStdString();
    }
}

TEST(TextCodec, DecodesEveryMarkedEncodingAndShiftJisOtherwise)
{
    const QString text = u"〇〇〇〇株式会社\r\nｹｰﾌﾞﾙ種類～"_qs;
    QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
    for (QChar c : text) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    EXPECT_EQ(TextCodec::decode(TextCodec::toShiftJis(text)), text);
    EXPECT_EQ(TextCodec::decode(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text);
    EXPECT_EQ(TextCodec::decode(utf16le), text);
    EXPECT_EQ(TextCodec::decode(utf16be), text);
    // UTF-8 without a mark is read as Shift_JIS, as the file format says.
    EXPECT_NE(TextCodec::decode(text.toUtf8()), text);
}

TEST(TextCodec, ShiftJisBytesMatchCodePage932)
{
    EXPECT_EQ(TextCodec::toShiftJis(u"〇〇〇〇株式会社"), QByteArray::fromHex("815a815a815a815a8a948eae89ef8ed0"));
    EXPECT_EQ(TextCodec::toShiftJis(u"ｹｰﾌﾞﾙ種類"), QByteArray::fromHex("b9b0ccded98eed97de"));
    EXPECT_EQ(TextCodec::toShiftJis(u"～㈱①"), QByteArray::fromHex("8160878a8740"));
    EXPECT_EQ(TextCodec::toShiftJis(u"𠮷é"), QByteArray("??"));
}

TEST(TextCodec, ByteWidthCountsFullWidthTwoAndUnmappableOne)
{
    struct Case {
        const char16_t* text;
        int bytes;
        int characters;
    };
    const Case cases[] = {
        {u"", 0, 0}, {u"CV 3C", 5, 5}, {u"ｹｰﾌﾞﾙ", 5, 5}, {u"電灯分電盤", 10, 5}, {u"𠮷", 1, 2}, {u"é", 1, 1},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(TextCodec::byteWidth(text), c.bytes) << text.toStdString();
        EXPECT_EQ(TextCodec::characterCount(text), c.characters) << text.toStdString();
    }
}

TEST(TextCodec, SavesShiftJisUnlessACharacterWouldBeLost)
{
    // Characters with a two-way mapping stay Shift_JIS, NEC and IBM extras included.
    const QString exact = u"株式会社\r\nｱ①≒Ⅰ\\~\r\n"_qs;
    EXPECT_EQ(TextCodec::encodeLinesForSaving({u"株式会社"_qs, u"ｱ①≒Ⅰ\\~"_qs}), TextCodec::toShiftJis(exact));
    EXPECT_EQ(TextCodec::decode(TextCodec::toShiftJis(exact)), exact);
    // Characters with only a close equivalent (〜 − ¥), none at all, or a lone surrogate.
    for (const char16_t* lossy : {u"𠮷野家", u"〜wave", u"café", u"−5", u"¥100"}) {
        const QByteArray bytes = TextCodec::encodeLinesForSaving({QString::fromUtf16(lossy)});
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(TextCodec::decode(bytes), QString::fromUtf16(lossy) + u"\r\n"_qs);
    }
    const QString loneSurrogate = u"ab"_qs + QChar(0xD842);
    EXPECT_TRUE(TextCodec::encodeLinesForSaving({loneSurrogate}).startsWith("\xEF\xBB\xBF"));
    // Large texts are encoded in pieces: a lossy line after many pieces of
    // Shift_JIS, or before them, still makes the whole file UTF-8.
    const QStringList plainLines(40000, u"株式会社ケーブル"_qs);
    for (const QStringList& lines : {plainLines + QStringList{u"𠮷"_qs}, QStringList{u"𠮷"_qs} + plainLines}) {
        const QByteArray bytes = TextCodec::encodeLinesForSaving(lines);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(TextCodec::decode(bytes), lines.join(u"\r\n"_qs) + u"\r\n"_qs);
    }
}

TEST(TextCodec, DamagedInputDecodesWithoutFailing)
{
    EXPECT_EQ(TextCodec::decode(QByteArray("\xFF\xFE" "A", 3)).size(), 1);   // odd UTF-16 byte count
    EXPECT_TRUE(TextCodec::decode(QByteArray("\xEF\xBB\xBF\xC3")).size() == 1); // cut UTF-8 sequence
    EXPECT_EQ(TextCodec::decode(QByteArray("\xEF\xBB\xBF")), QString());
    EXPECT_EQ(TextCodec::decode(QByteArray("a\0b", 3)), QStringView(u"a\0b", 3).toString());
}

} // namespace

// Large files are decoded a line at a time: every line must come out as the
// whole text decoded and split would give it, damaged bytes included.
TEST(TextCodec, FileLinesReadAsTheWholeTextSplit)
{
    const QByteArray cases[] = {
        QByteArray("a\r\nb\nc\rd\r\n\r\ne"),
        QByteArray("\x81\r\n\x82\xA0x\n\x81"),                   // lead bytes before a break and at the end
        QByteArray("\x83\x41\x83\x43\r\n\xFF\x80\xA0\r\n"),       // katakana, bytes code page 932 lacks
        QByteArray("\xEF\xBB\xBF\xC3\r\n\xE6\x97\xA5\xE6\n\xF0"), // UTF-8 cut inside characters
        QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0", 12),          // UTF-16 LE
        QByteArray("\xFE\xFF\0a\0\n\0b", 8),                      // UTF-16 BE
        QByteArray(),
        QByteArray("\r\n\r\n"),
    };
    for (const QByteArray& bytes : cases) {
        const QString text = TextCodec::decode(bytes);
        const std::vector<QStringView> expected = TextCodec::splitLines(text);
        const FileLines lines(bytes);
        FileLines::Reader reader(lines);
        ASSERT_EQ(lines.count(), std::ssize(expected)) << bytes.toHex().toStdString();
        for (qsizetype i = 0; i < lines.count(); ++i)
            EXPECT_EQ(reader.line(i), expected[static_cast<size_t>(i)]) << bytes.toHex().toStdString() << " line " << i;
    }
}
