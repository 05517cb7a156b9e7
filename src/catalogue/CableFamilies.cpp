#include "CableFamilies.h"

#include "catalogue/tables/FamilyTables.h"

#include <algorithm>

namespace {

QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), qsizetype(view.size()));
}

FamilyPositioning currentRows(int first, int second = 0)
{
    return {FamilyPositioning::Kind::CurrentRows, first, second};
}

const FamilyPositioning kScrollToTop{FamilyPositioning::Kind::ScrollToTop};
const FamilyPositioning kNoPositioning{};

} // namespace

QString CableFamily::designation(int row) const
{
    if (row < 1 || row > rowCount())
        return {};
    const auto index = std::size_t(row - 1);
    return text(table.ownDesignations.empty() ? table.rows[index].designation : table.ownDesignations[index]);
}

QString CableFamily::value(int column, int row) const
{
    if (column == 0)
        return designation(row);
    if (row < 1 || row > rowCount() || column < 0 || column > 7)
        return {};
    return text(table.rows[std::size_t(row - 1)].hidden[std::size_t(column - 1)]);
}

const std::vector<CableFamily>& cableFamilies()
{
    using namespace FamilyTables;
    static const std::vector<CableFamily> families{
        {u"IV"_qs, u"ivButton"_qs, {1, 2, 3, 4}, currentRows(14, 1), iv()},
        {u"CV"_qs, u"cvButton"_qs, {1, 2, 4, 5, 6, 7}, currentRows(43, 30), cv()},
        {u"CVT"_qs, u"cvtButton"_qs, {1, 2, 4, 5, 6, 7}, currentRows(26, 13), cvt()},
        {u"CE"_qs, u"ceButton"_qs, {1, 2, 4, 5, 6, 7}, currentRows(43, 30), ce()},
        {u"CEE"_qs, u"ceeButton"_qs, {1, 2, 4, 5, 6, 7}, currentRows(26, 13), cee()},
        {u"WL1"_qs, u"wl1Button"_qs, {1, 2, 3, 4, 5, 6, 7}, currentRows(1), wl1()},
        {u"VVF , VV"_qs, u"vvfButton"_qs, {1, 2, 3, 4}, currentRows(25, 1), vvfVv()},
        {u"FP"_qs, u"fpButton"_qs, {1, 2, 3, 4}, currentRows(100, 81), fp()},
        {u"高圧ケーブル"_qs, u"highVoltageButton"_qs, {1, 2, 3, 4}, kNoPositioning, highVoltage()},
        {u"CVV"_qs, u"cvvButton"_qs, {1, 2, 4}, currentRows(25, 13), cvv()},
        {u"CVV-S"_qs, u"cvvSButton"_qs, {1, 2, 4}, currentRows(43, 1), cvvS()},
        {u"CPEV"_qs, u"cpevButton"_qs, {1, 2, 4}, currentRows(43, 27), cpev()},
        {u"AE,HP"_qs, u"aeHpButton"_qs, {1, 2, 4}, kScrollToTop, aeHp()},
        {u"同軸"_qs, u"coaxialButton"_qs, {1, 2, 4}, kNoPositioning, coaxial()},
        {u"音響用特殊ケーブル"_qs, u"audioButton"_qs, {1, 2}, kNoPositioning, audio()},
        {u"その他"_qs, u"otherButton"_qs, {1, 2, 4}, currentRows(18, 1), other()},
    };
    return families;
}

const CableFamily* findCableFamily(QStringView caption)
{
    const auto& families = cableFamilies();
    const auto found = std::find_if(families.begin(), families.end(),
                                    [&](const CableFamily& family) { return family.caption == caption; });
    return found == families.end() ? nullptr : &*found;
}

const CableFamily& initialCableFamily()
{
    return *findCableFamily(u"CVT");
}
