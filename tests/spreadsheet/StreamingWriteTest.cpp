#include "SpreadsheetTestSupport.h"
#include "XlsxReadBack.h"
#include "sheet/Failure.h"
#include "sheet/SettingsFile.h"
#include "spreadsheet/TemplateSheet.h"
#include "spreadsheet/TypeASheet.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/XlsxWriter.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

using Build = std::function<void(Workbook&, const ProgressStep&)>;

// Everything a spreadsheet application shows of the file, one line per fact,
// with each cell's style spelled out (style numbers depend on the order in
// which the writer met the formats).
QStringList describe(const XlsxFile& file)
{
    const auto style = [](const XlsxStyle& s) {
        return QStringLiteral("%1 shrink=%2 size=%3 l=%4 r=%5 t=%6 b=%7")
            .arg(s.horizontal)
            .arg(s.shrinkToFit)
            .arg(s.fontSize)
            .arg(s.left, s.right, s.top, s.bottom);
    };
    QStringList lines;
    for (const XlsxSheet& sheet : file.sheets) {
        lines << QStringLiteral("sheet %1 fit=%2 %3x%4 paper=%5")
                     .arg(sheet.name)
                     .arg(sheet.fitToPage)
                     .arg(sheet.fitToWidth, sheet.fitToHeight, sheet.paperSize);
        for (const auto& [address, cell] : sheet.cells)
            lines << address + u' ' + cell.type + u' ' + cell.text + u' '
                         + style(file.styles.at(static_cast<size_t>(cell.style)));
        QStringList merges = sheet.merges;
        merges.sort();
        lines << QStringLiteral("merges ") + merges.join(u' ');
        for (const auto& [row, height] : sheet.rowHeights)
            lines << QStringLiteral("row %1 %2").arg(row).arg(height);
        for (const auto& [column, width] : sheet.columnWidths)
            lines << QStringLiteral("column %1 %2").arg(column).arg(width);
        for (const auto& [column, styleIndex] : sheet.columnStyles)
            lines << QStringLiteral("column %1 ").arg(column) + style(file.styles.at(static_cast<size_t>(styleIndex)));
        for (int row : sheet.rowBreaks)
            lines << QStringLiteral("break row %1").arg(row);
        for (int column : sheet.columnBreaks)
            lines << QStringLiteral("break column %1").arg(column);
    }
    return lines;
}

class StreamingWriteTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
};

} // namespace

TEST_F(StreamingWriteTest, WritesTheSameFileAsWritingTheWholeWorkbook)
{
    const RecordSheet records = numberedRecords(40);
    const Settings settings = Settings::defaults();
    const EraDate today = EraDate::forDate(QDate(2024, 5, 1));
    const struct Case {
        const char* name;
        Build build;
    } cases[] = {
        {"type A, 7 pages", [&](Workbook& w, const ProgressStep& s) { TypeASheet::build(w, records, settings, s); }},
        {"type B trunk, 2 pages",
         [&](Workbook& w, const ProgressStep& s) {
             TypeBSheet::build(w, records, QStringLiteral("No."), PlateSize::Trunk, s);
         }},
        {"type B branch, 2 pages",
         [&](Workbook& w, const ProgressStep& s) {
             TypeBSheet::build(w, records, QStringLiteral("No."), PlateSize::Branch, s);
         }},
        {"template", [&](Workbook& w, const ProgressStep& s) { TemplateSheet::build(w, QStringLiteral("社名"), today, s); }},
    };
    for (const Case& c : cases) {
        Workbook whole;
        c.build(whole, [] {});
        XlsxWriter::write(whole, path("whole.xlsx"));

        Workbook streamed;
        XlsxWriter::StreamingWrite file(streamed, path("streamed.xlsx"));
        c.build(streamed, [] {});
        file.finish();

        const QStringList expected = describe(XlsxFile::read(path("whole.xlsx")));
        EXPECT_GT(expected.size(), 50) << c.name;
        EXPECT_EQ(describe(XlsxFile::read(path("streamed.xlsx"))), expected) << c.name;
    }
}

