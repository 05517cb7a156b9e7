#include "SpreadsheetTestSupport.h"
#include "XlsxReadBack.h"
#include "sheet/Failure.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/WorkbookHandOff.h"
#include "spreadsheet/XlsxWriter.h"
#include "../FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class XlsxWriterTest : public ::testing::Test {
protected:
    XlsxFile writeAndRead(const Workbook& workbook)
    {
        const QString path = folder.filePath(QStringLiteral("out.xlsx"));
        XlsxWriter::write(workbook, path);
        return XlsxFile::read(path);
    }

    QTemporaryDir folder;
};

// Widths are written with the application's padding added (3 -> 3.71...).
int characters(double writtenWidth) { return int(std::floor(writtenWidth)); }

} // namespace

TEST_F(XlsxWriterTest, TextsStayTextsAndOnlyNumbersAreNumbers)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.setValue(at("A1"), QStringLiteral("001"));
    sheet.setValue(at("A2"), QStringLiteral("=1+1"));
    sheet.setValue(at("A3"), QStringLiteral(" "));
    sheet.setValue(at("A4"), QStringLiteral("令和5年4月1日 <&>"));
    sheet.setNumber(at("A5"), 100);
    const XlsxFile file = writeAndRead(workbook);
    const XlsxSheet& written = file.sheets.at(0);

    struct Case {
        const char* cell;
        QString text;
        bool number;
    };
    for (const Case& c : {Case{"A1", QStringLiteral("001"), false}, Case{"A2", QStringLiteral("=1+1"), false},
                          Case{"A3", QStringLiteral(" "), false},
                          Case{"A4", QStringLiteral("令和5年4月1日 <&>"), false}, Case{"A5", QStringLiteral("100"), true}}) {
        const XlsxCell* cell = written.cell(QString::fromLatin1(c.cell));
        ASSERT_NE(cell, nullptr) << c.cell;
        EXPECT_EQ(cell->text, c.text) << c.cell;
        EXPECT_EQ(cell->type == u"n" || cell->type.isEmpty(), c.number) << c.cell << " type " << cell->type.toStdString();
    }
    const QByteArray xml = unzipPart(folder.filePath(QStringLiteral("out.xlsx")), QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_FALSE(xml.contains("<f>")) << "no formulas";
    EXPECT_EQ(written.ignoredNumberAsText, u"A1:XFD1048576");
}

TEST_F(XlsxWriterTest, TypeAWorkbookKeepsSheetsMergesFormatsAndSizes)
{
    const XlsxFile file = writeAndRead([] {
        Workbook workbook;
        TypeASheet::build(workbook, numberedRecords(7), Settings::defaults(), [] {});
        return workbook;
    }());
    ASSERT_EQ(file.sheets.size(), 3u);
    EXPECT_EQ(file.sheets[0].name, u"ケーブル名板【 標準 】");
    EXPECT_EQ(file.sheets[1].name, u"ケーブル名板【 自→至 】");
    EXPECT_EQ(file.sheets[2].name, u"ケーブル名板【 至→自 】");

    const XlsxSheet& sheet = file.sheets[1];
    EXPECT_EQ(sheet.text(QStringLiteral("Q1")), u"No.1～No.7");
    EXPECT_EQ(sheet.text(QStringLiteral("I4")), u"(自)r1c1 r1c2 ～ (至)r1c3 r1c4");
    EXPECT_EQ(sheet.text(QStringLiteral("V4")), u"No.1");
    EXPECT_EQ(sheet.text(QStringLiteral("C9")), u"ｹｰﾌﾞﾙ製造年");
    EXPECT_EQ(sheet.merges.size(), size_t(9 * 12));
    for (const char* merged : {"C4:F4", "I4:S4", "I6:S6", "I7:S7", "C99:F99"})
        EXPECT_TRUE(sheet.merges.contains(QString::fromLatin1(merged))) << merged;

    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("C4")).horizontal, u"distributed");
    EXPECT_TRUE(file.styleOf(sheet, QStringLiteral("I4")).shrinkToFit);
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("I6")).horizontal, u"justify");
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("V4")).fontSize, 9);
    EXPECT_EQ(file.styles.at(size_t(sheet.columnStyles.at(22))).fontSize, 9);

    const XlsxStyle& corner = file.styleOf(sheet, QStringLiteral("B4"));
    EXPECT_EQ(corner.top, u"medium");
    EXPECT_EQ(corner.left, u"medium");
    EXPECT_EQ(corner.bottom, QString());
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("T9")).right, u"medium");
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("K9")).bottom, u"medium");
    EXPECT_EQ(file.styleOf(sheet, QStringLiteral("K7")).bottom, QString());

    EXPECT_DOUBLE_EQ(sheet.rowHeights.at(1), 18.6);
    EXPECT_DOUBLE_EQ(sheet.rowHeights.at(2), 3);
    EXPECT_DOUBLE_EQ(sheet.rowHeights.at(102), 3);
    EXPECT_EQ(sheet.rowHeights.size(), 102u);
    EXPECT_EQ(characters(sheet.columnWidths.at(1)), 3);
    EXPECT_EQ(characters(sheet.columnWidths.at(21)), 1);
    EXPECT_EQ(characters(sheet.columnWidths.at(22)), 5);
    // Two page blocks, one to a sheet of paper; every font is Arial.
    EXPECT_EQ(sheet.rowBreaks, std::vector<int>{51});
    EXPECT_EQ(sheet.printArea, u"$B$1:$V$102");
    EXPECT_TRUE(sheet.fitToPage);
    EXPECT_EQ(sheet.fitToHeight, u"2");
    EXPECT_TRUE(sheet.centredHorizontally);
    EXPECT_DOUBLE_EQ(sheet.margins.at(QStringLiteral("left")), 0.3);
    EXPECT_DOUBLE_EQ(sheet.margins.at(QStringLiteral("top")), 0.87);
    EXPECT_EQ(file.fontNames, (QStringList{QStringLiteral("Arial"), QStringLiteral("Arial")}));
}

