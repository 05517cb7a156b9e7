#include "TypeBGeometry.h"

namespace {

// Trunk size names and circuit numbers share one offset table in font size 8.
constexpr std::array<OneLineCell, 6> trunkCounted(int y)
{
    return {{{8, -4, y}, {8, 30, y}, {8, 58, y}, {8, 96, y}, {8, 132, y}, {8, 160, y}}};
}

constexpr CountedText trunkCountedText(Column column, int anchor, int upperY, int lowerY, int oneLineY)
{
    return {column, anchor, 7, 25, upperY, lowerY, trunkCounted(oneLineY)};
}

constexpr TypeBGeometry kTrunk{
    .rowsPerPage = 8,
    .firstLeft = 820,
    .columnPitch = 1190,
    .firstTop = 460,
    .rowPitch = 780,
    .frameLeft = 0,
    .frameTop = 0,
    .frameRight = 1060,
    .frameBottom = 510,
    .framePen = 14,
    .firstRuleY = 170,
    .secondRuleY = 340,
    .labelRuleX = 170,
    .splitX = 610,
    .cutTop = -120,
    .cutBottom = 660,
    .cutLeft = -65,
    .cutRight = 1125,
    .noBox = {11, 37, 35, 0},
    .from = {11, 37, 205, 0},
    .to = {11, 37, 375, 0},
    .circuit = trunkCountedText(ColCircuit, 189, 25, 85, 53),
    // A cable type of exactly 15 bytes keeps its words on one line at 7 points, the
    // larger size running past the frame: 437 of the cell's 450 units, centred.
    .cableType = {ColCableType, 635, 15, 7, -5, 25, 85,
                  {{{7, -20, 58}, {7, -4, 58}, {7, 10, 58}, {7, 20, 58}, {8, 10, 53}, {8, 35, 53}, {8, 50, 53}, {8, 65, 53},
                    {8, 80, 53}, {8, 95, 53}, {8, 110, 53}, {8, 125, 53}, {8, 140, 53}, {8, 155, 53},
                    {8, 170, 53}}}},
    .names = {{
        trunkCountedText(ColFrom1, 189, 195, 255, 220),
        trunkCountedText(ColFrom2, 635, 195, 255, 220),
        trunkCountedText(ColTo1, 189, 360, 420, 390),
        trunkCountedText(ColTo2, 635, 360, 420, 390),
    }},
    .dateLine = {5, 7, 540, 7, 520, 580},
};

constexpr TypeBGeometry kBranch{
    .rowsPerPage = 12,
    .firstLeft = 670,
    .columnPitch = 1000,
    .firstTop = 460,
    .rowPitch = 500,
    .frameLeft = -15,
    .frameTop = -50,
    .frameRight = 885,
    .frameBottom = 290,
    .framePen = 12,
    .firstRuleY = 65,
    .secondRuleY = 175,
    .labelRuleX = 65,
    .splitX = 470,
    .cutTop = -120,
    .cutBottom = 380,
    .cutLeft = -65,
    .cutRight = 935,
    .noBox = {6, -5, -20, 0},
    .from = {8, 0, 88, -6},
    .to = {8, 0, 198, -6},
    .circuit = {ColCircuit, 70, 6, 45, -40, 8,
                {{{7, 20, -23}, {7, 50, -23}, {8, 58, -26}, {8, 96, -26}, {8, 132, -26}, {8, 160, -26}}}},
    .cableType = {ColCableType, 480, 16, 7, -5, -45, 5,
                  {{{6, -4, -15}, {6, 10, -15}, {6, 20, -15}, {7, 8, -20}, {7, 25, -20}, {7, 35, -20},
                    {8, 26, -26}, {8, 40, -26}, {8, 65, -26}, {8, 70, -26}, {8, 95, -26}, {8, 110, -26},
                    {8, 125, -26}, {8, 140, -26}, {8, 155, -26}, {8, 170, -26}}}},
    .names = {{
        {ColFrom1, 60, 6, 55, 70, 120,
         {{{7, 35, 93}, {7, 60, 93}, {8, 60, 86}, {8, 98, 86}, {8, 135, 86}, {8, 170, 86}}}},
        {ColFrom2, 480, 6, 48, 70, 120,
         {{{7, 25, 93}, {7, 40, 93}, {8, 50, 86}, {8, 85, 86}, {8, 120, 86}, {8, 150, 86}}}},
        {ColTo1, 60, 6, 60, 180, 230,
         {{{7, 35, 203}, {7, 60, 203}, {8, 70, 196}, {8, 98, 196}, {8, 135, 196}, {8, 170, 196}}}},
        {ColTo2, 480, 6, 48, 180, 230,
         {{{7, 25, 203}, {7, 40, 203}, {8, 50, 196}, {8, 85, 196}, {8, 120, 196}, {8, 150, 196}}}},
    }},
    .dateLine = {-25, 6, 306, 5, 297, 336},
};

} // namespace

const TypeBGeometry& TypeBGeometry::of(PlateSize size)
{
    return size == PlateSize::Trunk ? kTrunk : kBranch;
}
