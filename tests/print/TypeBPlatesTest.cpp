#include "PrintTestSupport.h"
#include "print/TypeBPlates.h"
#include "sheet/TextCodec.h"

namespace {

const QString kNo = u"No."_qs;

// The texts a record draws on the first plate of page 1, fixed texts left out.
std::vector<PlacedText> recordTexts(PlateSize size, const Record& record)
{
    const RecordSheet sheet = sheetOf({record});
    const RecordedPage page = recordPage(TypeBPlates(sheet, size, kNo), 1);
    std::vector<PlacedText> texts;
    for (const PlacedText& t : page.placedTexts()) {
        if (t.text != kNo && t.text != u"自" && t.text != u"至" && t.text != u" / ")
            texts.push_back(t);
    }
    return texts;
}

TEST(TypeBPlates, PageCountIsAtLeastOne)
{
    struct Case {
        PlateSize size;
        int records;
        int pages;
    };
    for (const Case& c : std::vector<Case>{{PlateSize::Trunk, 0, 1},
                                           {PlateSize::Trunk, 24, 1},
                                           {PlateSize::Trunk, 25, 2},
                                           {PlateSize::Trunk, 10000, 417},
                                           {PlateSize::Branch, 0, 1},
                                           {PlateSize::Branch, 36, 1},
                                           {PlateSize::Branch, 37, 2}}) {
        const RecordSheet sheet = numberedSheet(c.records);
        EXPECT_EQ(TypeBPlates(sheet, c.size, kNo).pageCount(), c.pages) << c.records << " records";
    }
}

TEST(TypeBPlates, TrunkPlateOfAFullRecord)
{
    const Record record = makeRecord({
        {ColFrom1, u"受変電設備"_qs},
        {ColFrom2, u"LV-1"_qs},
        {ColTo1, u"電灯分電盤"_qs},
        {ColTo2, u"L-1F"_qs},
        {ColCircuit, u"L-1"_qs},
        {ColCableType, u"CVT 38sq"_qs},
        {ColPurpose, u"電灯幹線"_qs},
        {ColConstructionDate, u"令和6年4月1日"_qs},
        {ColConstructor, u"〇〇電設"_qs},
    });
    const RecordSheet sheet = sheetOf({record});
    const RecordedPage page = recordPage(TypeBPlates(sheet, PlateSize::Trunk, kNo), 1);
    const std::vector<PlacedText> expected = {
        {kNo, {857, 495}, 11},
        {u"自"_qs, {857, 665}, 11},
        {u"至"_qs, {857, 835}, 11},
        {u"L-1"_qs, {1105, 513}, 8},
        {u"CVT 38sq"_qs, {1520, 513}, 8},
        {u"受変電設備"_qs, {1039, 680}, 8},
        {u"LV-1"_qs, {1513, 680}, 8},
        {u"電灯分電盤"_qs, {1039, 850}, 8},
        {u"L-1F"_qs, {1513, 850}, 8},
        {u"令和6年4月1日 / 〇〇電設"_qs, {970, 1000}, 7},
    };
    const std::vector<PlacedText> texts = page.placedTexts();
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(std::vector<PlacedText>(texts.begin(), texts.begin() + 10), expected);
}

TEST(TypeBPlates, EmptyPlatesShowTheirFixedTextsAndTheBareDateLine)
{
    struct Case {
        PlateSize size;
        std::vector<PlacedText> plate;
        QPoint shiftDots;
    };
    const std::vector<Case> cases = {
        {PlateSize::Trunk,
         {{kNo, {857, 495}, 11}, {u"自"_qs, {857, 665}, 11}, {u"至"_qs, {857, 835}, 11}, {u" / "_qs, {985, 1000}, 7}},
         {0, 0}},
        {PlateSize::Branch,
         {{kNo, {665, 440}, 6}, {u"自"_qs, {670, 548}, 8}, {u"至"_qs, {670, 658}, 8}, {u" / "_qs, {805, 766}, 6}},
         {-6, 0}},
    };
    for (const Case& c : cases) {
        const RecordSheet sheet = numberedSheet(0);
        const TypeBPlates plates(sheet, c.size, kNo);
        const RecordedPage page = recordPage(plates, 1);
        const std::vector<PlacedText> texts = page.placedTexts();
        ASSERT_EQ(texts.size(), 4u * static_cast<size_t>(TypeBGeometry::of(c.size).platesPerPage()));
        EXPECT_EQ(std::vector<PlacedText>(texts.begin(), texts.begin() + 4), c.plate);
        EXPECT_EQ(page.texts[1].shiftDots, c.shiftDots);
        EXPECT_EQ(page.texts[2].shiftDots, c.shiftDots);
    }
}

TEST(TypeBPlates, ClearedNoBoxLeavesTheFirstCellBlank)
{
    const RecordSheet sheet = numberedSheet(3);
    const RecordedPage page = recordPage(TypeBPlates(sheet, PlateSize::Trunk, QString()), 1);
    EXPECT_TRUE(page.textsOf(kNo).empty());
    EXPECT_EQ(page.texts.front().text, u"自");
    EXPECT_EQ(page.textsOf(u"自"_qs).size(), 24u);
}

TEST(TypeBPlates, RecordsRunOnFromPageToPageLeftToRightThenDown)
{
    const RecordSheet sheet = numberedSheet(25);
    const TypeBPlates plates(sheet, PlateSize::Trunk, kNo);
    const RecordedPage first = recordPage(plates, 1);
    // Record 5 is the middle plate of the second row; three-character names sit at offset 96.
    EXPECT_EQ(first.textsOf(u"R5"_qs).at(0).layout, QPoint(820 + 1190 + 189 + 132, 460 + 780 + 220));
    const RecordedPage second = recordPage(plates, 2);
    EXPECT_EQ(second.textsOf(u"R25"_qs).at(0).layout, QPoint(820 + 189 + 96, 460 + 220));
    EXPECT_EQ(second.texts.size(), 24u * 4 + 1);
}

TEST(TypeBPlates, NamesAndCircuitNumbersByCharacterCount)
{
    struct Case {
        const char* name;
        PlateSize size;
        Record record;
        std::vector<PlacedText> texts;
    };
    const std::vector<Case> cases = {
        {"trunk, one to six characters", PlateSize::Trunk,
         makeRecord({{ColCircuit, u"A"_qs}, {ColFrom1, u"AB"_qs}, {ColFrom2, u"ABC"_qs}, {ColTo1, u"ABCD"_qs},
                     {ColTo2, u"ABCDEF"_qs}}),
         {{u"A"_qs, {820 + 189 + 160, 460 + 53}, 8},
          {u"AB"_qs, {820 + 189 + 132, 460 + 220}, 8},
          {u"ABC"_qs, {820 + 635 + 96, 460 + 220}, 8},
          {u"ABCD"_qs, {820 + 189 + 58, 460 + 390}, 8},
          {u"ABCDEF"_qs, {820 + 635 - 4, 460 + 390}, 8}}},
        {"trunk, five characters", PlateSize::Trunk, makeRecord({{ColCircuit, u"L-1-2"_qs}}),
         {{u"L-1-2"_qs, {820 + 189 + 30, 460 + 53}, 8}}},
        {"trunk, seven-character circuit number", PlateSize::Trunk, makeRecord({{ColCircuit, u"ABCDEFG"_qs}}),
         {{u"ABCDEF"_qs, {820 + 214, 460 + 25}, 7}, {u"G"_qs, {820 + 214, 460 + 85}, 7}}},
        {"trunk, thirteen-character name cut at twelve", PlateSize::Trunk,
         makeRecord({{ColTo2, u"あいうえおかきくけこさしす"_qs}}),
         {{u"あいうえおか"_qs, {820 + 660, 460 + 360}, 7}, {u"きくけこさし"_qs, {820 + 660, 460 + 420}, 7}}},
        {"trunk, a character across the sixth unit moves to the second row", PlateSize::Trunk,
         makeRecord({{ColTo2, u"あいうえお𠮷かき"_qs}}),
         {{u"あいうえお"_qs, {820 + 660, 460 + 360}, 7}, {u"𠮷かき"_qs, {820 + 660, 460 + 420}, 7}}},
        {"trunk, a character across the twelfth unit is dropped whole", PlateSize::Trunk,
         makeRecord({{ColTo2, u"あいうえおかきくけこさ𠮷"_qs}}),
         {{u"あいうえおか"_qs, {820 + 660, 460 + 360}, 7}, {u"きくけこさ"_qs, {820 + 660, 460 + 420}, 7}}},
        {"branch, each element by its own table", PlateSize::Branch,
         makeRecord({{ColCircuit, u"ABCDEF"_qs}, {ColFrom1, u"ABCDE"_qs}, {ColFrom2, u"ABCD"_qs}, {ColTo1, u"ABC"_qs},
                     {ColTo2, u"AB"_qs}}),
         {{u"ABCDEF"_qs, {670 + 70 + 20, 460 - 23}, 7},
          {u"ABCDE"_qs, {670 + 60 + 60, 460 + 93}, 7},
          {u"ABCD"_qs, {670 + 480 + 50, 460 + 86}, 8},
          {u"ABC"_qs, {670 + 60 + 98, 460 + 196}, 8},
          {u"AB"_qs, {670 + 480 + 120, 460 + 196}, 8}}},
        {"branch, two lines with each element's shift and rows", PlateSize::Branch,
         makeRecord({{ColCircuit, u"1234567"_qs}, {ColTo1, u"受変電設備キュービクル"_qs}}),
         {{u"123456"_qs, {670 + 70 + 45, 460 - 40}, 6},
          {u"7"_qs, {670 + 70 + 45, 460 + 8}, 6},
          {u"受変電設備キ"_qs, {670 + 60 + 60, 460 + 180}, 6},
          {u"ュービクル"_qs, {670 + 60 + 60, 460 + 230}, 6}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordTexts(c.size, c.record), c.texts) << c.name;
}

TEST(TypeBPlates, CableTypeByByteWidth)
{
    const QString fullWidth8 = u"ＣＶＴ３８ｓｑ線"_qs;
    ASSERT_EQ(TextCodec::byteWidth(fullWidth8), 16);
    const QString letters15 = u"ABCDEFGHIJKLMNO"_qs;
    const QString letters30 = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"_qs;
    struct Case {
        const char* name;
        PlateSize size;
        QString cableType;
        std::vector<PlacedText> texts;
    };
    const std::vector<Case> cases = {
        {"trunk, 1 byte", PlateSize::Trunk, u"X"_qs, {{u"X"_qs, {820 + 635 + 170, 460 + 53}, 8}}},
        {"trunk, CVT 38sq is 8 bytes", PlateSize::Trunk, u"CVT 38sq"_qs,
         {{u"CVT 38sq"_qs, {820 + 635 + 65, 460 + 53}, 8}}},
        {"trunk, 11 bytes", PlateSize::Trunk, u"CVT 38sq-3C"_qs, {{u"CVT 38sq-3C"_qs, {820 + 645, 460 + 53}, 8}}},
        {"trunk, 12 bytes", PlateSize::Trunk, u"CVT 100sq-3C"_qs,
         {{u"CVT 100sq-3C"_qs, {820 + 655, 460 + 58}, 7}}},
        {"trunk, 14 bytes", PlateSize::Trunk, letters15.left(14), {{letters15.left(14), {820 + 631, 460 + 58}, 7}}},
        {"trunk, 15 bytes in one line", PlateSize::Trunk, letters15, {{letters15, {820 + 615, 460 + 58}, 7}}},
        {"trunk, 16 bytes take two lines", PlateSize::Trunk, letters15 + u"P"_qs,
         {{letters15.left(14), {820 + 630, 460 + 25}, 7}, {u"OP"_qs, {820 + 630, 460 + 85}, 7}}},
        {"trunk, eight full-width characters", PlateSize::Trunk, fullWidth8,
         {{fullWidth8, {820 + 630, 460 + 25}, 7}}},
        {"trunk, a character across the fourteenth unit moves to the second row", PlateSize::Trunk,
         letters15.left(13) + u"𠮷XY"_qs,
         {{letters15.left(13), {820 + 630, 460 + 25}, 7}, {u"𠮷XY"_qs, {820 + 630, 460 + 85}, 7}}},
        {"trunk, characters after the 28th dropped", PlateSize::Trunk, letters30,
         {{letters30.left(14), {820 + 630, 460 + 25}, 7}, {letters30.mid(14, 14), {820 + 630, 460 + 85}, 7}}},
        {"branch, 10 bytes", PlateSize::Branch, u"CVT 100sq"_qs + u" "_qs,
         {{u"CVT 100sq "_qs, {670 + 480 + 26, 460 - 26}, 8}}},
        {"branch, 13 bytes", PlateSize::Branch, letters15.left(13), {{letters15.left(13), {670 + 488, 460 - 20}, 7}}},
        {"branch, 16 bytes in one line", PlateSize::Branch, fullWidth8, {{fullWidth8, {670 + 476, 460 - 15}, 6}}},
        {"branch, 17 bytes in two lines", PlateSize::Branch, fullWidth8 + u"A"_qs,
         {{fullWidth8 + u"A"_qs, {670 + 475, 460 - 45}, 7}}},
        {"branch, two rows", PlateSize::Branch, letters30,
         {{letters30.left(14), {670 + 475, 460 - 45}, 7}, {letters30.mid(14, 14), {670 + 475, 460 + 5}, 7}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordTexts(c.size, makeRecord({{ColCableType, c.cableType}})), c.texts) << c.name;
}

TEST(TypeBPlates, DateLineOffsetByCharacterCount)
{
    const std::vector<std::pair<int, int>> offsets = {{0, 160},  {3, 160}, {14, 160}, {15, 145}, {16, 120}, {17, 95},
                                                      {18, 80},  {19, 65}, {20, 50},  {21, 35},  {22, 25},  {40, 25}};
    for (const auto& [characters, offset] : offsets)
        EXPECT_EQ(TypeBPlates::dateLineOffset(characters), offset) << characters << " characters";
}

TEST(TypeBPlates, DateLineTakesTwoLinesAbove22Characters)
{
    const QString date = u"令和6年12月31日"_qs;        // 10 characters
    const QString constructor9 = u"タグリオ電設株式会"_qs; // 9: 22 in one line
    const QString constructor10 = u"タグリオ電設株式会社"_qs;
    struct Case {
        const char* name;
        PlateSize size;
        QString constructor;
        std::vector<PlacedText> texts;
    };
    const std::vector<Case> cases = {
        {"trunk, 22 characters", PlateSize::Trunk, constructor9,
         {{date + u" / "_qs + constructor9, {820 + 5 + 25, 460 + 540}, 7}}},
        {"trunk, 23 characters", PlateSize::Trunk, constructor10,
         {{constructor10, {820 + 5 + 160, 460 + 520}, 7}, {date, {820 + 5 + 160, 460 + 580}, 7}}},
        {"branch, 22 characters", PlateSize::Branch, constructor9,
         {{date + u" / "_qs + constructor9, {670 - 25 + 25, 460 + 306}, 6}}},
        {"branch, 23 characters", PlateSize::Branch, constructor10,
         {{constructor10, {670 - 25 + 160, 460 + 297}, 5}, {date, {670 - 25 + 160, 460 + 336}, 5}}},
    };
    for (const Case& c : cases) {
        const Record record = makeRecord({{ColConstructionDate, date}, {ColConstructor, c.constructor}});
        EXPECT_EQ(recordTexts(c.size, record), c.texts) << c.name;
    }
    // The two-line offset follows the constructor's own length.
    const QString longName = QString(16, u'X');
    const Record record = makeRecord({{ColConstructionDate, date}, {ColConstructor, longName}});
    EXPECT_EQ(recordTexts(PlateSize::Trunk, record).at(0), (PlacedText{longName, {820 + 5 + 120, 460 + 520}, 7}));
}

TEST(TypeBPlates, LinesOfARowWithEveryPen)
{
    struct Case {
        PlateSize size;
        int pitch;
        std::vector<PlacedLine> firstPlate;
        PlacedLine topCut, leftCut, bottomCut;
    };
    const std::vector<Case> cases = {
        {PlateSize::Trunk,
         1190,
         {
             {{820, 460}, {1880, 460}, 14},
             {{820, 460}, {820, 970}, 14},
             {{1880, 460}, {1880, 970}, 14},
             {{820, 970}, {1880, 970}, 14},
             {{820, 630}, {1880, 630}, 5},
             {{820, 800}, {1880, 800}, 5},
             {{990, 460}, {990, 970}, 5},
             {{1430, 460}, {1430, 630}, 5},
             {{1430, 630}, {1430, 970}, 1},
             {{1945, 340}, {1945, 1120}, 1},
         },
         {{0, 340}, {4800, 340}, 1},
         {{755, 340}, {755, 1120}, 1},
         {{0, 1120}, {4800, 1120}, 1}},
        {PlateSize::Branch,
         1000,
         {
             {{655, 410}, {1555, 410}, 12},
             {{655, 410}, {655, 750}, 12},
             {{1555, 410}, {1555, 750}, 12},
             {{655, 750}, {1555, 750}, 12},
             {{655, 525}, {1555, 525}, 5},
             {{655, 635}, {1555, 635}, 5},
             {{735, 410}, {735, 750}, 5},
             {{1140, 410}, {1140, 525}, 5},
             {{1140, 525}, {1140, 750}, 1},
             {{1605, 340}, {1605, 840}, 1},
         },
         {{0, 340}, {4800, 340}, 1},
         {{605, 340}, {605, 840}, 1},
         {{0, 840}, {4800, 840}, 1}},
    };
    for (const Case& c : cases) {
        const RecordSheet sheet = numberedSheet(1);
        const RecordedPage page = recordPage(TypeBPlates(sheet, c.size, kNo), 1);
        std::vector<PlacedLine> expected = {c.topCut, c.leftCut};
        for (int column = 0; column < 3; ++column) {
            for (PlacedLine line : c.firstPlate) {
                line.from.rx() += c.pitch * column;
                line.to.rx() += c.pitch * column;
                expected.push_back(line);
            }
        }
        expected.push_back(c.bottomCut);
        const std::vector<PlacedLine> lines = page.placedLines();
        ASSERT_EQ(lines.size(), expected.size() * static_cast<size_t>(TypeBGeometry::of(c.size).rowsPerPage));
        EXPECT_EQ(std::vector<PlacedLine>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
        // The cut line under one row lies on the cut line over the next.
        EXPECT_EQ(lines[expected.size()].from, c.bottomCut.from);
    }
}

TEST(TypeBPlates, EachRowDrawsItsThreePlatesTextsBeforeItsLines)
{
    const RecordSheet sheet = numberedSheet(24);
    const RecordedPage page = recordPage(TypeBPlates(sheet, PlateSize::Trunk, kNo), 1);
    // Five texts per plate (No., 自, 至, the name, the date line), then 33 lines, per row.
    constexpr size_t kTextsPerRow = 15;
    constexpr size_t kLinesPerRow = 33;
    ASSERT_EQ(page.steps.size(), 8 * (kTextsPerRow + kLinesPerRow));
    for (size_t row = 0; row < 8; ++row) {
        const size_t start = row * (kTextsPerRow + kLinesPerRow);
        for (size_t i = 0; i < kTextsPerRow + kLinesPerRow; ++i)
            EXPECT_EQ(page.steps[start + i].isText, i < kTextsPerRow) << "row " << row << " step " << i;
    }
}

TEST(TypeBPlates, BranchShiftOfTheStripLabelsIsSixDotsAtEveryResolution)
{
    const RecordSheet sheet = numberedSheet(1);
    const TypeBPlates plates(sheet, PlateSize::Branch, kNo);
    // At 600 dpi six layout units left of the base point, at 1200 dpi three.
    for (const auto& [factors, x] : std::vector<std::pair<LayoutFactors, int>>{{{1, 1}, 670 - 6}, {{2, 2}, 2 * (670 - 3)}}) {
        const RecordedPage page = recordPage(plates, 1, factors);
        EXPECT_EQ(page.textsOf(u"自"_qs).at(0).device, QPoint(x, 548 * factors.vertical));
        EXPECT_EQ(page.textsOf(u"至"_qs).at(0).device, QPoint(x, 658 * factors.vertical));
        EXPECT_EQ(page.textsOf(kNo).at(0).device, QPoint(665, 440) * factors.horizontal);
        EXPECT_EQ(page.lines[2].penDots, 12);
    }
}

} // namespace
