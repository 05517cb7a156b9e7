#include "SpreadsheetTestSupport.h"

#include "spreadsheet/XlsxCellText.h"

#include <cmath>
#include <limits>

namespace {

TEST(XlsxCellTextTest, NumbersReadAsTheirShortestText)
{
    const struct {
        double value;
        const char16_t* text;
    } cases[] = {
        {1, u"1"}, {1.5, u"1.5"}, {0.1, u"0.1"}, {-0.0, u"0"}, {0.1 + 0.2, u"0.30000000000000004"},
        {1000000, u"1000000"}, {-42, u"-42"}, {123456789012, u"123456789012"}, {1e-9, u"1e-09"}, {1e22, u"1e+22"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(XlsxCellText::number(c.value), QString::fromUtf16(c.text));
        EXPECT_EQ(XlsxCellText::number(c.value).toDouble(), c.value) << "reads back";
    }
}

TEST(XlsxCellTextTest, DateFormatsAreToldFromOtherFormats)
{
    const struct {
        int id;
        const char16_t* code;
        bool isDate;
    } cases[] = {
        {14, u"", true},                                  // built-in short date
        {31, u"", true},                                  // built-in yyyy"年"m"月"d"日
        {0, u"", false},                                  // General
        {2, u"", false},                                  // 0.00
        {20, u"", false},                                 // h:mm
        {176, u"yyyy/mm/dd", true},
        {176, u"[$-411]ggge\"年\"m\"月\"d\"日\"", true},
        {176, u"yyyy-mm-dd h:mm:ss", true},
        {176, u"0.00E+00", false},                        // exponent, not an era year
        {176, u"General", false},
        {176, u"#,##0\"日\"", false},                     // quoted text is no date part
        {176, u"[Red]#,##0", false},                      // "d" of Red is in brackets
        {176, u"h:mm:ss", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XlsxCellText::isDateFormat(c.id, QString::fromUtf16(c.code)), c.isDate) << c.id << ' ' << QString::fromUtf16(c.code).toStdString();
}

TEST(XlsxCellTextTest, DateSerialsCountFromTheWorkbooksDateSystem)
{
    const struct {
        double serial;
        bool dates1904;
        QDate date;
    } cases[] = {
        {46366, false, QDate(2026, 12, 10)},
        {46366.75, false, QDate(2026, 12, 10)}, // time of day dropped
        {44904, true, QDate(2026, 12, 10)},
        {1, false, QDate(1900, 1, 1)},
        {59, false, QDate(1900, 2, 28)},
        {61, false, QDate(1900, 3, 1)}, // after the 29 February 1900 that never was
        {0, true, QDate(1904, 1, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XlsxCellText::dateOfSerial(c.serial, c.dates1904), c.date) << c.serial;
    EXPECT_FALSE(XlsxCellText::dateOfSerial(-1, false));
    EXPECT_FALSE(XlsxCellText::dateOfSerial(0, false));
    EXPECT_FALSE(XlsxCellText::dateOfSerial(1e12, false));
    EXPECT_FALSE(XlsxCellText::dateOfSerial(std::numeric_limits<double>::quiet_NaN(), false));
    EXPECT_EQ(XlsxCellText::eraDate(QDate(2026, 12, 10)), u"令和8年12月10日");
}

TEST(XlsxCellTextTest, EscapedCharactersAreRestored)
{
    EXPECT_EQ(XlsxCellText::unescape(QString::fromUtf16(u"a_x000D_b")), u"a\rb");
    EXPECT_EQ(XlsxCellText::unescape(QString::fromUtf16(u"_x005F_x000D_")), u"_x000D_"); // an escaped underscore
    EXPECT_EQ(XlsxCellText::unescape(QString::fromUtf16(u"_x12_ and _xZZZZ_ stay")), u"_x12_ and _xZZZZ_ stay");
}

} // namespace
