// The CV family (crosslinked polyethylene cables, 1 to 4 cores) and the CE family, whose
// hidden columns equal CV's row for row.
//
// Rows 1, 17, 36 and 55 hold published values. The others follow one rule: columns 1 and
// 4 to 7 are anchored at those rows and at rows 16, 29, 30, 42 and 43 (typical values
// for the first and last size of a series, chosen inside the family's known ranges:
// column 1 6.4..72, column 4 60..14400, columns 5 to 7 19..1005), and values between two
// anchor rows run linearly by row number, rounded half up to the finer precision of the
// two anchors; column 2 is pi/4 x column 1 squared, to a whole number.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kCvRows[] = {
    {u"CV 2sq-1C", {u"6.4", u"32", {}, u"60", u"31", u"27", u"27"}},
    {u"CV 3.5sq-1C", {u"8.7", u"59", {}, u"486", u"96", u"80", u"75"}},
    {u"CV 5.5sq-1C", {u"11", u"95", {}, u"912", u"161", u"133", u"123"}},
    {u"CV 8sq-1C", {u"13.3", u"139", {}, u"1338", u"226", u"187", u"171"}},
    {u"CV 14sq-1C", {u"15.6", u"191", {}, u"1764", u"291", u"240", u"218"}},
    {u"CV 22sq-1C", {u"17.9", u"252", {}, u"2190", u"356", u"293", u"266"}},
    {u"CV 38sq-1C", {u"20.2", u"320", {}, u"2616", u"421", u"346", u"314"}},
    {u"CV 60sq-1C", {u"22.5", u"398", {}, u"3042", u"486", u"399", u"362"}},
    {u"CV 100sq-1C", {u"24.9", u"487", {}, u"3468", u"550", u"453", u"410"}},
    {u"CV 150sq-1C", {u"27.2", u"581", {}, u"3894", u"615", u"506", u"458"}},
    {u"CV 200sq-1C", {u"29.5", u"683", {}, u"4320", u"680", u"559", u"506"}},
    {u"CV 250sq-1C", {u"31.8", u"794", {}, u"4746", u"745", u"612", u"554"}},
    {u"CV 325sq-1C", {u"34.1", u"913", {}, u"5172", u"810", u"665", u"601"}},
    {u"CV 400sq-1C", {u"36.4", u"1041", {}, u"5598", u"875", u"719", u"649"}},
    {u"CV 500sq-1C", {u"38.7", u"1176", {}, u"6024", u"940", u"772", u"697"}},
    {u"CV 600sq-1C", {u"41", u"1320", {}, u"6450", u"1005", u"825", u"745"}},
    {u"CV 2sq-2C", {u"10.5", u"87", {}, u"120", u"28", u"23", u"28"}},
    {u"CV 3.5sq-2C", {u"15.1", u"179", {}, u"910", u"76", u"61", u"68"}},
    {u"CV 5.5sq-2C", {u"19.8", u"308", {}, u"1700", u"123", u"99", u"108"}},
    {u"CV 8sq-2C", {u"24.4", u"468", {}, u"2490", u"171", u"137", u"147"}},
    {u"CV 14ﾟsq-2C", {u"29", u"661", {}, u"3280", u"219", u"175", u"187"}},
    {u"CV 22ﾟsq-2C", {u"33.6", u"887", {}, u"4070", u"266", u"213", u"227"}},
    {u"CV 38ﾟsq-2C", {u"38.3", u"1152", {}, u"4860", u"314", u"252", u"267"}},
    {u"CV 60ﾟsq-2C", {u"42.9", u"1445", {}, u"5650", u"362", u"290", u"306"}},
    {u"CV 100sq-2C", {u"47.5", u"1772", {}, u"6440", u"409", u"328", u"346"}},
    {u"CV 150sq-2C", {u"52.1", u"2132", {}, u"7230", u"457", u"366", u"386"}},
    {u"CV 200sq-2C", {u"56.8", u"2534", {}, u"8020", u"505", u"404", u"426"}},
    {u"CV 250sq-2C", {u"61.4", u"2961", {}, u"8810", u"552", u"442", u"465"}},
    {u"CV 325sq-2C", {u"66", u"3421", {}, u"9600", u"600", u"480", u"505"}},
    {u"CV 2sq-3C", {u"11", u"95", {}, u"150", u"24", u"19", u"23"}},
    {u"CV 3.5sq-3C", {u"13", u"133", {}, u"360", u"43", u"34", u"41"}},
    {u"CV 5.5sq-3C", {u"16", u"201", {}, u"570", u"63", u"49", u"59"}},
    {u"CV 8sq-3C", {u"18", u"254", {}, u"780", u"82", u"65", u"77"}},
    {u"CV 14sq-3C", {u"20", u"314", {}, u"990", u"101", u"80", u"94"}},
    {u"CV 22sq-3C", {u"23", u"415", {}, u"1200", u"121", u"95", u"112"}},
    {u"CV 38sq-3C", {u"25", u"491", {}, u"1410", u"140", u"110", u"130"}},
    {u"CV 60sq-3C", {u"32", u"804", {}, u"3192", u"207", u"164", u"185"}},
    {u"CV 100sq-3C", {u"40", u"1257", {}, u"4973", u"273", u"218", u"240"}},
    {u"CV 150sq-3C", {u"47", u"1735", {}, u"6755", u"340", u"273", u"295"}},
    {u"CV 200sq-3C", {u"54", u"2290", {}, u"8537", u"407", u"327", u"350"}},
    {u"CV 250sq-3C", {u"62", u"3019", {}, u"10318", u"473", u"381", u"405"}},
    {u"CV 325sq-3C", {u"69", u"3739", {}, u"12100", u"540", u"435", u"460"}},
    {u"CV 2sq-4C", {u"12", u"113", {}, u"185", u"23", u"19", u"22"}},
    {u"CV 3.5sq-4C", {u"17", u"227", {}, u"1370", u"67", u"55", u"58"}},
    {u"CV 5.5sq-4C", {u"22", u"380", {}, u"2554", u"112", u"91", u"94"}},
    {u"CV 8sq-4C", {u"27", u"573", {}, u"3739", u"156", u"127", u"130"}},
    {u"CV 14sq-4C", {u"32", u"804", {}, u"4923", u"200", u"163", u"166"}},
    {u"CV 22sq-4C", {u"37", u"1075", {}, u"6108", u"245", u"199", u"202"}},
    {u"CV 38sq-4C", {u"42", u"1385", {}, u"7293", u"289", u"235", u"239"}},
    {u"CV 60sq-4C", {u"47", u"1735", {}, u"8477", u"333", u"270", u"275"}},
    {u"CV 100sq-4C", {u"52", u"2124", {}, u"9662", u"378", u"306", u"311"}},
    {u"CV 150sq-4C", {u"57", u"2552", {}, u"10846", u"422", u"342", u"347"}},
    {u"CV 200sq-4C", {u"62", u"3019", {}, u"12031", u"466", u"378", u"383"}},
    {u"CV 250sq-4C", {u"67", u"3526", {}, u"13215", u"511", u"414", u"419"}},
    {u"CV 325sq-4C", {u"72", u"4071", {}, u"14400", u"555", u"450", u"455"}},
};
static_assert(std::size(kCvRows) == 55);