TEST_F(XlsxWriterTest, TypeBWorkbookKeepsBordersBreaksAndPageSetup)
{
    const XlsxFile file = writeAndRead([] {
        Workbook workbook;
        TypeBSheet::build(workbook, numberedRecords(9), QStringLiteral("No."), PlateSize::Branch, [] {});
        return workbook;
    }());
    ASSERT_EQ(file.sheets.size(), 3u);
    const XlsxSheet& sheet = file.sheet(QStringLiteral("【ケーブル名板】"));
    EXPECT_EQ(file.sheets[1].name, u"Sheet2");

    EXPECT_EQ(sheet.text(QStringLiteral("R1")), u" ");
    EXPECT_EQ(sheet.text(QStringLiteral("D2")), u"No.");
    EXPECT_EQ(sheet.text(QStringLiteral("E3")), u"r1c1");
    EXPECT_EQ(sheet.text(QStringLiteral("D5")), u"r1c8 / r1c9");
    EXPECT_EQ(sheet.text(QStringLiteral("D65")), u" / ");
    EXPECT_EQ(sheet.merges.size(), 72u);
    EXPECT_TRUE(sheet.merges.contains(QStringLiteral("N115:P115")));

    // Between Y and Z a thin line on row g and hairlines below it; the
    // losing side of each shared edge carries no line of its own.
    const auto style = [&](const char* cell) { return file.styleOf(sheet, QString::fromLatin1(cell)); };
    EXPECT_EQ(style("F2").left, u"thin");
    EXPECT_EQ(style("F3").left, u"hair");
    EXPECT_EQ(style("E3").right, QString());
    EXPECT_EQ(style("E2").left, u"hair");
    EXPECT_EQ(style("E3").top, u"thin");
    EXPECT_EQ(style("D2").top, u"medium");
    EXPECT_EQ(style("D2").left, u"medium");
    EXPECT_TRUE(style("D2").shrinkToFit);
    EXPECT_EQ(style("D3").horizontal, u"center");
    EXPECT_FALSE(style("D3").shrinkToFit);
    EXPECT_EQ(style("A1").top, u"hair");
    EXPECT_EQ(style("Q5").right, u"hair");
    EXPECT_EQ(style("Q5").bottom, u"hair");

    // Nine records fill the first of the two laid-out pages: only it prints.
    EXPECT_EQ(sheet.rowBreaks, (std::vector<int>{60, 120}));
    EXPECT_EQ(sheet.columnBreaks, std::vector<int>{20});
    EXPECT_EQ(sheet.printArea, u"$C$1:$Q$60");
    EXPECT_TRUE(sheet.fitToPage);
    EXPECT_TRUE(sheet.fitToHeight.isEmpty() || sheet.fitToHeight == u"1") << "1 is the default";
    EXPECT_TRUE(sheet.fitToWidth.isEmpty() || sheet.fitToWidth == u"1");
    EXPECT_EQ(sheet.paperSize, u"9");
    EXPECT_DOUBLE_EQ(sheet.margins.at(QStringLiteral("top")), 0.9);
    EXPECT_TRUE(file.sheets[1].printArea.isEmpty()) << "sheets left as made keep no page set-up";
    EXPECT_NEAR(sheet.rowHeights.at(1), 15, 1e-6) << "a set height of 15 stays a set height";
    EXPECT_DOUBLE_EQ(sheet.rowHeights.at(120), 18);
    EXPECT_EQ(characters(sheet.columnWidths.at(5)), 13);
    EXPECT_EQ(characters(sheet.columnWidths.at(18)), 23);
}

