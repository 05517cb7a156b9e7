#include "CatalogueTestSupport.h"
#include "catalogue/CableFamilies.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace {

const CableFamily& family(const QString& caption)
{
    const CableFamily* found = findCableFamily(caption);
    if (!found)
        throw std::runtime_error("no family " + caption.toStdString());
    return *found;
}

struct FamilyCase {
    QString caption;
    QString buttonName;
    int rows;
    std::vector<int> filledColumns;
    QString first;
    QString last;
};

const std::vector<FamilyCase> kFamilies{
    {u"IV"_qs, u"ivButton"_qs, 14, {1, 2, 3, 4}, u"IV 1.6mm"_qs, u"IV 250sq"_qs},
    {u"CV"_qs, u"cvButton"_qs, 55, {1, 2, 4, 5, 6, 7}, u"CV 2sq-1C"_qs, u"CV 325sq-4C"_qs},
    {u"CVT"_qs, u"cvtButton"_qs, 36, {1, 2, 4, 5, 6, 7}, u"CVD 8sq"_qs, u"CVQ 500sq"_qs},
    {u"CE"_qs, u"ceButton"_qs, 55, {1, 2, 4, 5, 6, 7}, u"EM-CE 2sq-1C"_qs, u"EM-CE 325sq-4C"_qs},
    {u"CEE"_qs, u"ceeButton"_qs, 36, {1, 2, 4, 5, 6, 7}, u"EM-CED 8sq"_qs, u"EM-CEQ 500sq"_qs},
    {u"WL1"_qs, u"wl1Button"_qs, 18, {1, 2, 3, 4, 5, 6, 7}, u"WL1 0.75sq"_qs, u"WL1 325sq"_qs},
    {u"VVF , VV"_qs, u"vvfButton"_qs, 32, {1, 2, 3, 4}, u"VVF 1.6-2C"_qs, u"VV 325sq-3C"_qs},
    {u"FP"_qs, u"fpButton"_qs, 100, {1, 2, 3, 4}, u"FP 2sq-1C"_qs, u"FP-Q 325sq"_qs},
    {u"高圧ケーブル"_qs, u"highVoltageButton"_qs, 120, {1, 2, 3, 4}, u"6.6KV CV-T 22sq"_qs, u"6.6KV NH-FP 600sq-1C"_qs},
    {u"CVV"_qs, u"cvvButton"_qs, 66, {1, 2, 4}, u"CVV 1.25sq-2C"_qs, u"CVV 22sq-4C"_qs},
    {u"CVV-S"_qs, u"cvvSButton"_qs, 64, {1, 2, 4}, u"CVV-S 1.25sq-2C"_qs, u"CVV-S 22sq-4C"_qs},
    {u"CPEV"_qs, u"cpevButton"_qs, 230, {1, 2, 4}, u"CPEV 0.5-3P"_qs, u"EM-FCPEE(CU) 1.2-200P"_qs},
    {u"AE,HP"_qs, u"aeHpButton"_qs, 88, {1, 2, 4}, u"AEV 0.9-2C(一般用)"_qs, u"EM-HP 1.2-50P"_qs},
    {u"同軸"_qs, u"coaxialButton"_qs, 32, {1, 2, 4}, u"TVEFCX"_qs, u"20C-2V"_qs},
    {u"音響用特殊ケーブル"_qs, u"audioButton"_qs, 85, {1, 2}, u"L-4E5AT"_qs, u"KPEV0.75-20P"_qs},
    {u"その他"_qs, u"otherButton"_qs, 109, {1, 2, 4}, u"TPCC 5 (cat5e) 0.5mm×4P"_qs, u"MVVS 2sq-20C"_qs},
};

TEST(CableFamilies, SixteenFamiliesInListOrderWithTheirSizesButtonsAndEnds)
{
    const auto& families = cableFamilies();
    ASSERT_EQ(families.size(), kFamilies.size());
    int total = 0;
    for (std::size_t i = 0; i < kFamilies.size(); ++i) {
        const FamilyCase& expected = kFamilies[i];
        const CableFamily& actual = families[i];
        SCOPED_TRACE(expected.caption.toStdString());
        EXPECT_EQ(actual.caption, expected.caption);
        EXPECT_EQ(actual.buttonName, expected.buttonName);
        EXPECT_EQ(actual.rowCount(), expected.rows);
        EXPECT_EQ(actual.filledColumns, expected.filledColumns);
        EXPECT_EQ(actual.designation(1), expected.first);
        EXPECT_EQ(actual.designation(actual.rowCount()), expected.last);
        EXPECT_EQ(findCableFamily(expected.caption), &actual);
        total += actual.rowCount();
    }
    EXPECT_EQ(total, 1140);
    EXPECT_EQ(findCableFamily(u"VVF,VV"), nullptr);
    EXPECT_EQ(families[0].designation(0), QString());
    EXPECT_EQ(families[0].value(1, 15), QString());
    EXPECT_EQ(initialCableFamily().caption, u"CVT");
}

