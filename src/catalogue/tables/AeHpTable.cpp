// The AE,HP family: AEV and HP cables. Rows 13 to 18 repeat the designations of rows 7
// to 12 as rows of their own, with the same columns 1 and 2 but their own column 4.
// Column 1 is thickness x width in the flat rows (1, 4, 7, 10, 13, 16, 19..22, 53..56;
// row 4 writes a capital "X"), a diameter elsewhere.
//
// Rows 1, 4, 7, 13, 19 and 88 and column 4 of rows 7 to 18 hold published values. The
// others follow one rule: columns 1 and 4 are anchored at those rows and at the first
// and last row of each series (typical values), and values between two anchor rows run
// linearly by row number, rounded half up to the finer precision of the two anchors
// (column 1 among rows of the same shape only); column 2 is thickness x width in a flat
// row and pi/4 x diameter squared, to a whole number, in a round one.

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kAeHpRows[] = {
    {u"AEV 0.9-2C(一般用)", {u"3.5x4.9", u"17.15", {}, u"28"}},
    {u"AEV 0.9-3C(一般用)", {u"5.3", u"22", {}, u"32"}},
    {u"AEV 0.9-4C(一般用)", {u"5.7", u"26", {}, u"37"}},
    {u"AEV 1.2-2C(一般用)", {u"3.9X5.8", u"22.62", {}, u"41"}},
    {u"AEV 1.2-3C(一般用)", {u"6.6", u"34", {}, u"51"}},
    {u"AEV 1.2-4C(一般用)", {u"7", u"38", {}, u"60"}},
    {u"AEV 0.9-2C(屋内専用)", {u"3.1x4.5", u"13.95", {}, u"25"}},
    {u"AEV 0.9-3C(屋内専用)", {u"5", u"20", {}, u"34"}},
    {u"AEV 0.9-4C(屋内専用)", {u"5.4", u"23", {}, u"42"}},
    {u"AEV 1.2-2C(屋内専用)", {u"3.5x5.4", u"18.9", {}, u"37"}},
    {u"AEV 1.2-3C(屋内専用)", {u"6.2", u"30", {}, u"52"}},
    {u"AEV 1.2-4C(屋内専用)", {u"6.6", u"34", {}, u"65"}},
    {u"AEV 0.9-2C(屋内専用)", {u"3.1x4.5", u"13.95", {}, u"23"}},
    {u"AEV 0.9-3C(屋内専用)", {u"5", u"20", {}, u"31"}},
    {u"AEV 0.9-4C(屋内専用)", {u"5.4", u"23", {}, u"39"}},
    {u"AEV 1.2-2C(屋内専用)", {u"3.5x5.4", u"18.9", {}, u"34"}},
    {u"AEV 1.2-3C(屋内専用)", {u"6.2", u"30", {}, u"49"}},
    {u"AEV 1.2-4C(屋内専用)", {u"6.6", u"34", {}, u"62"}},
    {u"HP-F 0.9-2C", {u"3.5x5.0", u"17.5", {}, u"30"}},
    {u"HP-F 0.9-3C", {u"3.7x6.1", u"22.57", {}, u"35"}},
    {u"HP-F 1.2-2C", {u"3.8x7.3", u"27.74", {}, u"40"}},
    {u"HP-F 1.2-3C", {u"4.0x8.4", u"33.6", {}, u"45"}},
    {u"HP 0.9-2C", {u"5.4", u"23", {}, u"38"}},
    {u"HP 0.9-3C", {u"6.4", u"32", {}, u"63"}},
    {u"HP 0.9-4C", {u"7.4", u"43", {}, u"89"}},
    {u"HP 0.9-6C", {u"8.5", u"57", {}, u"114"}},
    {u"HP 0.9-10C", {u"9.5", u"71", {}, u"139"}},
    {u"HP 0.9-14C", {u"10.5", u"87", {}, u"165"}},
    {u"HP 0.9-20C", {u"11.5", u"104", {}, u"190"}},
    {u"HP 1.2-2C", {u"6", u"28", {}, u"55"}},
    {u"HP 1.2-3C", {u"7", u"38", {}, u"96"}},
    {u"HP 1.2-4C", {u"9", u"64", {}, u"137"}},
    {u"HP 1.2-6C", {u"10", u"79", {}, u"178"}},
    {u"HP 1.2-10C", {u"11", u"95", {}, u"218"}},
    {u"HP 1.2-14C", {u"13", u"133", {}, u"259"}},
    {u"HP 1.2-20C", {u"14", u"154", {}, u"300"}},
    {u"HP 0.9-3P", {u"8.5", u"57", {}, u"95"}},
    {u"HP 0.9-5P", {u"10.1", u"80", {}, u"161"}},
    {u"HP 0.9-7P", {u"11.8", u"109", {}, u"228"}},
    {u"HP 0.9-10P", {u"13.4", u"141", {}, u"294"}},
    {u"HP 0.9-15P", {u"15.1", u"179", {}, u"361"}},
    {u"HP 0.9-20P", {u"16.7", u"219", {}, u"427"}},
    {u"HP 0.9-30P", {u"18.4", u"266", {}, u"494"}},
    {u"HP 0.9-50P", {u"20", u"314", {}, u"560"}},
    {u"HP 1.2-3P", {u"10", u"79", {}, u"140"}},
    {u"HP 1.2-5P", {u"13", u"133", {}, u"306"}},
    {u"HP 1.2-7P", {u"15", u"177", {}, u"471"}},
    {u"HP 1.2-10P", {u"18", u"254", {}, u"637"}},
    {u"HP 1.2-15P", {u"21", u"346", {}, u"803"}},
    {u"HP 1.2-20P", {u"24", u"452", {}, u"969"}},
    {u"HP 1.2-30P", {u"26", u"531", {}, u"1134"}},
    {u"HP 1.2-50P", {u"29", u"661", {}, u"1300"}},
    {u"EM-HP-F 0.9-2C", {u"3.6x5.1", u"18.36", {}, u"31"}},
    {u"EM-HP-F 0.9-3C", {u"3.8x6.2", u"23.56", {}, u"36"}},
    {u"EM-HP-F 1.2-2C", {u"3.9x7.4", u"28.86", {}, u"41"}},
    {u"EM-HP-F 1.2-3C", {u"4.1x8.5", u"34.85", {}, u"46"}},
    {u"EM-HP 0.9-2C", {u"5.5", u"24", {}, u"40"}},
    {u"EM-HP 0.9-3C", {u"6.4", u"32", {}, u"63"}},
    {u"EM-HP 0.9-4C", {u"7.4", u"43", {}, u"86"}},
    {u"EM-HP 0.9-5C", {u"8.3", u"54", {}, u"109"}},
    {u"EM-HP 0.9-6C", {u"9.2", u"66", {}, u"131"}},
    {u"EM-HP 0.9-10C", {u"10.1", u"80", {}, u"154"}},
    {u"EM-HP 0.9-14C", {u"11.1", u"97", {}, u"177"}},
    {u"EM-HP 0.9-20C", {u"12", u"113", {}, u"200"}},
    {u"EM-HP 1.2-2C", {u"6.2", u"30", {}, u"58"}},
    {u"EM-HP 1.2-3C", {u"7.4", u"43", {}, u"94"}},
    {u"EM-HP 1.2-4C", {u"8.6", u"58", {}, u"130"}},
    {u"EM-HP 1.2-5C", {u"9.8", u"75", {}, u"166"}},
    {u"EM-HP 1.2-6C", {u"10.9", u"93", {}, u"202"}},
    {u"EM-HP 1.2-10C", {u"12.1", u"115", {}, u"238"}},
    {u"EM-HP 1.2-14C", {u"13.3", u"139", {}, u"274"}},
    {u"EM-HP 1.2-20C", {u"14.5", u"165", {}, u"310"}},
    {u"EM-HP 0.9-3P", {u"8.7", u"59", {}, u"98"}},
    {u"EM-HP 0.9-5P", {u"10.4", u"85", {}, u"167"}},
    {u"EM-HP 0.9-7P", {u"12.1", u"115", {}, u"236"}},
    {u"EM-HP 0.9-10P", {u"13.8", u"150", {}, u"305"}},
    {u"EM-HP 0.9-15P", {u"15.4", u"186", {}, u"373"}},
    {u"EM-HP 0.9-20P", {u"17.1", u"230", {}, u"442"}},
    {u"EM-HP 0.9-30P", {u"18.8", u"278", {}, u"511"}},
    {u"EM-HP 0.9-50P", {u"20.5", u"330", {}, u"580"}},
    {u"EM-HP 1.2-3P", {u"10.5", u"87", {}, u"145"}},
    {u"EM-HP 1.2-5P", {u"13.3", u"139", {}, u"319"}},
    {u"EM-HP 1.2-7P", {u"16.1", u"204", {}, u"492"}},
    {u"EM-HP 1.2-10P", {u"18.9", u"281", {}, u"666"}},
    {u"EM-HP 1.2-15P", {u"21.6", u"366", {}, u"839"}},
    {u"EM-HP 1.2-20P", {u"24.4", u"468", {}, u"1013"}},
    {u"EM-HP 1.2-30P", {u"27.2", u"581", {}, u"1186"}},
    {u"EM-HP 1.2-50P", {u"30", u"707", {}, u"1360"}},
};
static_assert(std::size(kAeHpRows) == 88);

} // namespace

CableTable FamilyTables::aeHp()
{
    return {kAeHpRows};
}