TEST_F(XlsxWriterTest, AMergeOverSeveralRowsKeepsEachCellsOwnBorder)
{
    Workbook workbook;
    Worksheet& sheet = workbook.sheet(1);
    sheet.merge(CellRange::parse(u"B2:C3"));
    sheet.setValue(CellRange::parse(u"B2:C3"), QStringLiteral("merged"));
    sheet.setBorder(CellRange::parse(u"B2:C3"), Edge::Bottom, BorderWeight::Thin);
    sheet.setValue(at("D3"), QStringLiteral("after"));
    const XlsxFile file = writeAndRead(workbook);
    const XlsxSheet& written = file.sheets.at(0);
    EXPECT_EQ(written.merges, QStringList{QStringLiteral("B2:C3")});
    EXPECT_EQ(written.text(QStringLiteral("B2")), u"merged");
    EXPECT_EQ(written.text(QStringLiteral("D3")), u"after");
    EXPECT_EQ(file.styleOf(written, QStringLiteral("C3")).bottom, u"thin");
    EXPECT_EQ(file.styleOf(written, QStringLiteral("B2")).bottom, QString());
}

TEST_F(XlsxWriterTest, AFailedWriteSaysWhereAndLeavesNothingBehind)
{
    Workbook workbook;
    workbook.sheet(1).setValue(at("A1"), QStringLiteral("x"));
    const QString missingFolder = folder.filePath(QStringLiteral("missing/out.xlsx"));
    try {
        XlsxWriter::write(workbook, missingFolder);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().startsWith(QStringLiteral("ファイル \"") + missingFolder + u'"'))
            << failure.message().toStdString();
        EXPECT_TRUE(failure.message().contains(QStringLiteral("を作成できません。")));
    }

    // A folder in the way: the workbook is complete but cannot take its name.
    const QString occupied = folder.filePath(QStringLiteral("occupied.xlsx"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("occupied.xlsx/inside")));
    EXPECT_THROW(XlsxWriter::write(workbook, occupied), Failure);
    EXPECT_TRUE(QFileInfo(occupied).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no partial file left";
}

