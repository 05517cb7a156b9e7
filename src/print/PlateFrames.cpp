#include "PlateFrames.h"

#include "TypeAPlates.h"
#include "TypeBPlates.h"

int platesPerPage(PlateKind kind)
{
    switch (kind) {
    case PlateKind::TypeA:
        return TypeAPlates::kPlatesPerPage;
    case PlateKind::TypeBTrunk:
        return TypeBGeometry::of(PlateSize::Trunk).platesPerPage();
    case PlateKind::TypeBBranch:
        return TypeBGeometry::of(PlateSize::Branch).platesPerPage();
    }
    return 0;
}

std::vector<QRect> plateFrames(PlateKind kind)
{
    std::vector<QRect> frames;
    for (int position = 1; position <= platesPerPage(kind); ++position) {
        if (kind == PlateKind::TypeA)
            frames.push_back(TypeAPlates::plateFrame(position));
        else
            frames.push_back(TypeBPlates::plateFrame(
                kind == PlateKind::TypeBTrunk ? PlateSize::Trunk : PlateSize::Branch, position));
    }
    return frames;
}

QString plateKindName(PlateKind kind)
{
    switch (kind) {
    case PlateKind::TypeA:
        return QStringLiteral("Ａ種");
    case PlateKind::TypeBTrunk:
        return QStringLiteral("Ｂ種（幹線）");
    case PlateKind::TypeBBranch:
        return QStringLiteral("Ｂ種（分岐）");
    }
    return {};
}