TEST(CableFamilies, EveryRowFillsExactlyItsFamilysColumns)
{
    for (const CableFamily& f : cableFamilies()) {
        for (int row = 1; row <= f.rowCount(); ++row) {
            SCOPED_TRACE(f.caption.toStdString() + " row " + std::to_string(row));
            EXPECT_FALSE(f.value(0, row).isEmpty());
            EXPECT_EQ(f.value(0, row), f.designation(row));
            std::vector<int> filled;
            for (int column = 1; column <= 7; ++column) {
                if (!f.value(column, row).isEmpty())
                    filled.push_back(column);
            }
            EXPECT_EQ(filled, f.filledColumns);
        }
    }
}

TEST(CableFamilies, EveryDesignationIsExactlyAsPublished)
{
    const auto lines = readCatalogueFixture(u"designations.tsv"_qs);
    ASSERT_EQ(lines.size(), 1140u);
    for (const QStringList& line : lines) {
        ASSERT_EQ(line.size(), 3);
        EXPECT_EQ(family(line[0]).designation(line[1].toInt()), line[2]) << line[0].toStdString() << " row " << line[1].toStdString();
    }
}

TEST(CableFamilies, EveryPublishedValueIsExact)
{
    const auto lines = readCatalogueFixture(u"published-values.tsv"_qs);
    ASSERT_GT(lines.size(), 700u);
    for (const QStringList& line : lines) {
        ASSERT_EQ(line.size(), 4);
        EXPECT_EQ(family(line[0]).value(line[2].toInt(), line[1].toInt()), line[3])
            << line[0].toStdString() << " row " << line[1].toStdString() << " column " << line[2].toStdString();
    }
}

