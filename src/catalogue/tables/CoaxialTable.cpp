// The 同軸 family: coaxial cables, all values as published.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kCoaxialRows[] = {
    {u"TVEFCX", {u"6", u"28", {}, u"55"}},
    {u"S-4C-FB", {u"6", u"28", {}, u"41"}},
    {u"S-5C-FB", {u"7.7", u"47", {}, u"65"}},
    {u"S-7C-FB", {u"10.2", u"82", {}, u"115"}},
    {u"S-5C-HFL-SSF", {u"7.7", u"47", {}, u"44"}},
    {u"S-7C-HFL-SSF", {u"10", u"79", {}, u"70"}},
    {u"S-10C-HFL-SSF", {u"12.9", u"131", {}, u"120"}},
    {u"1.5C-2V", {u"2.9", u"7", {}, u"13"}},
    {u"1.5C-2V・CW", {u"2.9", u"7", {}, u"13"}},
    {u"1.5C-2E", {u"2.9", u"7", {}, u"12"}},
    {u"2.5C-2V", {u"4", u"13", {}, u"24"}},
    {u"2.5C-2V・CW", {u"4", u"13", {}, u"24"}},
    {u"2.5C-2V・S", {u"4", u"13", {}, u"23"}},
    {u"2.5C-2E", {u"4", u"13", {}, u"22"}},
    {u"3C-2V", {u"5.6", u"25", {}, u"47"}},
    {u"3C-2V・CW", {u"5.6", u"25", {}, u"47"}},
    {u"3C-2V・S", {u"5.6", u"25", {}, u"46"}},
    {u"3C-2W", {u"6.5", u"33", {}, u"75"}},
    {u"3C-2W・S", {u"6.6", u"34", {}, u"70"}},
    {u"3C-2T", {u"7.3", u"42", {}, u"110"}},
    {u"3C-2E", {u"5.6", u"25", {}, u"40"}},
    {u"5C-2V", {u"7.5", u"44", {}, u"75"}},
    {u"5C-2V・S", {u"7.4", u"43", {}, u"75"}},
    {u"5C-2W", {u"8.4", u"55", {}, u"110"}},
    {u"5C-2E", {u"7.5", u"44", {}, u"66"}},
    {u"7C-2V", {u"10.2", u"82", {}, u"140"}},
    {u"7C-2W", {u"11.1", u"97", {}, u"195"}},
    {u"7C-2E", {u"10.2", u"82", {}, u"130"}},
    {u"10C-2V", {u"13.2", u"137", {}, u"230"}},
    {u"10C-2W", {u"14.2", u"158", {}, u"310"}},
    {u"10C-2E", {u"13.2", u"137", {}, u"210"}},
    {u"20C-2V", {u"2.39", u"4", {}, u"695"}},
};
static_assert(std::size(kCoaxialRows) == 32);

} // namespace

CableTable FamilyTables::coaxial()
{
    return {kCoaxialRows};
}
