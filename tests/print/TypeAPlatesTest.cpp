#include "PrintTestSupport.h"
#include "print/TypeAPlates.h"
#include "sheet/SettingsFile.h"
#include "sheet/TextCodec.h"

#include <QStringList>

namespace {

const Record kFullRecord = makeRecord({
    {ColFrom1, u"東棟"_qs},
    {ColFrom2, u"1F"_qs},
    {ColTo1, u"西棟"_qs},
    {ColTo2, u"2F"_qs},
    {ColCircuit, u"L-1"_qs},
    {ColCableType, u"CV 3C"_qs},
    {ColPurpose, u"電灯幹線"_qs},
    {ColConstructionDate, u"令和6年4月1日"_qs},
    {ColConstructor, u"〇〇電設"_qs},
    {ColManufactureYear, u"2023年"_qs},
});

TEST(TypeAPlates, PageCountIsSixPlatesPerPageAndNoPageWithoutRecords)
{
    const Settings captions = Settings::defaults();
    for (const auto& [records, pages] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {6, 1}, {7, 2}, {12, 2}, {13, 3}}) {
        const RecordSheet sheet = numberedSheet(records);
        EXPECT_EQ(TypeAPlates(sheet, captions, TextOrder::Standard).pageCount(), pages) << records << " records";
    }
}

TEST(TypeAPlates, FirstPlateHasEveryTextAndLineOfTheLayout)
{
    const RecordSheet sheet = sheetOf({kFullRecord});
    const RecordedPage page = recordPage(TypeAPlates(sheet, Settings::defaults(), TextOrder::Standard), 1);

    const std::vector<PlacedText> expectedTexts = {
        {u"行　　き　　先"_qs, {730, 590}, 11},
        {u"ケーブル 種 類"_qs, {730, 740}, 11},
        {u"用　   　 　途"_qs, {730, 890}, 11},
        {u"施 工 年 月 日"_qs, {730, 1040}, 11},
        {u"施  工  者  名"_qs, {730, 1190}, 11},
        {u"ケーブル製造年"_qs, {730, 1340}, 11},
        {u"No.1"_qs, {4200, 590}, 11},
        {u"東棟 1F ～ 西棟 2F"_qs, {1830, 590}, 10},
        {u"【 L-1 】 CV 3C"_qs, {1830, 740}, 10},
        {u"電灯幹線"_qs, {1830, 890}, 10},
        {u"令和6年4月1日"_qs, {1830, 1040}, 10},
        {u"〇〇電設"_qs, {1830, 1190}, 10},
        {u"2023年"_qs, {1830, 1340}, 10},
    };
    const std::vector<PlacedText> texts = page.placedTexts();
    ASSERT_GE(texts.size(), expectedTexts.size());
    EXPECT_EQ(std::vector<PlacedText>(texts.begin(), texts.begin() + 13), expectedTexts);

    const std::vector<PlacedLine> expectedLines = {
        {{490, 540}, {4020, 540}, 17},  {{490, 540}, {490, 1470}, 17}, {{4020, 540}, {4020, 1470}, 17},
        {{490, 1470}, {4020, 1470}, 17}, {{0, 1495}, {100, 1495}, 2},  {{4500, 1495}, {4600, 1495}, 2},
    };
    const std::vector<PlacedLine> lines = page.placedLines();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(std::vector<PlacedLine>(lines.begin(), lines.begin() + 6), expectedLines);
    // The frame and cut marks follow the plate's texts.
    EXPECT_TRUE(page.steps[12].isText);
    EXPECT_FALSE(page.steps[13].isText);
}

TEST(TypeAPlates, PlatesStandFiftyUnitsApartAndRowsAfterTheLastRecordAreEmptyNumberedPlates)
{
    const RecordSheet sheet = numberedSheet(7);
    const TypeAPlates plates(sheet, Settings::defaults(), TextOrder::Standard);
    const RecordedPage second = recordPage(plates, 2);

    for (int q = 1; q <= 6; ++q) {
        const int top = 540 + 980 * (q - 1);
        const int row = 6 + q;
        const auto number = second.textsOf(u"No."_qs + QString::number(row));
        ASSERT_EQ(number.size(), 1u) << "plate " << q;
        EXPECT_EQ(number[0].layout, QPoint(4200, top + 50));
        // Every plate keeps its labels, frame and cut marks, with or without a record.
        const auto labels = second.textsOf(u"ケーブル製造年"_qs);
        ASSERT_EQ(labels.size(), 6u);
        EXPECT_EQ(labels[static_cast<size_t>(q - 1)].layout, QPoint(730, top + 800));
        const PlacedLine bottom = second.placedLines()[static_cast<size_t>(6 * (q - 1) + 3)];
        EXPECT_EQ(bottom, (PlacedLine{{490, top + 930}, {4020, top + 930}, 17}));
    }
    // Row 7 holds a record; rows 8 to 12 show labels and numbers only.
    EXPECT_EQ(second.textsOf(u"R7 ～ "_qs).size(), 1u);
    EXPECT_EQ(second.texts.size(), 7u * 6 + 1);
    EXPECT_EQ(second.lines.size(), 36u);
}

