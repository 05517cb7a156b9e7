// Damaged and hostile record files: each one either loads to the sheet the
// reading rules give, or fails with the user's message; none crashes.
#include "TestSupport.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"
#include "sheet/SheetEditing.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

QByteArray header(const char* recordCount, const char* rowCount)
{
    return QByteArray("company\r\n") + recordCount + "\r\n" + rowCount + "\r\nNo.\r\n";
}

QByteArray utf16le(const QString& text)
{
    QByteArray out("\xFF\xFE");
    out.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return out;
}

struct Outcome {
    QString message; // empty: the load succeeds
    std::function<void(const QString& company, const RecordSheet&)> check;
};

struct HostileCase {
    const char* name;
    QByteArray bytes;
    Outcome outcome;
};

const QString kListIndex0 = u"リストのインデックスが範囲を超えています (0)"_qs;

std::vector<HostileCase> hostileCases()
{
    const QByteArray tenMegabyteCell(10 * 1024 * 1024, 'x');
    QByteArray millionFields = "1";
    for (int i = 0; i < 1000000; ++i)
        millionFields += ",f";
    return {
        {"empty file", QByteArray(), {kListIndex0, {}}},
        {"only a UTF-8 mark", "\xEF\xBB\xBF", {kListIndex0, {}}},
        {"only a UTF-16 mark", "\xFF\xFE", {kListIndex0, {}}},
        {"truncated UTF-16", utf16le(u"社名\r\n1\r\n2\r\nNo.\r\n1,a\r\n"_qs).chopped(1),
         {{}, [](const QString& c, const RecordSheet& s) { EXPECT_EQ(c, u"社名"); EXPECT_EQ(s.cell(1, 1), u"a"); }}},
        {"invalid UTF-8 after the mark", "\xEF\xBB\xBF\xC3\x28\r\n0\r\n1\r\nx\r\n",
         {{}, [](const QString& c, const RecordSheet& s) { EXPECT_EQ(c, u"\uFFFD("); EXPECT_EQ(s.rowCount(), 1); }}},
        {"NUL bytes inside fields", header("1", "2") + QByteArray("1,a\0b,\"q\0q\"\r\n", 13),
         {{}, [](const QString&, const RecordSheet& s) {
              EXPECT_EQ(s.cell(1, 1), u"a");
              EXPECT_EQ(s.cell(2, 1), u"b");
              EXPECT_EQ(s.cell(3, 1), QStringView(u"q\0q", 3).toString());
          }}},
        {"a line of 10 MB", header("1", "2") + "1," + tenMegabyteCell + "\r\n",
         {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.cell(1, 1).size(), 10 * 1024 * 1024); }}},
        {"1,000,000 fields in one line", header("1", "2") + millionFields + "\r\n",
         {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.cell(10, 1), u"f"); }}},
        {"row count 0", header("0", "0"), {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.rowCount(), 1); }}},
        {"negative row count", header("0", "-7"), {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.rowCount(), 1); }}},
        {"row count 100,001", header("0", "100001"), {u"行数 '100001' は扱える上限の 100000 行を超えています"_qs, {}}},
        {"row count 2^31", header("0", "2147483648"), {u"'2147483648' は整数ではありません"_qs, {}}},
        {"row count 2^64", header("0", "18446744073709551616"), {u"'18446744073709551616' は整数ではありません"_qs, {}}},
        {"record count not a number", header("many", "2"), {u"'many' は整数ではありません"_qs, {}}},
        {"more lines than rows", header("1", "2") + "1,a\r\n2,b\r\n3,c\r\n",
         {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.rowCount(), 2); EXPECT_EQ(s.cell(1, 1), u"a"); }}},
        {"fewer lines than rows", header("1", "3") + "1,a\r\n", {u"リストのインデックスが範囲を超えています (5)"_qs, {}}},
        {"mixed line ends", "c\n1\r2\r\nNo.\n1,a\r",
         {{}, [](const QString& c, const RecordSheet& s) { EXPECT_EQ(c, u"c"); EXPECT_EQ(s.cell(1, 1), u"a"); }}},
        {"a quoted field never closed", header("1", "2") + "1,\"open, still open\r\n",
         {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.cell(1, 1), u"open, still open"); }}},
        {"a field of only blanks", header("1", "2") + "1,   ,x\r\n",
         {{}, [](const QString&, const RecordSheet& s) { EXPECT_EQ(s.cell(1, 1), u""); EXPECT_EQ(s.cell(2, 1), u"x"); }}},
    };
}

