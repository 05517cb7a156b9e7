// The CVT family (CVD, CVT and CVQ: two, three and four twisted single cores), all
// values as published, and the CEE family, whose hidden columns equal CVT's row for row.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kCvtRows[] = {
    {u"CVD 8sq", {u"17.5", u"116", {}, u"280", u"66", u"51", u"66"}},
    {u"CVD 14sq", {u"19", u"139", {}, u"410", u"91", u"69", u"90"}},
    {u"CVD 22sq", {u"23", u"190", {}, u"600", u"120", u"92", u"115"}},
    {u"CVD 38sq", {u"26", u"265", {}, u"930", u"165", u"125", u"160"}},
    {u"CVD 60sq", {u"32", u"377", {}, u"1400", u"225", u"165", u"210"}},
    {u"CVD 100sq", {u"39", u"567", {}, u"2230", u"310", u"230", u"285"}},
    {u"CVD 150sq", {u"45", u"760", {}, u"3270", u"400", u"310", u"360"}},
    {u"CVD 200sq", {u"53", u"1062", {}, u"4390", u"490", u"370", u"430"}},
    {u"CVD 250sq", {u"57", u"1232", {}, u"5450", u"565", u"345", u"490"}},
    {u"CVD 325sq", {u"63", u"1510", {}, u"6960", u"670", u"505", u"570"}},
    {u"CVD 400sq", {u"69", u"1816", {}, u"8490", u"765", u"580", u"635"}},
    {u"CVD 500sq", {u"77", u"2268", {}, u"10600", u"880", u"675", u"715"}},
    {u"CVT 8sq", {u"19", u"174", {}, u"420", u"62", u"46", u"60"}},
    {u"CVT 14sq", {u"21", u"208", {}, u"620", u"86", u"63", u"81"}},
    {u"CVT 22sq", {u"24", u"285", {}, u"890", u"110", u"82", u"105"}},
    {u"CVT 38sq", {u"28", u"398", {}, u"1400", u"155", u"110", u"145"}},
    {u"CVT 60sq", {u"34", u"566", {}, u"2100", u"210", u"150", u"185"}},
    {u"CVT 100sq", {u"41", u"851", {}, u"3430", u"290", u"215", u"250"}},
    {u"CVT 150sq", {u"48", u"1140", {}, u"4900", u"380", u"275", u"320"}},
    {u"CVT 200sq", {u"57", u"1593", {}, u"6580", u"465", u"340", u"380"}},
    {u"CVT 250sq", {u"61", u"1847", {}, u"8170", u"535", u"395", u"430"}},
    {u"CVT 325sq", {u"67", u"2264", {}, u"10500", u"635", u"475", u"500"}},
    {u"CVT 400sq", {u"74", u"2724", {}, u"12800", u"725", u"535", u"560"}},
    {u"CVT 500sq", {u"82", u"3402", {}, u"15900", u"835", u"615", u"645"}},
    {u"CVQ 8sq", {u"17.5", u"232", {}, u"560", u"62", u"46", u"60"}},
    {u"CVQ 14sq", {u"23", u"278", {}, u"820", u"86", u"63", u"81"}},
    {u"CVQ 22sq", {u"27", u"380", {}, u"1190", u"110", u"82", u"105"}},
    {u"CVQ 38sq", {u"31", u"531", {}, u"1880", u"155", u"110", u"145"}},
    {u"CVQ 60sq", {u"38", u"755", {}, u"2800", u"210", u"150", u"185"}},
    {u"CVQ 100sq", {u"46", u"1134", {}, u"4450", u"290", u"215", u"250"}},
    {u"CVQ 150sq", {u"54", u"1521", {}, u"6530", u"380", u"275", u"320"}},
    {u"CVQ 200sq", {u"63", u"2124", {}, u"8780", u"465", u"340", u"380"}},
    {u"CVQ 250sq", {u"68", u"2463", {}, u"10900", u"535", u"395", u"430"}},
    {u"CVQ 325sq", {u"75", u"3019", {}, u"14000", u"635", u"475", u"500"}},
    {u"CVQ 400sq", {u"83", u"3632", {}, u"17000", u"725", u"535", u"560"}},
    {u"CVQ 500sq", {u"92", u"4536", {}, u"21200", u"835", u"615", u"645"}},
};
static_assert(std::size(kCvtRows) == 36);

constexpr std::u16string_view kCeeDesignations[] = {
    u"EM-CED 8sq",
    u"EM-CED 14sq",
    u"EM-CED 22sq",
    u"EM-CED 38sq",
    u"EM-CED 60sq",
    u"EM-CED 100sq",
    u"EM-CED 150sq",
    u"EM-CED 200sq",
    u"EM-CED 250sq",
    u"EM-CED 325sq",
    u"EM-CED 400sq",
    u"EM-CED 500sq",
    u"EM-CET 8sq",
    u"EM-CET 14sq",
    u"EM-CET 22sq",
    u"EM-CET 38sq",
    u"EM-CET 60sq",
    u"EM-CET 100sq",
    u"EM-CET 150sq",
    u"EM-CET 200sq",
    u"EM-CET 250sq",
    u"EM-CET 325sq",
    u"EM-CET 400sq",
    u"EM-CET 500sq",
    u"EM-CEQ 8sq",
    u"EM-CEQ 14sq",
    u"EM-CEQ 22sq",
    u"EM-CEQ 38sq",
    u"EM-CEQ 60sq",
    u"EM-CEQ 100sq",
    u"EM-CEQ 150sq",
    u"EM-CEQ 200sq",
    u"EM-CEQ 250sq",
    u"EM-CEQ 325sq",
    u"EM-CEQ 400sq",
    u"EM-CEQ 500sq",
};
static_assert(std::size(kCeeDesignations) == std::size(kCvtRows));

} // namespace

CableTable FamilyTables::cvt()
{
    return {kCvtRows};
}

CableTable FamilyTables::cee()
{
    return {kCvtRows, kCeeDesignations};
}
