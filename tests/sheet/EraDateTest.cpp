#include "TestSupport.h"
#include "sheet/EraDate.h"

namespace {

TEST(EraDate, EraEdgesAndPlainYearOne)
{
    struct Case {
        QDate date;
        const char16_t* hizuke1;
        const char16_t* gengou;
        const char16_t* nen;
    };
    const Case cases[] = {
        {QDate(1989, 1, 7), u"昭和64年1月7日", u"昭和", u"64"},
        {QDate(1989, 1, 8), u"平成1年1月8日", u"平成", u"1"},
        {QDate(2019, 4, 30), u"平成31年4月30日", u"平成", u"31"},
        {QDate(2019, 5, 1), u"令和1年5月1日", u"令和", u"1"},
        {QDate(2023, 4, 1), u"令和5年4月1日", u"令和", u"5"},
        {QDate(2026, 12, 10), u"令和8年12月10日", u"令和", u"8"},
    };
    for (const Case& c : cases) {
        const EraDate era = EraDate::forDate(c.date);
        EXPECT_EQ(era.hizuke1, QString::fromUtf16(c.hizuke1));
        EXPECT_EQ(era.gengou, QString::fromUtf16(c.gengou));
        EXPECT_EQ(era.nen, QString::fromUtf16(c.nen));
    }
    EXPECT_EQ(EraDate::forDate(QDate(2019, 5, 1)).manufactureYear(), u"令和1年");
}

} // namespace