TEST_F(StreamingWriteTest, TheModelHoldsAboutAPageWhileTheFileIsWritten)
{
    const RecordSheet records = numberedRecords(60); // type A: 10 pages of 51 rows on each of 3 sheets
    Workbook workbook;
    XlsxWriter::StreamingWrite file(workbook, path("a.xlsx"));
    int mostRowsHeld = 0;
    const auto rowsHeld = [&] {
        int held = 0;
        for (int number = 1; number <= workbook.sheetCount(); ++number) {
            const Worksheet& sheet = workbook.sheet(number);
            for (int row = 1; row <= sheet.lastRow(); ++row)
                held += sheet.cellsInRow(row).empty() ? 0 : 1;
        }
        return held;
    };
    TypeASheet::build(workbook, records, Settings::defaults(), [&] { mostRowsHeld = std::max(mostRowsHeld, rowsHeld()); });

    EXPECT_GE(mostRowsHeld, 5 * 6) << "a page's first five plates";
    EXPECT_LE(mostRowsHeld, TypeASheet::kRowsPerPage);
    EXPECT_EQ(rowsHeld(), 0);
    EXPECT_TRUE(workbook.sheet(3).merges().empty());
    file.finish();
    const XlsxFile written = XlsxFile::read(path("a.xlsx"));
    const XlsxSheet& last = written.sheets.at(2);
    EXPECT_EQ(last.text(QStringLiteral("V%1").arg(TypeASheet::plateTopRow(10, 6))), u"No.60");
    EXPECT_EQ(last.merges.size(), size_t(60 * 9));
}

TEST(Worksheet, FinishedRowsGoToTheSinkOnceAndCannotChangeAfterwards)
{
    Workbook workbook;
    std::vector<std::pair<int, int>> handed;
    std::vector<QString> textsHanded;
    workbook.setFinishedRowsSink([&](const Worksheet& sheet, int first, int last) {
        handed.emplace_back(first, last);
        for (int row = first; row <= last; ++row)
            textsHanded.push_back(sheet.text(CellAddress{row, 1}));
    });
    Worksheet& sheet = workbook.sheet(1);
    sheet.setValue(at("A1"), QStringLiteral("one"));
    sheet.setValue(at("A2"), QStringLiteral("two"));
    sheet.setValue(at("A3"), QStringLiteral("three"));
    sheet.finishRowsBefore(3);
    sheet.finishRowsBefore(2); // already finished: nothing more
    EXPECT_EQ(handed, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(textsHanded, (std::vector<QString>{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(sheet.firstUnfinishedRow(), 3);
    EXPECT_TRUE(sheet.cellsInRow(1).empty());
    EXPECT_EQ(text(sheet, "A3"), u"three");

    EXPECT_THROW(sheet.setValue(at("A2"), QStringLiteral("late")), std::logic_error);
    EXPECT_THROW(sheet.setRowHeight(1, 20), std::logic_error);
    // A border on row 3's top edge would have to take the line off row 2's side.
    EXPECT_THROW(sheet.setBorder(CellRange::parse(u"A3"), Edge::Top, BorderWeight::Thin), std::logic_error);
    sheet.setBorder(CellRange::parse(u"A3"), Edge::Bottom, BorderWeight::Thin);
    sheet.setValue(at("A4"), QStringLiteral("four"));
    EXPECT_EQ(text(sheet, "A4"), u"four");

    // Without a sink the rows stay where they are.
    workbook.setFinishedRowsSink({});
    Worksheet& other = workbook.addSheet();
    other.setValue(at("B1"), QStringLiteral("kept"));
    other.finishRowsBefore(5);
    EXPECT_EQ(other.firstUnfinishedRow(), 1);
    EXPECT_EQ(text(other, "B1"), u"kept");
}

TEST_F(StreamingWriteTest, AnUnfinishedOrFailedWriteLeavesNoFile)
{
    const RecordSheet records = numberedRecords(13);
    {
        Workbook workbook;
        XlsxWriter::StreamingWrite file(workbook, path("left.xlsx"));
        TypeASheet::build(workbook, records, Settings::defaults(), [] {});
    } // never finished, as when the build throws
    EXPECT_FALSE(QFileInfo::exists(path("left.xlsx")));

    // The writer's own failure comes out of the build, where the first rows go out.
    {
        Workbook workbook;
        XlsxWriter::StreamingWrite file(workbook, path("refused.xlsx"));
        workbook.sheet(1).setName(QStringLiteral("bad/name"));
        workbook.sheet(1).setValue(at("A1"), QStringLiteral("x"));
        EXPECT_THROW(workbook.sheet(1).finishRowsBefore(2), Failure);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no partial file left";
}
