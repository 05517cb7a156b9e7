#include "spreadsheet/XmlPartFilter.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A part that arrives a few bytes at a time, as an inflating zip part may:
// every place in the XML falls on a piece boundary once.
class Trickle : public QIODevice {
public:
    Trickle(QByteArray bytes, qint64 piece) : bytes_(std::move(bytes)), piece_(piece) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min({maxSize, piece_, qint64(bytes_.size()) - at_});
        std::copy_n(bytes_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 piece_;
    qint64 at_ = 0;
};

QByteArray filtered(const QByteArray& xml, const std::vector<quint32>& wanted, qint64 piece, bool* tooLong = nullptr)
{
    Trickle source(xml, piece);
    XmlPartFilter filter(source);
    filter.keepOnlyItems("si", wanted);
    const QByteArray out = filter.readAll();
    if (tooLong)
        *tooLong = filter.tokenTooLong();
    return out;
}

TEST(XmlPartFilter, PassesOnlyTheWantedItemsOfTheRootAndEverythingElse)
{
    struct Case {
        const char* name;
        QByteArray xml;
        std::vector<quint32> wanted;
        QByteArray expected;
    };
    const QByteArray head = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)" "\r\n";
    const Case cases[] = {
        {"plain, self-closing and empty items", head + "<sst count=\"4\"><si><t>a</t></si><si/><si></si><si><t>d</t></si></sst>",
         {1, 3}, head + "<sst count=\"4\"><si/><si><t>d</t></si></sst>"},
        {"prefixed names, blanks and attributes holding /> and /",
         R"(<x:sst xmlns:x="u"> <x:si a="/>"><x:t>0</x:t></x:si> <x:si a='/'><x:t>1</x:t></x:si>)"
         R"(<x:si	/><x:si
><x:t>3</x:t></x:si></x:sst>)",
         {1, 3},
         R"(<x:sst xmlns:x="u">  <x:si a='/'><x:t>1</x:t></x:si><x:si
><x:t>3</x:t></x:si></x:sst>)"},
        {"comments, CDATA and instructions in and between items",
         "<sst><!-- <si> --><si><![CDATA[</si><si>]]></si><?pi <si/> ?><si><!--x--><t>1</t></si></sst>",
         {1}, "<sst><!-- <si> --><?pi <si/> ?><si><!--x--><t>1</t></si></sst>"},
        {"phonetic runs and rich text stay inside their item",
         "<sst><si><r><t>a</t></r><rPh><t>b</t></rPh></si><si><r><rPr><b/></rPr><t>c</t></r></si></sst>",
         {0}, "<sst><si><r><t>a</t></r><rPh><t>b</t></rPh></si></sst>"},
        {"other children of the root pass, and items inside them are not items",
         "<sst><si/><extLst><si>in</si></extLst><si>1</si></sst>", {1},
         "<sst><extLst><si>in</si></extLst><si>1</si></sst>"},
        {"names that only begin or end like the item's", "<sst><sis/><s/><xsi/><si>0</si></sst>", {},
         "<sst><sis/><s/><xsi/></sst>"},
        {"a document type declaration: everything passes",
         "<!DOCTYPE sst [<!ENTITY e \"<si/>\">]><sst><si>0</si><si>&e;</si></sst>", {},
         "<!DOCTYPE sst [<!ENTITY e \"<si/>\">]><sst><si>0</si><si>&e;</si></sst>"},
        {"wanted items past the last one", "<sst><si>0</si></sst>", {0, 5}, "<sst><si>0</si></sst>"},
    };
    for (const Case& c : cases) {
        for (const qint64 piece : {qint64(1), qint64(3), qint64(1) << 16})
            EXPECT_EQ(filtered(c.xml, c.wanted, piece), c.expected) << c.name << ", pieces of " << piece;
    }
}

TEST(XmlPartFilter, UTF16PassesAsItIs)
{
    const QString xml = u"<sst><si>0</si><si>1</si></sst>"_qs;
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(xml.utf16()), xml.size() * 2);
    EXPECT_EQ(filtered(bytes, {1}, 7), bytes);
}

TEST(XmlPartFilter, EndsAtTheFirstTextOrTagLongerThanTheLimit)
{
    const qint64 limit = XmlPartFilter::kMaxTokenSize;
    struct Case {
        const char* name;
        QByteArray xml;
        bool tooLong;
    };
    const Case cases[] = {
        {"text of the limit", "<a>" + QByteArray(limit, ' ') + "</a>", false},
        {"text one past it", "<a>" + QByteArray(limit + 1, ' ') + "</a>", true},
        {"a tag past it", "<a b=\"" + QByteArray(limit, 'x') + "\"/>", true},
        {"a comment past it", "<a><!--" + QByteArray(limit, '-') + "--></a>", true},
        {"short texts adding up past it", "<a>" + QByteArray("x<b/>").repeated(limit / 4) + "</a>", false},
        {"past it inside an item that is dropped", "<sst><si>" + QByteArray(limit + 1, ' ') + "</si></sst>", false},
    };
    for (const Case& c : cases) {
        bool tooLong = false;
        const QByteArray out = filtered(c.xml, {}, qint64(1) << 16, &tooLong);
        EXPECT_EQ(tooLong, c.tooLong) << c.name;
        if (!c.tooLong)
            EXPECT_TRUE(c.xml.startsWith("<sst>") || out == c.xml) << c.name;
        else
            EXPECT_LT(out.size(), c.xml.size()) << c.name;
    }
}

} // namespace