TEST_F(XlsxWriterTest, AFailedWriteLeavesTheOldFileAsItWas)
{
    const QString path = folder.filePath(QStringLiteral("kept.xlsx"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    Workbook workbook;
    workbook.sheet(1).setName(QStringLiteral("bad/name")); // refused by the writer
    EXPECT_THROW(XlsxWriter::write(workbook, path), Failure);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old contents");
}

TEST(WorkbookFaults, AFullDiskOrARefusedFolderIsToldInJapanese)
{
    Workbook workbook;
    for (int row = 1; row <= 20000; ++row)
        workbook.sheet(1).setValue(CellAddress{row, 1}, QStringLiteral("盤%1-%2").arg(row).arg(row * 7919 % 10007));
    FileFaults::ReadOnlyFolder locked;
    QTemporaryDir open;
    ::chmod(QFile::encodeName(open.path()).constData(), 0777); // writable to the unprivileged user
    const struct {
        const char* name;
        QString path;
        rlim_t sizeLimit; // 0: none
        QString reason;
    } cases[] = {
        {"full disk", open.filePath(QStringLiteral("big.xlsx")), 16 * 1024, QStringLiteral("ディスクの空き容量が足りません。")},
        {"read-only folder", locked.filePath(QStringLiteral("out.xlsx")), 0, QStringLiteral("アクセスが拒否されました。")},
        {"missing folder", open.filePath(QStringLiteral("gone/out.xlsx")), 0, QStringLiteral("フォルダーが見つかりません。")},
    };
    for (const auto& c : cases) {
        const int status = FileFaults::inChild([&] {
            if (!FileFaults::dropRoot())
                return 4;
            // The library's own English lines must not reach the user's terminal.
            const QByteArray errorsFile = QFile::encodeName(open.filePath(QStringLiteral("stderr.txt")));
            if (!std::freopen(errorsFile.constData(), "w", stderr))
                return 6;
            if (c.sizeLimit)
                FileFaults::limitFileSize(c.sizeLimit);
            try {
                XlsxWriter::write(workbook, c.path);
            } catch (const Failure& failure) {
                std::fflush(stderr);
                QFile errors(QString::fromLocal8Bit(errorsFile));
                if (!errors.open(QIODevice::ReadOnly) || errors.readAll().contains("[ERROR]"))
                    return 5;
                const QString expected = QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(c.path, c.reason);
                if (failure.message() == expected)
                    return 0;
                fprintf(stdout, "got: %s\n", failure.what());
                return 3;
            }
            return 2;
        });
        EXPECT_EQ(status, 0) << c.name;
    }
}

TEST(WorkbookFaults, AnUnwritableTemporaryFolderIsToldInJapanese)
{
    FileFaults::ReadOnlyFolder locked;
    const int status = FileFaults::inChild([&] {
        if (!FileFaults::dropRoot())
            return 4;
        qputenv("TMPDIR", QFile::encodeName(locked.path));
        try {
            WorkbookHandOff::buildInPrivateFolder(QStringLiteral("x.xlsx"), [](Workbook&) {});
        } catch (const Failure& failure) {
            if (failure.message() == QStringLiteral("一時フォルダーを作成できません。アクセスが拒否されました。"))
                return 0;
            fprintf(stderr, "got: %s\n", failure.what());
            return 3;
        }
        return 2;
    });
    EXPECT_EQ(status, 0);
}

TEST(WorkbookHandOff, EachWorkbookGetsAFreshPrivateFolder)
{
    const auto build = [](Workbook& workbook) { workbook.sheet(1).setValue(at("A1"), QStringLiteral("x")); };
    const QString first = WorkbookHandOff::buildInPrivateFolder(QStringLiteral("ケーブル名板A.xlsx"), build);
    const QString second = WorkbookHandOff::buildInPrivateFolder(QStringLiteral("ケーブル名板A.xlsx"), build);
    const QFileInfo file(first);
    EXPECT_TRUE(file.isFile());
    EXPECT_EQ(file.fileName(), u"ケーブル名板A.xlsx");
    EXPECT_NE(QFileInfo(second).absolutePath(), file.absolutePath());
    EXPECT_EQ(QFileInfo(file.absolutePath()).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions{});
    EXPECT_EQ(XlsxFile::read(first).sheets.at(0).text(QStringLiteral("A1")), u"x");
    QDir(QFileInfo(first).absolutePath()).removeRecursively();
    QDir(QFileInfo(second).absolutePath()).removeRecursively();
}

TEST(WorkbookHandOff, LibreOfficeOpensTheFileAsANewDocument)
{
    const QString path = QStringLiteral("/tmp/x/ケーブル名板B.xlsx");
    const auto installed = [](QStringList names) {
        return [names](const QString& name) { return names.contains(name) ? u"/usr/bin/"_qs + name : QString(); };
    };
    EXPECT_EQ(WorkbookHandOff::spreadsheetCommandFor(path, installed({QStringLiteral("soffice")})),
              (WorkbookHandOff::Command{QStringLiteral("/usr/bin/soffice"), {QStringLiteral("-n"), path}}));
    EXPECT_EQ(WorkbookHandOff::spreadsheetCommandFor(
                  path, installed({QStringLiteral("soffice"), QStringLiteral("libreoffice")}))->program,
              u"/usr/bin/libreoffice");
    EXPECT_FALSE(WorkbookHandOff::spreadsheetCommandFor(path, installed({})).has_value());
}
