// The 音響用特殊ケーブル family: audio and special cables. Rows 40 to 42 repeat rows 20 to 22
// with the same values, as rows of their own; row 48 is written with a comma.
//
// Rows 1, 3, 15, 68 and 85 and column 1 of row 69 hold published values. The others
// follow one rule: column 1 is anchored at those rows and at the first and last row of
// each series (typical values inside the known range 3..26.1), and values between two
// anchor rows run linearly by row number, rounded half up to the finer precision of the
// two anchors; column 2 is pi/4 x column 1 squared to two decimals, and in the flat row
// 69 its thickness x width scaled as in row 68 (23.87).

#include "FamilyTables.h"

#include <iterator>

namespace {

constexpr CableRow kAudioRows[] = {
    {u"L-4E5AT", {u"5", u"19.63"}},
    {u"L-4E6AT", {u"6", u"28.27"}},
    {u"L-4E3AT", {u"3", u"7.07"}},
    {u"L-4E3-2AT", {u"5.8", u"26.42"}},
    {u"L-4E3-4AT", {u"8.3", u"54.11"}},
    {u"L-4E3-8AT", {u"10.9", u"93.31"}},
    {u"L-4E3-12AT", {u"13.4", u"141.03"}},
    {u"L-4E3-16AT", {u"16", u"201.06"}},
    {u"L-4E3-24AT", {u"18.5", u"268.8"}},
    {u"L-4E4-2AT", {u"7.5", u"44.18"}},
    {u"L-4E4-4AT", {u"11.2", u"98.52"}},
    {u"L-4E4-8AT", {u"14.9", u"174.37"}},
    {u"L-4E4-12AT", {u"18.7", u"274.65"}},
    {u"L-4E4-16AT", {u"22.4", u"394.08"}},
    {u"L-4E4-24AT", {u"26.1", u"535.01"}},
    {u"L-4E5-2AT", {u"9.5", u"70.88"}},
    {u"L-4E5-4AT", {u"13.3", u"138.93"}},
    {u"L-4E5-8AT", {u"17", u"226.98"}},
    {u"L-2E5AL", {u"5", u"19.63"}},
    {u"L-2E4-2AL", {u"6.5", u"33.18"}},
    {u"L-2E4-4AL", {u"8.8", u"60.82"}},
    {u"L-2E4-8AL", {u"11", u"95.03"}},
    {u"L-2E4-12AL", {u"13.3", u"138.93"}},
    {u"L-2E4-16AL", {u"15.5", u"188.69"}},
    {u"MR202-2AT", {u"8", u"50.27"}},
    {u"MR202-4AT", {u"10", u"78.54"}},
    {u"MR202-8AT", {u"12", u"113.1"}},
    {u"MR202-12AT", {u"14", u"153.94"}},
    {u"MR202-16AT", {u"16", u"201.06"}},
    {u"MR202-24AT", {u"18", u"254.47"}},
    {u"MR202-32AT", {u"20", u"314.16"}},
    {u"M202-2AT", {u"7.5", u"44.18"}},
    {u"M202-4AT", {u"9.1", u"65.04"}},
    {u"M202-8AT", {u"10.6", u"88.25"}},
    {u"M202-12AT", {u"12.2", u"116.9"}},
    {u"M202-16AT", {u"13.8", u"149.57"}},
    {u"M202-20AT", {u"15.4", u"186.27"}},
    {u"M202-24AT", {u"16.9", u"224.32"}},
    {u"M202-32AT", {u"18.5", u"268.8"}},
    {u"L-2E4-2AL", {u"6.5", u"33.18"}},
    {u"L-2E4-4AL", {u"8.8", u"60.82"}},
    {u"L-2E4-8AL", {u"11", u"95.03"}},
    {u"VCT-1.25-2C", {u"8.8", u"60.82"}},
    {u"VCT-1.25-4C", {u"9.7", u"73.9"}},
    {u"VCT-2.0-2C", {u"9.3", u"67.93"}},
    {u"VCT-2.0-4C", {u"10.2", u"81.71"}},
    {u"VCT-3.5-2C", {u"11.1", u"96.77"}},
    {u"VCT-3,5-3C", {u"12", u"113.1"}},
    {u"VCT-3.5-4C", {u"12.8", u"128.68"}},
    {u"VCT-5.5-2C", {u"13.7", u"147.41"}},
    {u"VCT-5.5-3C", {u"14.6", u"167.42"}},
    {u"VCT-5.5-4C", {u"15.5", u"188.69"}},
    {u"DA206", {u"7", u"38.48"}},
    {u"DA202", {u"9", u"63.62"}},
    {u"DA203AL", {u"11", u"95.03"}},
    {u"DA202-2P", {u"12", u"113.1"}},
    {u"DA202-4P", {u"14", u"153.94"}},
    {u"DA202-8P", {u"16", u"201.06"}},
    {u"DA203-2AL", {u"8", u"50.27"}},
    {u"DA203-4AL", {u"12", u"113.1"}},
    {u"DA203-8AL", {u"15", u"176.71"}},
    {u"DA203-12AL", {u"19", u"283.53"}},
    {u"4S6", {u"6", u"28.27"}},
    {u"4S8", {u"8", u"50.27"}},
    {u"4S10F", {u"9", u"63.62"}},
    {u"4S11", {u"11", u"95.03"}},
    {u"4S12F", {u"12", u"113.1"}},
    {u"AE1.2-2C", {u"4.0x5.6", u"18.06"}},
    {u"AE1.2-3C", {u"4.0x7.4", u"23.87"}},
    {u"CVV-S2.0-4C", {u"12.5", u"122.72"}},
    {u"CVV-S1.25-10C", {u"14.7", u"169.72"}},
    {u"CVV-S2.0-10C", {u"16.8", u"221.67"}},
    {u"CVV-S3.5-10C", {u"19", u"283.53"}},
    {u"KPEV0.3-5P", {u"9.5", u"70.88"}},
    {u"KPEV0.3-10P", {u"11.3", u"100.29"}},
    {u"KPEV0.3-15P", {u"13.2", u"136.85"}},
    {u"KPEV0.3-20P", {u"15", u"176.71"}},
    {u"KPEV0.5-5P", {u"11", u"95.03"}},
    {u"KPEV0.5-10P", {u"13.2", u"136.85"}},
    {u"KPEV0.5-15P", {u"15.3", u"183.85"}},
    {u"KPEV0.5-20P", {u"17.5", u"240.53"}},
    {u"KPEV0.75-5P", {u"12.5", u"122.72"}},
    {u"KPEV0.75-10P", {u"15.8", u"196.07"}},
    {u"KPEV0.75-15P", {u"19.2", u"289.53"}},
    {u"KPEV0.75-20P", {u"22.5", u"397.6"}},
};
static_assert(std::size(kAudioRows) == 85);

} // namespace

CableTable FamilyTables::audio()
{
    return {kAudioRows};
}