TEST(TypeAPlates, RouteTextTakesOneLineUpTo45BytesAndTwoLinesBeyond)
{
    const QString from20 = QString(20, u'A');
    struct Case {
        const char* name;
        TextOrder order;
        Record record;
        std::vector<PlacedText> route;
    };
    const std::vector<Case> cases = {
        {"east to west, standard", TextOrder::Standard, makeRecord({{ColFrom1, u"東棟"_qs}, {ColTo1, u"西棟"_qs}}),
         {{u"東棟 ～ 西棟"_qs, {1830, 590}, 10}}},
        {"east to west, to-from", TextOrder::ToFrom, makeRecord({{ColFrom1, u"東棟"_qs}, {ColTo1, u"西棟"_qs}}),
         {{u"(至)東棟 ～ (自)西棟"_qs, {1830, 590}, 10}}},
        {"exactly 45 bytes", TextOrder::Standard, makeRecord({{ColFrom1, from20}, {ColTo1, QString(21, u'B')}}),
         {{from20 + u" ～ "_qs + QString(21, u'B'), {1830, 590}, 10}}},
        {"46 bytes, standard", TextOrder::Standard, makeRecord({{ColFrom1, from20}, {ColTo1, QString(22, u'B')}}),
         {{from20 + u" ～ "_qs, {1830, 570}, 9}, {u" ～ "_qs + QString(22, u'B'), {1830, 645}, 9}}},
        {"two lines, from-to, second names", TextOrder::FromTo,
         makeRecord({{ColFrom1, u"受変電設備"_qs}, {ColFrom2, u"LV-1"_qs}, {ColTo1, u"電灯分電盤"_qs}, {ColTo2, u"1F-L-101"_qs}}),
         {{u"(自)受変電設備 LV-1 ～ "_qs, {1830, 570}, 9}, {u"(至)電灯分電盤 1F-L-101"_qs, {1830, 645}, 9}}},
        {"two lines, to-from", TextOrder::ToFrom,
         makeRecord({{ColFrom1, u"受変電設備キュービクル棟"_qs}, {ColTo1, u"電灯分電盤"_qs}}),
         {{u"(至)受変電設備キュービクル棟 ～ "_qs, {1830, 570}, 9}, {u"(自)電灯分電盤"_qs, {1830, 645}, 9}}},
        {"no names", TextOrder::FromTo, makeRecord({{ColPurpose, u"予備"_qs}}), {}},
    };
    for (const Case& c : cases) {
        const RecordSheet sheet = sheetOf({c.record});
        const RecordedPage page = recordPage(TypeAPlates(sheet, Settings::defaults(), c.order), 1);
        // The route lines come right after the six labels and the plate number.
        std::vector<PlacedText> route;
        for (const PlacedText& t : page.placedTexts()) {
            if (t.at.x() == 1830 && t.at.y() < 700)
                route.push_back(t);
        }
        EXPECT_EQ(route, c.route) << c.name;
    }
    // The boundary itself is measured in code page 932 bytes.
    EXPECT_EQ(TextCodec::byteWidth(from20 + u" ～ "_qs + QString(21, u'B')), 45);
}

TEST(TypeAPlates, OnlyCaptionsEqualToTheirDefaultsAreWidened)
{
    Settings captions = Settings::defaults();
    captions.lines[1] = u"行先"_qs;
    captions.lines[4] = u"施工年月日 "_qs; // a trailing blank is an edit
    const RecordSheet sheet = numberedSheet(1);
    const RecordedPage page = recordPage(TypeAPlates(sheet, captions, TextOrder::Standard), 1);
    QStringList labels;
    for (size_t i = 0; i < 6; ++i)
        labels << page.texts[i].text;
    EXPECT_EQ(labels, (QStringList{u"行先"_qs, u"ケーブル 種 類"_qs, u"用　   　 　途"_qs, u"施工年月日 "_qs,
                                   u"施  工  者  名"_qs, u"ケーブル製造年"_qs}));
}

TEST(TypeAPlates, DeviceCoordinatesScaleByTheFactorsWhilePensAndTheRaiseStayInDots)
{
    const RecordSheet sheet = sheetOf({kFullRecord});
    const TypeAPlates plates(sheet, Settings::defaults(), TextOrder::Standard);
    struct Case {
        LayoutFactors factors;
        QPoint numberTopLeft;
        QPoint frameTopLeft;
        QPoint frameBottomRight;
    };
    for (const Case& c : std::vector<Case>{
             {{1, 1}, {4200, 580}, {490, 540}, {4020, 1470}},
             {{2, 2}, {8400, 1160}, {980, 1080}, {8040, 2940}},
             // The raise of every text is counted in dots of the horizontal factor.
             {{2, 1}, {8400, 570}, {980, 540}, {8040, 1470}},
         }) {
        const RecordedPage page = recordPage(plates, 1, c.factors);
        EXPECT_EQ(page.textsOf(u"No.1"_qs).at(0).device, c.numberTopLeft);
        EXPECT_EQ(page.lines[0].deviceFrom, c.frameTopLeft);
        EXPECT_EQ(page.lines[3].deviceTo, c.frameBottomRight);
        EXPECT_EQ(page.lines[0].penDots, 17);
        EXPECT_EQ(page.lines[4].penDots, 2);
    }
    // At 1200 dpi the frame is 7060 x 1860 dots.
    const RecordedPage fine = recordPage(plates, 1, {2, 2});
    EXPECT_EQ(fine.lines[3].deviceTo - fine.lines[0].deviceFrom, QPoint(7060, 1860));
}

} // namespace
