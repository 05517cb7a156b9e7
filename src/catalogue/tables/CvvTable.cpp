// The CVV family: control cables, 1.25sq to 22sq, 2 to 30 cores.
//
// Rows 1, 24 and 66 hold published values. The others follow one rule: columns 1 and 4
// are anchored at those rows and at the first and last row of each size (typical values
// inside the family's known ranges: column 1 9..30, column 2 64..706, column 4
// 95..1720), and values between two anchor rows run linearly by row number, rounded half
// up to the finer precision of the two anchors; column 2 is pi/4 x column 1 squared, to
// a whole number (row 38, the largest cable, holds 706).

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kCvvRows[] = {
    {u"CVV 1.25sq-2C", {u"9", u"64", {}, u"95"}},
    {u"CVV 1.25sq-3C", {u"10", u"79", {}, u"140"}},
    {u"CVV 1.25sq-4C", {u"11", u"95", {}, u"185"}},
    {u"CVV 1.25sq-5C", {u"12", u"113", {}, u"230"}},
    {u"CVV 1.25sq-6C", {u"13", u"133", {}, u"275"}},
    {u"CVV 1.25sq-7C", {u"14", u"154", {}, u"320"}},
    {u"CVV 1.25sq-8C", {u"15", u"177", {}, u"365"}},
    {u"CVV 1.25sq-10C", {u"16", u"201", {}, u"410"}},
    {u"CVV 1.25sq-12C", {u"17", u"227", {}, u"455"}},
    {u"CVV 1.25sq-15C", {u"18", u"254", {}, u"500"}},
    {u"CVV 1.25sq-20C", {u"19", u"284", {}, u"545"}},
    {u"CVV 1.25sq-30C", {u"20", u"314", {}, u"590"}},
    {u"CVV 2sq-2C", {u"10", u"79", {}, u"120"}},
    {u"CVV 2sq-3C", {u"11", u"95", {}, u"186"}},
    {u"CVV 2sq-4C", {u"13", u"133", {}, u"253"}},
    {u"CVV 2sq-5C", {u"14", u"154", {}, u"319"}},
    {u"CVV 2sq-6C", {u"15", u"177", {}, u"385"}},
    {u"CVV 2sq-7C", {u"17", u"227", {}, u"452"}},
    {u"CVV 2sq-8C", {u"18", u"254", {}, u"518"}},
    {u"CVV 2sq-10C", {u"20", u"314", {}, u"585"}},
    {u"CVV 2sq-12C", {u"21", u"346", {}, u"651"}},
    {u"CVV 2sq-15C", {u"22", u"380", {}, u"717"}},
    {u"CVV 2sq-20C", {u"24", u"452", {}, u"784"}},
    {u"CVV 2sq-24C", {u"25", u"491", {}, u"850"}},
    {u"CVV 2sq-30C", {u"27", u"573", {}, u"1040"}},
    {u"CVV 3.5sq-2C", {u"11", u"95", {}, u"160"}},
    {u"CVV 3.5sq-3C", {u"13", u"133", {}, u"290"}},
    {u"CVV 3.5sq-4C", {u"14", u"154", {}, u"420"}},
    {u"CVV 3.5sq-5C", {u"16", u"201", {}, u"550"}},
    {u"CVV 3.5sq-6C", {u"17", u"227", {}, u"680"}},
    {u"CVV 3.5sq-7C", {u"19", u"284", {}, u"810"}},
    {u"CVV 3.5sq-8C", {u"21", u"346", {}, u"940"}},
    {u"CVV 3.5sq-10C", {u"22", u"380", {}, u"1070"}},
    {u"CVV 3.5sq-12C", {u"24", u"452", {}, u"1200"}},
    {u"CVV 3.5sq-15C", {u"25", u"491", {}, u"1330"}},
    {u"CVV 3.5sq-20C", {u"27", u"573", {}, u"1460"}},
    {u"CVV 3.5sq-24C", {u"28", u"616", {}, u"1590"}},
    {u"CVV 3.5sq-30C", {u"30", u"706", {}, u"1720"}},
    {u"CVV 5.5sq-2C", {u"13", u"133", {}, u"230"}},
    {u"CVV 5.5sq-3C", {u"15", u"177", {}, u"372"}},
    {u"CVV 5.5sq-4C", {u"16", u"201", {}, u"514"}},
    {u"CVV 5.5sq-5C", {u"18", u"254", {}, u"656"}},
    {u"CVV 5.5sq-6C", {u"19", u"284", {}, u"798"}},
    {u"CVV 5.5sq-7C", {u"21", u"346", {}, u"940"}},
    {u"CVV 5.5sq-8C", {u"23", u"415", {}, u"1082"}},
    {u"CVV 5.5sq-10C", {u"24", u"452", {}, u"1224"}},
    {u"CVV 5.5sq-12C", {u"26", u"531", {}, u"1366"}},
    {u"CVV 5.5sq-15C", {u"27", u"573", {}, u"1508"}},
    {u"CVV 5.5sq-20C", {u"29", u"661", {}, u"1650"}},
    {u"CVV 8sq-2C", {u"14.5", u"165", {}, u"310"}},
    {u"CVV 8sq-3C", {u"16.1", u"204", {}, u"459"}},
    {u"CVV 8sq-4C", {u"17.6", u"243", {}, u"608"}},
    {u"CVV 8sq-5C", {u"19.2", u"290", {}, u"756"}},
    {u"CVV 8sq-6C", {u"20.8", u"340", {}, u"905"}},
    {u"CVV 8sq-7C", {u"22.3", u"391", {}, u"1054"}},
    {u"CVV 8sq-8C", {u"23.9", u"449", {}, u"1203"}},
    {u"CVV 8sq-10C", {u"25.4", u"507", {}, u"1351"}},
    {u"CVV 8sq-12C", {u"27", u"573", {}, u"1500"}},
    {u"CVV 14sq-2C", {u"18", u"254", {}, u"500"}},
    {u"CVV 14sq-3C", {u"20", u"314", {}, u"720"}},
    {u"CVV 14sq-4C", {u"22", u"380", {}, u"940"}},
    {u"CVV 14sq-5C", {u"23", u"415", {}, u"1160"}},
    {u"CVV 14sq-6C", {u"25", u"491", {}, u"1380"}},
    {u"CVV 22sq-2C", {u"21", u"346", {}, u"780"}},
    {u"CVV 22sq-3C", {u"24", u"452", {}, u"1045"}},
    {u"CVV 22sq-4C", {u"26", u"531", {}, u"1310"}},
};
static_assert(std::size(kCvvRows) == 66);

} // namespace

CableTable FamilyTables::cvv()
{
    return {kCvvRows};
}