TEST(HostileRecordFiles, EachLoadsAsTheRulesSayOrFailsWithItsMessage)
{
    for (const HostileCase& c : hostileCases()) {
        QString company;
        RecordSheet sheet;
        QString message;
        try {
            RecordFile::loadFromBytes(c.bytes, company, sheet);
        } catch (const Failure& f) {
            message = f.message();
        }
        EXPECT_EQ(message, c.outcome.message) << c.name;
        EXPECT_GE(sheet.rowCount(), 1) << c.name;
        EXPECT_LE(sheet.rowCount(), kMaxRowCount) << c.name;
        if (message.isEmpty() && c.outcome.check)
            c.outcome.check(company, sheet);
    }
}

TEST(HostileRecordFiles, FoldersAndDevicesAreRefusedWithTheOpenMessage)
{
    QTemporaryDir dir;
    QStringList paths{dir.path()};
#ifndef Q_OS_WIN // Windows has no device files in its file system
    paths << u"/dev/zero"_qs << u"/dev/null"_qs;
#endif
    for (const QString& path : paths) {
        QString company = u"kept"_qs;
        RecordSheet sheet;
        try {
            RecordFile::load(path, company, sheet);
            ADD_FAILURE() << path.toStdString() << " loaded";
        } catch (const Failure& f) {
            EXPECT_TRUE(f.message().startsWith(u"ファイル "_qs + path + u" は開けません。 "_qs)) << f.message().toStdString();
        }
        EXPECT_EQ(company, u"kept");
        EXPECT_EQ(sheet, RecordSheet());
    }
}

} // namespace

namespace {

TEST(HostileClipboard, HugeOrOddTextPastesWithinTheCapOrIsRefusedWhole)
{
    {
        // 1,000,000 lines: refused whole, the sheet stays as it was.
        QString million;
        million.reserve(3 * 1000000);
        for (int i = 0; i < 1000000; ++i)
            million += u"n\r\n"_qs;
        RecordSheet sheet;
        try {
            SheetEditing::paste(sheet, 1, million);
            ADD_FAILURE() << "a million lines pasted";
        } catch (const Failure& f) {
            EXPECT_TRUE(f.message().contains(u"100000"_qs)) << f.message().toStdString();
        }
        EXPECT_EQ(sheet, RecordSheet());
    }
    struct Case {
        const char* name;
        QString text;
        std::function<void(const RecordSheet&)> check;
    };
    const Case cases[] = {
        {"a line of 10 MB", QString(10 * 1024 * 1024, u'x'),
         [](const RecordSheet& s) { EXPECT_EQ(s.cell(0, 1).size(), 10 * 1024 * 1024); }},
        {"NUL characters", QStringView(u"1\t\0a\0\t", 6).toString(),
         [](const RecordSheet& s) { EXPECT_EQ(s.cell(1, 1), QStringView(u"\0a\0", 3).toString()); }},
        {"lone CR line ends", u"1\ta\r2\tb\r"_qs,
         [](const RecordSheet& s) { EXPECT_EQ(s.cell(1, 2), u"b"); EXPECT_EQ(s.cell(0, 3), u""); }},
    };
    for (const Case& c : cases) {
        RecordSheet sheet;
        SheetEditing::paste(sheet, 1, c.text);
        EXPECT_EQ(sheet.rowCount(), 100) << c.name;
        c.check(sheet);
    }
}

} // namespace