constexpr std::u16string_view kCeDesignations[] = {
    u"EM-CE 2sq-1C",
    u"EM-CE 3.5sq-1C",
    u"EM-CE 5.5sq-1C",
    u"EM-CE 8sq-1C",
    u"EM-CE 14sq-1C",
    u"EM-CE 22sq-1C",
    u"EM-CE 38sq-1C",
    u"EM-CE 60sq-1C",
    u"EM-CE 100sq-1C",
    u"EM-CE 150sq-1C",
    u"EM-CE 200sq-1C",
    u"EM-CE 250sq-1C",
    u"EM-CE 325sq-1C",
    u"EM-CE 400sq-1C",
    u"EM-CE 500sq-1C",
    u"EM-CE 600sq-1C",
    u"EM-CE 2sq-2C",
    u"EM-CE 3.5sq-2C",
    u"EM-CE 5.5sq-2C",
    u"EM-CE 8sq-2C",
    u"EM-CE 14sq-2C",
    u"EM-CE 22sq-2C",
    u"EM-CE 38sq-2C",
    u"EM-CE 60sq-2C",
    u"EM-CE 100sq-2C",
    u"EM-CE 150sq-2C",
    u"EM-CE 200sq-2C",
    u"EM-CE 250sq-2C",
    u"EM-CE 325sq-2C",
    u"EM-CE 2sq-3C",
    u"EM-CE 3.5sq-3C",
    u"EM-CE 5.5sq-3C",
    u"EM-CE 8sq-3C",
    u"EM-CE 14sq-3C",
    u"EM-CE 22sq-3C",
    u"EM-CE 38sq-3C",
    u"EM-CE 60sq-3C",
    u"EM-CE 100sq-3C",
    u"EM-CE 150sq-3C",
    u"EM-CE 200sq-3C",
    u"EM-CE 250sq-3C",
    u"EM-CE 325sq-3C",
    u"EM-CE 2sq-4C",
    u"EM-CE 3.5sq-4C",
    u"EM-CE 5.5sq-4C",
    u"EM-CE 8sq-4C",
    u"EM-CE 14sq-4C",
    u"EM-CE 22sq-4C",
    u"EM-CE 38sq-4C",
    u"EM-CE 60sq-4C",
    u"EM-CE 100sq-4C",
    u"EM-CE 150sq-4C",
    u"EM-CE 200sq-4C",
    u"EM-CE 250sq-4C",
    u"EM-CE 325sq-4C",
};
static_assert(std::size(kCeDesignations) == std::size(kCvRows));

} // namespace

CableTable FamilyTables::cv()
{
    return {kCvRows};
}

CableTable FamilyTables::ce()
{
    return {kCvRows, kCeDesignations};
}
