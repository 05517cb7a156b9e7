// Printing on label stock over recording surfaces: which plate goes where,
// which records a list names, the page adjustment and the fit check.
#include "GuiApplication.h"
#include "PrintTestSupport.h"
#include "print/AdjustedPages.h"
#include "print/CalibrationPage.h"
#include "print/FitCheck.h"
#include "print/LabelStockChoice.h"
#include "print/PrinterAdjustments.h"
#include "print/TypeAPlates.h"
#include "print/TypeBPlates.h"

#include <QSettings>
#include <QTemporaryDir>

#include <cmath>
#include <utility>

namespace {

// The rows of the plates of a sequence, page by page: -1 blank.
std::vector<int> slotRows(const PlateSequence& sequence)
{
    std::vector<int> rows;
    for (int page = 1; page <= sequence.pageCount(); ++page) {
        for (int position = 1; position <= sequence.platesPerPage(); ++position) {
            const PlateSequence::Slot slot = sequence.slot(page, position);
            rows.push_back(slot.blank ? -1 : slot.row);
        }
    }
    return rows;
}

TEST(PlateSequence, PlacesRecordsFromTheStartPositionWithCopies)
{
    const RecordSheet sheet = numberedSheet(5);
    struct Case {
        const char* name;
        PlateSelection selection;
        std::vector<int> rows;
    };
    const std::vector<Case> cases = {
        // A plain print's trailing plates continue the sheet's rows past the records, as always.
        {"every record", {}, {1, 2, 3, 4, 5, 6}},
        // On label stock the labels after the last plate stay blank for the next print.
        {"start 3", {3, std::nullopt, 1}, {-1, -1, 1, 2, 3, 4, 5, -1, -1, -1, -1, -1}},
        {"start 6 of 6", {6, std::nullopt, 1}, {-1, -1, -1, -1, -1, 1, 2, 3, 4, 5, -1, -1}},
        {"rows 3, 4", {1, std::vector<int>{3, 4}, 1}, {3, 4, -1, -1, -1, -1}},
        {"copies 2", {2, std::vector<int>{4, 2}, 2}, {-1, 4, 4, 2, 2, -1}},
        {"copies 3 of all", {1, std::nullopt, 3}, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, -1, -1, -1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(slotRows(PlateSequence(sheet, 6, c.selection)), c.rows) << c.name;

    EXPECT_EQ(PlateSequence(sheet, 6, {4, std::vector<int>{}, 1}).pageCount(), 0) << "nothing selected";
    EXPECT_EQ(PlateSequence(RecordSheet(), 6, {3, std::nullopt, 1}).pageCount(), 0) << "no records";
}

TEST(RecordList, NamesRowsByTheirNumberTexts)
{
    RecordSheet sheet = numberedSheet(12);
    sheet.setCell(ColNumber, 5, QString()); // an unnumbered row is never named
    sheet.setCell(ColNumber, 6, u"20"_qs);
    struct Case {
        QString list;
        std::optional<std::vector<int>> rows;
    };
    const std::vector<Case> cases = {
        {u"3-7,12"_qs, std::vector<int>{3, 4, 7, 12}},
        {u"12, 3"_qs, std::vector<int>{12, 3}},
        {u"４－５、１"_qs, std::nullopt}, // the ideographic comma is no list separator
        {u"４-５,１"_qs, std::vector<int>{4, 1}},
        {u"3-4,4,3"_qs, std::vector<int>{3, 4}},
        {u"15-30"_qs, std::vector<int>{6}},
        {u"50"_qs, std::vector<int>{}},
        {u""_qs, std::nullopt},
        {u"7-3"_qs, std::nullopt},
        {u"3-"_qs, std::nullopt},
        {u"a"_qs, std::nullopt},
        {u"1,,2"_qs, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowsOfRecordList(sheet, c.list), c.rows) << c.list.toStdString();
}

// Numbers written in a list that no record carries: single numbers and
// range ends, each once, in the list's order.
TEST(RecordList, NamesTheNumbersNoRecordCarries)
{
    RecordSheet sheet = numberedSheet(8);
    sheet.setCell(ColNumber, 5, QString());
    const std::pair<QString, std::vector<int>> cases[] = {
        {u"3-7,12"_qs, {12}},
        {u"1-8"_qs, {}},
        {u"5"_qs, {5}},
        {u"2-4,9-12,12"_qs, {9, 12}},
        {u"3-x"_qs, {}}, // unreadable: refused for that reason instead
    };
    for (const auto& [list, missing] : cases)
        EXPECT_EQ(numbersNamingNoRecord(sheet, list), missing) << list.toStdString();
}

// Every choice the plates cannot take is refused with the part it is about,
// never clamped: the window and tagrio-cli both go through this check.
TEST(LabelStockChoice, RefusesWhatThePlatesCannotTake)
{
    const RecordSheet sheet = numberedSheet(8);
    using Part = ChoiceProblem::Part;
    using Records = LabelStockChoice::Records;
    struct Case {
        const char* name;
        LabelStockChoice choice;
        PlateKind kind;
        std::optional<Part> refused; // none: accepted
    };
    const Case cases[] = {
        {"start 6 of type A", {6, Records::All, {}, {}, 1}, PlateKind::TypeA, std::nullopt},
        {"start 7 of type A", {7, Records::All, {}, {}, 1}, PlateKind::TypeA, Part::Start},
        {"start 24 of trunk", {24, Records::All, {}, {}, 1}, PlateKind::TypeBTrunk, std::nullopt},
        {"start 0", {0, Records::All, {}, {}, 1}, PlateKind::TypeBBranch, Part::Start},
        {"copies 9", {1, Records::All, {}, {}, 9}, PlateKind::TypeA, std::nullopt},
        {"copies 10", {1, Records::All, {}, {}, 10}, PlateKind::TypeA, Part::Copies},
        {"copies 0", {1, Records::All, {}, {}, 0}, PlateKind::TypeA, Part::Copies},
        {"no selected row", {1, Records::SelectedRows, {}, {}, 1}, PlateKind::TypeA, Part::Records},
        {"selected rows past the records", {1, Records::SelectedRows, {}, {9, 10}, 1}, PlateKind::TypeA, Part::Records},
        {"unreadable list", {1, Records::Listed, u"3-x"_qs, {}, 1}, PlateKind::TypeA, Part::Records},
        {"list of no record", {1, Records::Listed, u"20-30"_qs, {}, 1}, PlateKind::TypeA, Part::Records},
        {"list with a number of no record", {1, Records::Listed, u"3-7,12"_qs, {}, 1}, PlateKind::TypeA, Part::Records},
        {"list of records", {1, Records::Listed, u"3-7,8"_qs, {}, 1}, PlateKind::TypeA, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto made = plateSelectionFor(c.choice, sheet, c.kind);
        const ChoiceProblem* problem = std::get_if<ChoiceProblem>(&made);
        EXPECT_EQ(problem ? std::optional(problem->part) : std::nullopt, c.refused) << c.name;
        if (problem)
            EXPECT_FALSE(problem->message.isEmpty()) << c.name;
        else
            EXPECT_EQ(std::get<PlateSelection>(made).copies, c.choice.copies) << c.name;
    }
}

TEST(LabelStockPages, BlankPositionsDrawNothing)
{
    const RecordSheet sheet = numberedSheet(2);
    const RecordedPage a = recordPage(TypeAPlates(sheet, Settings::defaults(), TextOrder::Standard, {5, {}, 1}), 1);
    // Plates 5 and 6 only: their frames, cut marks and texts, none above them.
    const int plate5Top = TypeAPlates::plateFrame(5).top();
    for (const SurfaceText& text : a.texts)
        EXPECT_GE(text.layout.y(), plate5Top - 20) << text.text.toStdString();
    for (const SurfaceLine& line : a.lines)
        EXPECT_GE(std::min(line.from.y(), line.to.y()), plate5Top);
    ASSERT_EQ(a.textsOf(u"No.1"_qs).size(), 1u);
    EXPECT_EQ(a.textsOf(u"No.2"_qs).size(), 1u);

    // Type B: position 2 starts the print, so the first label of the row stays untouched.
    const RecordedPage b = recordPage(TypeBPlates(sheet, PlateSize::Trunk, u"No."_qs, {2, {}, 1}), 1);
    const QRect firstFrame = TypeBPlates::plateFrame(PlateSize::Trunk, 1);
    const QRect secondFrame = TypeBPlates::plateFrame(PlateSize::Trunk, 2);
    for (const SurfaceLine& line : b.lines) {
        // The first row's lines; its bottom cut line is the next row's top one.
        if (std::max(line.from.y(), line.to.y()) < secondFrame.bottom() + 100) {
            EXPECT_GT(std::min(line.from.x(), line.to.x()), firstFrame.right()) << line.from.x();
        }
    }
    ASSERT_EQ(b.textsOf(u"R1"_qs).size(), 1u);
    EXPECT_GT(b.textsOf(u"R1"_qs)[0].layout.x(), secondFrame.left());

    // A record list of one: the labels after its plate stay untouched, cut lines included.
    const PlateSelection one{1, std::vector<int>{2}, 1};
    const RecordedPage trailing = recordPage(TypeBPlates(sheet, PlateSize::Trunk, u"No."_qs, one), 1);
    const int ownCut = firstFrame.left() + TypeBGeometry::of(PlateSize::Trunk).cutRight;
    ASSERT_FALSE(trailing.lines.empty());
    for (const SurfaceLine& line : trailing.lines) {
        EXPECT_LE(std::max(line.from.x(), line.to.x()), ownCut) << line.from.x();
        EXPECT_LT(std::max(line.from.y(), line.to.y()), secondFrame.bottom() + 200) << line.from.y();
    }
    EXPECT_EQ(trailing.textsOf(u"No."_qs).size(), 1u);
    const RecordedPage trailingA = recordPage(TypeAPlates(sheet, Settings::defaults(), TextOrder::Standard, one), 1);
    for (const SurfaceLine& line : trailingA.lines)
        EXPECT_LE(std::max(line.from.y(), line.to.y()), TypeAPlates::plateFrame(2).top()) << line.from.y();
    EXPECT_EQ(trailingA.textsOf(u"No.2"_qs).size(), 1u);
}

TEST(PageAdjustment, RecordsShiftedAndStretchedDevicePoints)
{
    const RecordSheet sheet = numberedSheet(1);
    const TypeBPlates plates(sheet, PlateSize::Branch, u"No."_qs);
    const LayoutFactors factors{2, 2}; // 1200 dpi
    const RecordedPage plain = recordPage(plates, 1, factors);
    const PageAdjustment adjustment{2.0, -3.0, 101.0, 98.0};
    const RecordedPage adjusted = recordPage(AdjustedPages(plates, [&] { return adjustment; }), 1, factors);

    constexpr double kDotsPerMm = 1200 / 25.4;
    const auto expected = [&](QPoint p) {
        return QPointF(p.x() * 1.01 + 2.0 * kDotsPerMm, p.y() * 0.98 - 3.0 * kDotsPerMm);
    };
    ASSERT_EQ(plain.lines.size(), adjusted.lines.size());
    for (size_t i = 0; i < plain.lines.size(); ++i) {
        const QPointF want = expected(plain.lines[i].deviceFrom);
        EXPECT_LE(std::abs(adjusted.lines[i].deviceFrom.x() - want.x()), 0.5);
        EXPECT_LE(std::abs(adjusted.lines[i].deviceFrom.y() - want.y()), 0.5);
        EXPECT_EQ(adjusted.lines[i].penDots, plain.lines[i].penDots);
    }
    ASSERT_EQ(plain.texts.size(), adjusted.texts.size());
    for (size_t i = 0; i < plain.texts.size(); ++i) {
        const QPointF want = expected(plain.texts[i].device);
        EXPECT_LE(std::abs(adjusted.texts[i].device.x() - want.x()), 0.5) << plain.texts[i].text.toStdString();
        EXPECT_LE(std::abs(adjusted.texts[i].device.y() - want.y()), 0.5);
        EXPECT_EQ(adjusted.texts[i].points, plain.texts[i].points);
    }
}

TEST(PageAdjustment, LimitsFollowTheWindowsRanges)
{
    EXPECT_TRUE((PageAdjustment{-20.0, 20.0, 95.0, 105.0}.isWithinLimits()));
    EXPECT_FALSE((PageAdjustment{20.1, 0, 100, 100}.isWithinLimits()));
    EXPECT_FALSE((PageAdjustment{0, 0, 94.9, 100}.isWithinLimits()));
    EXPECT_FALSE((PageAdjustment{0, 0, 100, 105.1}.isWithinLimits()));
}

TEST(CalibrationPage, CrossesEveryPlateCorner)
{
    for (const PlateKind kind : {PlateKind::TypeA, PlateKind::TypeBTrunk, PlateKind::TypeBBranch}) {
        const RecordedPage page = recordPage(CalibrationPage(kind), 1);
        const std::vector<QRect> frames = plateFrames(kind);
        ASSERT_EQ(static_cast<int>(frames.size()), platesPerPage(kind));
        for (const QRect& frame : frames) {
            const QPoint corner = frame.topLeft() + QPoint(frame.width(), frame.height());
            // The cross's horizontal arm through the bottom-right corner.
            const bool crossed = std::any_of(page.lines.begin(), page.lines.end(), [&](const SurfaceLine& line) {
                return line.from.y() == corner.y() && line.to.y() == corner.y() && line.from.x() < corner.x()
                    && line.to.x() > corner.x() && line.to.x() - line.from.x() < 300;
            });
            EXPECT_TRUE(crossed) << plateKindName(kind).toStdString();
        }
        EXPECT_EQ(page.texts.size(), 2u);
    }
}

class FitCheckTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
};

TEST_F(FitCheckTest, ListsTextsThatRunPastTheirCell)
{
    const QString longRoute = u"第一工場東棟地下二階特別高圧受変電設備室主幹盤第二制御盤室"_qs;
    const RecordSheet sheet = sheetOf({
        makeRecord({{ColFrom1, u"受電盤"_qs}, {ColTo1, u"変圧器盤"_qs}, {ColCableType, u"CV 14sq-3C"_qs}}),
        makeRecord({{ColFrom1, longRoute}, {ColTo1, longRoute}, {ColCableType, u"CV 14sq-3C"_qs}}),
        makeRecord({{ColFrom1, u"盤"_qs}, {ColPurpose, longRoute + longRoute}}),
    });
    Settings captions = Settings::defaults();
    const std::vector<OverlongText> a =
        findOverlongTexts(sheet, {1, 2, 3}, {PlateKind::TypeA, &captions, TextOrder::Standard, u"No."_qs});
    ASSERT_FALSE(a.empty());
    for (const OverlongText& text : a) {
        EXPECT_NE(text.recordNumber, u"1"_qs);
        EXPECT_GT(text.mmTooLong, 1.0);
    }
    EXPECT_EQ(a.front().recordNumber, u"2"_qs);
    EXPECT_EQ(a.front().lineName, captions.caption(1));
    EXPECT_EQ(a.back().recordNumber, u"3"_qs);
    EXPECT_EQ(a.back().lineName, captions.caption(3));

    // A type B cable type in two rows of fourteen characters overflows its narrow cell.
    const RecordSheet typeB = sheetOf({makeRecord({{ColCableType, u"ＣＶＴ　６００ｓｑ　ＷＷＷＷ"_qs}}),
                                       makeRecord({{ColCableType, u"CV"_qs}})});
    const std::vector<OverlongText> b = findOverlongTexts(typeB, {1, 2}, {PlateKind::TypeBBranch});
    ASSERT_FALSE(b.empty());
    for (const OverlongText& text : b) {
        EXPECT_EQ(text.recordNumber, u"1"_qs);
        EXPECT_EQ(text.lineName, RecordSheet::headerTexts()[ColCableType]);
    }
}

TEST_F(FitCheckTest, NamesTextsCutByARuleOrPastTheFrame)
{
    const Record& names = RecordSheet::headerTexts();
    const QString dateLineName = names[ColConstructor] + u"・"_qs + names[ColConstructionDate];
    const QString longName = u"第一受変電設備キュービクル盤ＡＢＣＤ"_qs; // 18 characters
    // 令和8年12月10日 / 株式会社ヤマダ電設: 22 characters, still one line under the frame.
    const Record longDate = makeRecord({{ColConstructionDate, u"令和8年12月10日"_qs}, {ColConstructor, u"株式会社ヤマダ電設"_qs}});
    const Record fits = makeRecord({{ColFrom1, u"受電盤"_qs}, {ColTo2, u"動力盤"_qs}, {ColCircuit, u"L-12"_qs},
                                    {ColCableType, u"6.6KV CV-T 60sq"_qs}, {ColConstructionDate, u"令和8年12月10日"_qs},
                                    {ColConstructor, u"山田電設"_qs}});
    struct Found {
        QString lineName;
        QString leftOut;
        bool tooLong;
        bool operator==(const Found&) const = default;
    };
    struct Case {
        const char* name;
        PlateKind kind;
        Record record;
        std::vector<Found> found;
    };
    const std::vector<Case> cases = {
        {"branch, an 18-character from name", PlateKind::TypeBBranch, makeRecord({{ColFrom1, longName}}),
         {{names[ColFrom1], u"ル盤ＡＢＣＤ"_qs, false}}},
        {"trunk, an 18-character to name", PlateKind::TypeBTrunk, makeRecord({{ColTo2, longName}}),
         {{names[ColTo2], u"ル盤ＡＢＣＤ"_qs, false}}},
        {"trunk, a 31-byte cable type", PlateKind::TypeBTrunk,
         makeRecord({{ColCableType, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345"_qs}}), {{names[ColCableType], u"345"_qs, false}}},
        {"trunk, a 22-character date line", PlateKind::TypeBTrunk, longDate, {{dateLineName, QString(), true}}},
        {"branch, a 22-character date line", PlateKind::TypeBBranch, longDate, {{dateLineName, QString(), true}}},
        {"trunk, texts that fit", PlateKind::TypeBTrunk, fits, {}},
        {"branch, texts that fit", PlateKind::TypeBBranch, fits, {}},
    };
    for (const Case& c : cases) {
        std::vector<Found> found;
        for (const OverlongText& text : findOverlongTexts(sheetOf({c.record}), {1}, {c.kind})) {
            EXPECT_EQ(text.recordNumber, u"1"_qs) << c.name;
            found.push_back({text.lineName, text.leftOut, text.mmTooLong > 0});
        }
        EXPECT_TRUE(found == c.found) << c.name << ": " << found.size() << " found";
    }

    const std::vector<OverlongText> report = {{u"2"_qs, names[ColFrom1], 0, u"ル盤ＡＢＣＤ"_qs},
                                              {u"7"_qs, dateLineName, 0.84, QString()}};
    EXPECT_EQ(overlongReport(report), u"No.2　(自) NAME-1　「ル盤ＡＢＣＤ」が印刷されません\n"
                                      u"No.7　施行者名・施行年月日　0.8mm はみ出し"_qs);
}

} // namespace

namespace {

TEST(PrinterAdjustments, KeptPerPrinterAcrossRestarts)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"printers.ini"_qs);
    const PageAdjustment office{1.5, -0.7, 100.4, 99.2};
    const PageAdjustment pdf{-20.0, 20.0, 95.0, 105.0};
    {
        PrinterAdjustments adjustments(ini);
        adjustments.store(u"Office/Laser 2"_qs, office);
        adjustments.store(PrinterAdjustments::pdfPrinterName(), pdf);
    }
    const PrinterAdjustments restarted(ini);
    EXPECT_EQ(restarted.of(u"Office/Laser 2"_qs), office);
    EXPECT_EQ(restarted.of(u"PDF"_qs), pdf);
    EXPECT_EQ(restarted.of(u"Office"_qs), PageAdjustment{}) << "another printer starts unadjusted";

    QSettings(ini, QSettings::IniFormat).setValue(u"printers/Broken/offsetXMm"_qs, 55.0);
    EXPECT_EQ(PrinterAdjustments(ini).of(u"Broken"_qs), PageAdjustment{});
}

} // namespace
