#include "TestSupport.h"
#include "sheet/SingleLineText.h"

TEST(SingleLineText, BreaksInsideBecomeOneBlankAndBreaksAtTheEndGo)
{
    const std::pair<QString, QString> cases[] = {
        {u"CVT 60sq\r\n"_qs, u"CVT 60sq"_qs},           // a copied spreadsheet cell
        {u"a\r\nb"_qs, u"a b"_qs},                       // CR LF is one break
        {u"a\nb\rc"_qs, u"a b c"_qs},
        {u"a\u2028b\u2029"_qs, u"a b"_qs},
        {u"a\n\nb\n\r\n"_qs, u"a  b"_qs},                 // each break inside counts
        {u"\r\na"_qs, u" a"_qs},
        {u"\r\n\n"_qs, QString()},
        {u"電気室　盤"_qs, u"電気室　盤"_qs},            // blanks of any width stay
        {QString(), QString()},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toSingleLine(text), expected) << text.toStdString();
}