// The designations whose marks are easy to lose: blanks, half-width and
// multiplication signs, a comma, a capital X in a value.
TEST(CableFamilies, TellingMarksSurvive)
{
    struct Case {
        QString caption;
        int row;
        int column;
        QString text;
    };
    const Case cases[]{
        {u"FP"_qs, 58, 0, u"FP  2sq-4C"_qs},
        {u"FP"_qs, 65, 0, u"FP  60sq-4C"_qs},
        {u"FP"_qs, 57, 0, u"FP 12.5sq-4C"_qs},
        {u"FP"_qs, 66, 0, u"FP 100sq-4C"_qs},
        {u"その他"_qs, 3, 0, u"FSsq-TPCC 6A  0.5mm×4P"_qs},
        {u"CV"_qs, 21, 0, u"CV 14\uFF9Fsq-2C"_qs},
        {u"CV"_qs, 24, 0, u"CV 60ﾟsq-2C"_qs},
        {u"CV"_qs, 25, 0, u"CV 100sq-2C"_qs},
        {u"音響用特殊ケーブル"_qs, 48, 0, u"VCT-3,5-3C"_qs},
        {u"AE,HP"_qs, 4, 1, u"3.9X5.8"_qs},
        {u"AE,HP"_qs, 1, 1, u"3.5x4.9"_qs},
        {u"VVF , VV"_qs, 4, 1, u"6.2x13.0"_qs},
        {u"CPEV"_qs, 1, 4, u"0.07"_qs},
        {u"高圧ケーブル"_qs, 71, 0, u"6.6KV CVT(EE) 22sq"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(family(c.caption).value(c.column, c.row), c.text) << c.caption.toStdString() << " row " << c.row;
    EXPECT_EQ(family(u"その他"_qs).designation(1).count(QChar(0x00D7)), 1);
}

TEST(CableFamilies, NoDesignationBelongsToTwoFamilies)
{
    std::map<QString, std::set<QString>> familiesOf;
    for (const CableFamily& f : cableFamilies()) {
        for (int row = 1; row <= f.rowCount(); ++row)
            familiesOf[f.designation(row)].insert(f.caption);
    }
    QStringList shared;
    for (const auto& [designation, captions] : familiesOf) {
        if (captions.size() > 1)
            shared << designation;
    }
    EXPECT_EQ(shared, QStringList());
}

TEST(CableFamilies, OnlyTheListedRowsRepeatWithinAFamily)
{
    std::map<QString, std::vector<std::pair<int, int>>> repeats; // caption -> (row, earlier row)
    for (const CableFamily& f : cableFamilies()) {
        std::map<QString, int> seen;
        for (int row = 1; row <= f.rowCount(); ++row) {
            const auto [it, inserted] = seen.emplace(f.designation(row), row);
            if (!inserted)
                repeats[f.caption].emplace_back(row, it->second);
        }
    }
    const std::map<QString, std::vector<std::pair<int, int>>> expected{
        {u"AE,HP"_qs, {{13, 7}, {14, 8}, {15, 9}, {16, 10}, {17, 11}, {18, 12}}},
        {u"音響用特殊ケーブル"_qs, {{40, 20}, {41, 21}, {42, 22}}},
    };
    EXPECT_EQ(repeats, expected);

    // AE,HP repeats columns 1 and 2 only; the audio family repeats whole rows.
    const CableFamily& aeHp = family(u"AE,HP"_qs);
    for (int row = 13; row <= 18; ++row) {
        EXPECT_EQ(aeHp.value(1, row), aeHp.value(1, row - 6));
        EXPECT_EQ(aeHp.value(2, row), aeHp.value(2, row - 6));
        EXPECT_NE(aeHp.value(4, row), aeHp.value(4, row - 6));
    }
    const CableFamily& audio = family(u"音響用特殊ケーブル"_qs);
    for (int row = 40; row <= 42; ++row) {
        for (int column = 0; column <= 7; ++column)
            EXPECT_EQ(audio.value(column, row), audio.value(column, row - 20));
    }
}

TEST(CableFamilies, CeAndCeeShareTheHiddenColumnsOfCvAndCvt)
{
    const std::pair<QString, QString> pairs[]{{u"CE"_qs, u"CV"_qs}, {u"CEE"_qs, u"CVT"_qs}};
    for (const auto& [copy, source] : pairs) {
        const CableFamily& a = family(copy);
        const CableFamily& b = family(source);
        ASSERT_EQ(a.rowCount(), b.rowCount());
        for (int row = 1; row <= a.rowCount(); ++row) {
            EXPECT_NE(a.designation(row), b.designation(row));
            for (int column = 1; column <= 7; ++column)
                EXPECT_EQ(a.value(column, row), b.value(column, row)) << copy.toStdString() << " row " << row;
        }
    }
}

// The filled-in hidden values stay inside each family's known ranges, and
// reach both ends.
TEST(CableFamilies, HiddenValuesSpanTheKnownRanges)
{
    struct Range {
        QString caption;
        std::vector<int> columns;
        int firstRow;
        int lastRow;
        double low;
        double high;
    };
    const Range ranges[]{
        {u"CV"_qs, {1}, 1, 55, 6.4, 72},           {u"CV"_qs, {2}, 1, 55, 32, 4071},
        {u"CV"_qs, {4}, 1, 55, 60, 14400},         {u"CV"_qs, {5, 6, 7}, 1, 55, 19, 1005},
        {u"FP"_qs, {1}, 1, 100, 7, 78},            {u"FP"_qs, {2}, 1, 100, 38, 4418},
        {u"FP"_qs, {3}, 1, 100, 15, 940},
        {u"FP"_qs, {4}, 1, 100, 65, 14800},        {u"高圧ケーブル"_qs, {1}, 1, 120, 13, 106},
        {u"高圧ケーブル"_qs, {2}, 1, 120, 133, 8824}, {u"高圧ケーブル"_qs, {3}, 1, 120, 61, 1480},
        {u"高圧ケーブル"_qs, {4}, 1, 120, 225, 21000}, {u"CVV"_qs, {1}, 1, 66, 9, 30},
        {u"CVV"_qs, {2}, 1, 66, 64, 706},          {u"CVV"_qs, {4}, 1, 66, 95, 1720},
        {u"CVV-S"_qs, {1}, 1, 64, 10.5, 31},       {u"CVV-S"_qs, {2}, 1, 64, 87, 755},
        {u"CVV-S"_qs, {4}, 1, 64, 125, 1810},      {u"CPEV"_qs, {1}, 1, 230, 5, 70},
        {u"CPEV"_qs, {2}, 1, 230, 20, 3848},       {u"CPEV"_qs, {4}, 1, 104, 0.06, 6.25},
        {u"CPEV"_qs, {4}, 105, 230, 30, 5560},     {u"AE,HP"_qs, {2}, 1, 88, 13.95, 707},
        {u"AE,HP"_qs, {4}, 1, 88, 23, 1360},       {u"音響用特殊ケーブル"_qs, {2}, 1, 85, 7.07, 535.01},
        {u"その他"_qs, {1}, 1, 109, 3, 32},          {u"その他"_qs, {2}, 1, 109, 7, 804},
        {u"その他"_qs, {4}, 1, 109, 12, 1620},
    };
    for (const Range& range : ranges) {
        const CableFamily& f = family(range.caption);
        double low = 1e9, high = -1e9;
        for (int row = range.firstRow; row <= range.lastRow; ++row) {
            for (int column : range.columns) {
                bool ok = false;
                const double value = f.value(column, row).toDouble(&ok);
                ASSERT_TRUE(ok) << range.caption.toStdString() << " row " << row << " column " << column;
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        EXPECT_DOUBLE_EQ(low, range.low) << range.caption.toStdString() << " column " << range.columns[0];
        EXPECT_DOUBLE_EQ(high, range.high) << range.caption.toStdString() << " column " << range.columns[0];
    }
}

} // namespace
