// The VVF , VV family: flat VVF cables (column 1 thickness x width) and round VV cables,
// all values as published.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kVvfVvRows[] = {
    {u"VVF 1.6-2C", {u"6.2x9.4", u"50", u"18", u"100"}},
    {u"VVF 2.0-2C", {u"6.6x10.5", u"59.9", u"23", u"130"}},
    {u"VVF 2.6-2C", {u"7.6x12.5", u"82.6", u"32", u"195"}},
    {u"VVF 1.6-3C", {u"6.2x13.0", u"72.4", u"15", u"145"}},
    {u"VVF 2.0-3C", {u"6.6x14.0", u"83.1", u"20", u"185"}},
    {u"VVF 2.6-3C", {u"7.6x17.0", u"116.8", u"27", u"280"}},
    {u"VV 2sq-2C", {u"10.5", u"87", u"18", u"130"}},
    {u"VV 3.5sq-2C", {u"11.5", u"104", u"25", u"175"}},
    {u"VV 5.5sq-2C", {u"13.5", u"143", u"33", u"245"}},
    {u"VV 8sq-2C", {u"15.5", u"189", u"42", u"325"}},
    {u"VV 14sq-2C", {u"19", u"284", u"59", u"505"}},
    {u"VV 22sq-2C", {u"23", u"415", u"78", u"740"}},
    {u"VV 38sq-2C", {u"27", u"573", u"110", u"1150"}},
    {u"VV 60sq-2C", {u"32", u"804", u"145", u"1690"}},
    {u"VV 100sq-2C", {u"39", u"1195", u"200", u"2730"}},
    {u"VV 150sq-2C", {u"47", u"1735", u"255", u"4010"}},
    {u"VV 200sq-2C", {u"52", u"2124", u"310", u"5060"}},
    {u"VV 250sq-2C", {u"58", u"2642", u"355", u"6400"}},
    {u"VV 325sq-2C", {u"64", u"3217", u"420", u"8080"}},
    {u"VV 2sq-3C", {u"11", u"95", u"15", u"160"}},
    {u"VV 3.5sq-3C", {u"12.5", u"123", u"21", u"220"}},
    {u"VV 5.5sq-3C", {u"14.5", u"165", u"28", u"320"}},
    {u"VV 8sq-3C", {u"16.5", u"214", u"36", u"430"}},
    {u"VV 14sq-3C", {u"20", u"314", u"50", u"685"}},
    {u"VV 22sq-3C", {u"24", u"452", u"66", u"1010"}},
    {u"VV 38sq-3C", {u"29", u"661", u"93", u"1600"}},
    {u"VV 60sq-3C", {u"34", u"908", u"120", u"2370"}},
    {u"VV 100sq-3C", {u"42", u"1385", u"165", u"3830"}},
    {u"VV 150sq-3C", {u"50", u"1963", u"220", u"5660"}},
    {u"VV 200sq-3C", {u"56", u"2463", u"260", u"7150"}},
    {u"VV 250sq-3C", {u"62", u"3019", u"300", u"9070"}},
    {u"VV 325sq-3C", {u"69", u"3739", u"355", u"11490"}},
};
static_assert(std::size(kVvfVvRows) == 32);

} // namespace

CableTable FamilyTables::vvfVv()
{
    return {kVvfVvRows};
}
