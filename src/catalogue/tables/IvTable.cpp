// The IV family: single-core wires. Columns 1 to 4: outer diameter, area and two further
// values, all as published.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kIvRows[] = {
    {u"IV 1.6mm", {u"3.2", u"8", u"19", u"26"}},
    {u"IV 2.0mm", {u"3.6", u"10", u"24", u"38"}},
    {u"IV 2sq", {u"3.4", u"8", u"19", u"28"}},
    {u"IV 3.5sq", {u"4", u"10", u"26", u"44"}},
    {u"IV 5.5sq", {u"5", u"20", u"34", u"69"}},
    {u"IV 8sq", {u"6", u"28", u"42", u"100"}},
    {u"IV 14sq", {u"7.6", u"45", u"61", u"170"}},
    {u"IV 22sq", {u"9.2", u"66", u"80", u"261"}},
    {u"IV 38sq", {u"11.5", u"104", u"113", u"428"}},
    {u"IV 60sq", {u"14", u"154", u"152", u"648"}},
    {u"IV 100sq", {u"17", u"227", u"208", u"1070"}},
    {u"IV 150sq", {u"21", u"346", u"276", u"1600"}},
    {u"IV 200sq", {u"23", u"415", u"328", u"2030"}},
    {u"IV 250sq", {u"26", u"531", u"389", u"2600"}},
};
static_assert(std::size(kIvRows) == 14);

} // namespace

CableTable FamilyTables::iv()
{
    return {kIvRows};
}
