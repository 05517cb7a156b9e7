// A record file whose record count (line 2) is 2147483647 on a sheet of 100
// rows: every output of tagrio-cli ends at once with plates for the 99 record
// rows the sheet has. In the sanitizer build an overflow anywhere on the way
// stops the program, so this test fails there too.
#include "../print/PdfReadBack.h"
#include "../spreadsheet/XlsxReadBack.h"
#include "ReliabilitySupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using PdfReadBack::ProcessRun;

constexpr int kRows = 100;
constexpr int kRecordRows = kRows - 1;

class HugeRecordCount : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writePlatesFile(records, kRows, kHugeRecordCount);
        QFile file(records);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        file.readLine();
        ASSERT_EQ(file.readLine().trimmed(), "2147483647");
    }

    // Runs tagrio-cli COMMAND KIND FILE -o OUT and returns OUT; a run that
    // does not end within a minute counts as a failure (a loop to 2^31).
    QString output(const QString& command, const QString& kind)
    {
        const QString out = dir.filePath(command + u'-' + kind + (command == u"pdf" ? u".pdf"_qs : u".xlsx"_qs));
        const ProcessRun run = PdfReadBack::run(QStringLiteral(TAGRIO_CLI), {command, kind, records, u"-o"_qs, out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, out + u'\n');
        return out;
    }

    static int countIn(const XlsxSheet& sheet, const QString& text)
    {
        int count = 0;
        for (const auto& [address, cell] : sheet.cells)
            count += cell.text.count(text);
        return count;
    }

    static int lastRow(const XlsxSheet& sheet)
    {
        int last = 0;
        for (const auto& [address, cell] : sheet.cells)
            last = std::max(last, address.mid(address.indexOf(QRegularExpression(u"[0-9]"_qs))).toInt());
        return last;
    }

    QTemporaryDir dir;
    const QString records = dir.filePath(u"huge.kav"_qs);
};

} // namespace

TEST_F(HugeRecordCount, TheFileLoadsWithItsCount)
{
    const ProcessRun dump = PdfReadBack::run(QStringLiteral(TAGRIO_CLI), {u"dump"_qs, records});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.out.contains(u"\"count\":2147483647"_qs)) << dump.out.left(200).toStdString();
    EXPECT_TRUE(dump.out.contains(u"\"rowCount\":100"_qs)) << dump.out.left(200).toStdString();
}

TEST_F(HugeRecordCount, WorkbooksHoldOnePlatePerRecordRow)
{
    const XlsxFile typeA = XlsxFile::read(output(u"xlsx"_qs, u"a"_qs));
    ASSERT_EQ(typeA.sheets.size(), 3u);
    for (const XlsxSheet& sheet : typeA.sheets) {
        EXPECT_EQ(sheet.text(u"Q1"_qs), u"No.1～No.99") << sheet.name.toStdString();
        EXPECT_EQ(countIn(sheet, u"鯱"_qs), kRecordRows) << sheet.name.toStdString();
        // 17 page blocks of 51 rows and 6 plates: record row 99 is plate 3 of the last.
        EXPECT_EQ(sheet.text(u"V836"_qs), u"No.99") << sheet.name.toStdString();
        EXPECT_LE(lastRow(sheet), 17 * 51) << sheet.name.toStdString();
    }

    for (const QString& kind : {u"b-trunk"_qs, u"b-branch"_qs}) {
        const XlsxFile typeB = XlsxFile::read(output(u"xlsx"_qs, kind));
        ASSERT_FALSE(typeB.sheets.empty()) << kind.toStdString();
        EXPECT_EQ(countIn(typeB.sheets.front(), u"鯱"_qs), kRecordRows) << kind.toStdString();
        EXPECT_EQ(countIn(typeB.sheets.front(), u"鯱99"_qs), 1) << kind.toStdString();
        // One break below each of the 13 pages of 8 records.
        EXPECT_EQ(typeB.sheets.front().rowBreaks.size(), 13u) << kind.toStdString();
    }

    // The template reads no records, but loads the same file.
    EXPECT_FALSE(XlsxFile::read(output(u"xlsx"_qs, u"template"_qs)).sheets.empty());
}

TEST_F(HugeRecordCount, PrintsHoldOnePlatePerRecordRow)
{
    const struct {
        QString kind;
        int pages;
    } cases[] = {{u"a"_qs, 17}, {u"b-trunk"_qs, 5}, {u"b-branch"_qs, 3}};
    for (const auto& [kind, pages] : cases) {
        const QString pdf = output(u"pdf"_qs, kind);
        EXPECT_EQ(PdfReadBack::pageCount(pdf), pages) << kind.toStdString();
        const QString text = PdfReadBack::run(u"pdftotext"_qs, {pdf, u"-"_qs}).out;
        EXPECT_EQ(text.count(u"鯱"_qs), kRecordRows) << kind.toStdString();
    }
}
