#pragma once

#include <QRect>
#include <QString>

#include <vector>

// The three kinds of direct print, each on its own label stock.
enum class PlateKind { TypeA, TypeBTrunk, TypeBBranch };

int platesPerPage(PlateKind kind);
// The frames of one page's plates in layout order, in layout units.
std::vector<QRect> plateFrames(PlateKind kind);
// "Ａ種", "Ｂ種（幹線）", "Ｂ種（分岐）": how the window and the calibration page name a kind.
QString plateKindName(PlateKind kind);
