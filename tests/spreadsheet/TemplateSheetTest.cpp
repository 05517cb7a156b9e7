#include "SpreadsheetTestSupport.h"
#include "spreadsheet/TemplateSheet.h"

#include <gtest/gtest.h>

namespace {

class TemplateSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        today.gengou = QStringLiteral("令和");
        today.nen = QStringLiteral("5");
        today.hizuke1 = QStringLiteral("令和5年4月1日");
        TemplateSheet::build(workbook, QStringLiteral("〇〇〇〇株式会社"), today, counter.callback());
    }
    const Worksheet& sheet() const { return workbook.sheet(1); }

    EraDate today;
    Workbook workbook;
    StepCounter counter;
};

} // namespace

TEST_F(TemplateSheetTest, TakesExactly105StepsOnTwoSheets)
{
    EXPECT_EQ(counter.steps, TemplateSheet::kProgressSteps);
    EXPECT_EQ(counter.steps, 105);
    ASSERT_EQ(workbook.sheetCount(), 2);
    EXPECT_EQ(sheet().name(), u"ｹｰﾌﾞﾙ一覧表");
    EXPECT_EQ(workbook.sheet(2).name(), u"Sheet2");
}

TEST_F(TemplateSheetTest, HeadsAndWidthsFollowTheRecordColumns)
{
    const char* heads[] = {"No.",      "(自) NAME-1", "(自) NAME-2", "(至) NAME-1", "(至) NAME-2", "回路番号",
                           "ｹｰﾌﾞﾙ種類", "用途",        "施行年月日",  "施行者名",    "ｹｰﾌﾞﾙ製造年"};
    const double widths[] = {4, 14, 14, 14, 14, 9, 20, 12, 16, 20, 12};
    for (int column = 1; column <= 11; ++column) {
        EXPECT_EQ(sheet().text({1, column}), QString::fromUtf8(heads[column - 1])) << column;
        EXPECT_EQ(sheet().format({1, column}).alignment, HorizontalAlignment::Center) << column;
        EXPECT_EQ(sheet().columnWidth(column), widths[column - 1]) << column;
    }
    EXPECT_FALSE(sheet().columnWidth(12).has_value());
}

TEST_F(TemplateSheetTest, NumbersOneToHundredAreCentredNumbers)
{
    for (int n = 1; n <= 100; ++n) {
        EXPECT_TRUE(sheet().holdsNumber({n + 1, 1})) << n;
        EXPECT_EQ(sheet().text({n + 1, 1}), QString::number(n));
        EXPECT_EQ(sheet().format({n + 1, 1}).alignment, HorizontalAlignment::Center);
    }
    EXPECT_EQ(text(sheet(), "A102"), QString());
}

TEST_F(TemplateSheetTest, FirstRecordRowAndNotes)
{
    struct Case {
        const char* cell;
        QString text;
        HorizontalAlignment alignment;
    };
    const QString space = QString(QChar(0x3000));
    const Case cases[] = {
        {"I2", QStringLiteral("令和5年4月1日"), HorizontalAlignment::Center},
        {"J2", QStringLiteral("〇〇〇〇株式会社"), HorizontalAlignment::General},
        {"K2", QStringLiteral("令和5年"), HorizontalAlignment::Center},
        {"C8", QStringLiteral("※注1【エクセルで入力したい方の為に作成した帳票となります、ご利用ください】") + space.repeated(15),
         HorizontalAlignment::General},
        {"C9", QStringLiteral("※注2【書き込んだデーターは範囲選択でコピーしてクリップボード経由で、タグリオへ貼付する事が出来ます】"),
         HorizontalAlignment::General},
        {"C10", QStringLiteral("※注3【範囲選択は行全体で選択するか、若しくはA列～K列の範囲を選択してからコピーしてください。】")
                    + space.repeated(5),
         HorizontalAlignment::General},
        {"A9", QStringLiteral("8"), HorizontalAlignment::Center},
        {"B2", QString(), HorizontalAlignment::General},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(sheet(), c.cell), c.text) << c.cell;
        EXPECT_EQ(sheet().format(at(c.cell)).alignment, c.alignment) << c.cell;
        EXPECT_FALSE(sheet().holdsNumber(at(c.cell)) && c.cell[0] != 'A') << c.cell;
    }
    EXPECT_TRUE(sheet().merges().empty());
    EXPECT_EQ(sheet().pageSetup(), PageSetup{});
}
