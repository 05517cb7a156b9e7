#include "ScreenFonts.h"

#include <QStringList>

namespace UiStyle {

namespace {

// Windows' own faces by their English names (Qt also knows the Japanese ones
// as aliases there): the face asked for, then the system's newer Japanese
// faces where it is missing. On other systems none of them is installed and
// the IPA faces after them are used.
QStringList familiesOf(Face face)
{
    const QStringList ipaProportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList windowsGothic{QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                                    QStringLiteral("Meiryo"), QStringLiteral("Yu Gothic")};
    switch (face) {
    case Face::Tahoma:
        return QStringList{QStringLiteral("Tahoma"), QStringLiteral("MS UI Gothic")} + windowsGothic
               + ipaProportional;
    case Face::UiGothic:
        return QStringList{QStringLiteral("MS UI Gothic")} + windowsGothic + ipaProportional;
    case Face::Gothic:
        return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")};
    case Face::PGothic:
        return QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic")} + windowsGothic
               + ipaProportional;
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
