#include "TestSupport.h"
#include "sheet/NameplateTexts.h"

namespace {

Record route(const char16_t* f1, const char16_t* f2, const char16_t* t1, const char16_t* t2)
{
    Record r{};
    r[ColFrom1] = QString::fromUtf16(f1);
    r[ColFrom2] = QString::fromUtf16(f2);
    r[ColTo1] = QString::fromUtf16(t1);
    r[ColTo2] = QString::fromUtf16(t2);
    return r;
}

TEST(NameplateTexts, RouteTextInEveryOrder)
{
    struct Case {
        Record record;
        TextOrder order;
        const char16_t* text;
    };
    const Case cases[] = {
        {route(u"東棟", u"", u"西棟", u""), TextOrder::Standard, u"東棟 ～ 西棟"},
        {route(u"東棟", u"", u"西棟", u""), TextOrder::FromTo, u"(自)東棟 ～ (至)西棟"},
        {route(u"東棟", u"", u"西棟", u""), TextOrder::ToFrom, u"(至)東棟 ～ (自)西棟"},
        {route(u"東棟", u"1F", u"", u""), TextOrder::FromTo, u"(自)東棟 1F ～ (至)"},
        {route(u"", u"", u"", u"P-2"), TextOrder::Standard, u" ～  P-2"},
        {route(u"", u"", u"", u""), TextOrder::FromTo, u""},
        {route(u"", u"", u"", u""), TextOrder::ToFrom, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameplateTexts::routeText(c.record, c.order), QString::fromUtf16(c.text));
}

TEST(NameplateTexts, TwoLineRouteInEveryOrder)
{
    struct Case {
        Record record;
        TextOrder order;
        const char16_t* fromLine;
        const char16_t* toLine;
    };
    const Case cases[] = {
        {route(u"東棟", u"1F", u"西棟", u"B1"), TextOrder::Standard, u"東棟 1F ～ ", u" ～ 西棟 B1"},
        {route(u"東棟", u"", u"西棟", u""), TextOrder::FromTo, u"(自)東棟 ～ ", u"(至)西棟"},
        {route(u"東棟", u"", u"西棟", u"B1"), TextOrder::ToFrom, u"(至)東棟 ～ ", u"(自)西棟 B1"},
    };
    for (const Case& c : cases) {
        const auto [fromLine, toLine] = NameplateTexts::twoLineRouteText(c.record, c.order);
        EXPECT_EQ(fromLine, QString::fromUtf16(c.fromLine));
        EXPECT_EQ(toLine, QString::fromUtf16(c.toLine));
    }
}

TEST(NameplateTexts, CircuitTextAndDateLine)
{
    Record r{};
    EXPECT_EQ(NameplateTexts::circuitText(r), u"");
    EXPECT_EQ(NameplateTexts::dateLine(r), u" / ");
    r[ColCableType] = u"CV 3C"_qs;
    EXPECT_EQ(NameplateTexts::circuitText(r), u"CV 3C");
    r[ColCircuit] = u"L-1"_qs;
    EXPECT_EQ(NameplateTexts::circuitText(r), u"【 L-1 】 CV 3C");
    r[ColConstructionDate] = u"令和5年4月1日"_qs;
    r[ColConstructor] = u"電設"_qs;
    EXPECT_EQ(NameplateTexts::dateLine(r), u"令和5年4月1日 / 電設");
}

TEST(NameplateTexts, SheetNamesOfTheTextOrders)
{
    EXPECT_EQ(textOrderInfo(TextOrder::Standard).sheetName, u"ケーブル名板【 標準 】");
    EXPECT_EQ(textOrderInfo(TextOrder::FromTo).sheetName, u"ケーブル名板【 自→至 】");
    EXPECT_EQ(textOrderInfo(TextOrder::ToFrom).sheetName, u"ケーブル名板【 至→自 】");
}

} // namespace
