// Which workbook each output makes and what it tells the user afterwards:
// the window's buttons and tagrio-cli xlsx both take it from workbookOutput().
#include "SpreadsheetTestSupport.h"
#include "spreadsheet/TypeBSheet.h"
#include "spreadsheet/WorkbookOutputs.h"

#include <gtest/gtest.h>

namespace {

RecordSheet sheetWithRecords(int count)
{
    RecordSheet sheet;
    sheet.setRowCount(count + 1);
    sheet.recordCount = count;
    return sheet;
}

TEST(WorkbookOutputs, NameRecordsAndNoticeOfEachOutput)
{
    const int fullSheet = TypeBSheet::kMaxPagesPerSheet * TypeBSheet::kRecordsPerPage;
    struct Case {
        WorkbookKind kind;
        int records;
        const char16_t* fileName; // none: no output
        const char16_t* notice;
    };
    const Case cases[] = {
        {WorkbookKind::Template, 0, u"入力用帳票.xlsx", u""},
        {WorkbookKind::TypeA, 0, nullptr, nullptr},
        {WorkbookKind::TypeB, 0, nullptr, nullptr},
        {WorkbookKind::TypeA, 3, u"ケーブル名板A.xlsx", u""},
        {WorkbookKind::TypeB, fullSheet, u"ケーブル名板B.xlsx", u""},
        {WorkbookKind::TypeB, fullSheet + 1, u"ケーブル名板B.xlsx",
         u"ページ数が 1024 ページと多いため、2 枚のシートに分けて作成しました（1 枚のシートは 1023 ページまで）。"},
    };
    const Settings captions = Settings::defaults();
    const QString noBox = QStringLiteral("No.");
    const EraDate today = EraDate::forDate(QDate(2026, 12, 10));
    for (const Case& c : cases) {
        const RecordSheet sheet = sheetWithRecords(c.records);
        const auto output = workbookOutput(c.kind, sheet, captions, noBox, PlateSize::Trunk, today);
        SCOPED_TRACE(c.records);
        if (!c.fileName) {
            EXPECT_FALSE(output);
            continue;
        }
        ASSERT_TRUE(output);
        EXPECT_EQ(output->fileName, QString::fromUtf16(c.fileName));
        EXPECT_EQ(output->notice, QString::fromUtf16(c.notice));
        EXPECT_GT(output->progressMaximum, 0);
    }
}

} // namespace
