#include "ScreenFonts.h"

#include <QStringList>

namespace UiStyle {

namespace {

QStringList familiesOf(Face face)
{
    switch (face) {
    case Face::Tahoma:
        return {QStringLiteral("Tahoma"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    case Face::UiGothic:
        return {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    case Face::Gothic:
        return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")};
    case Face::PGothic:
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    }
    return {};
}

} // namespace

QFont screenFont(Face face, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(familiesOf(face));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace UiStyle
