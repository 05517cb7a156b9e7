#pragma once

#include <QFont>

namespace UiStyle {

// The faces the windows ask for. Each names its Windows face first; the free
// IPA faces of the same kind stand in where it is not installed.
enum class Face {
    Tahoma,      // the usual face of the windows
    UiGothic,    // "MS UI Gothic", proportional
    Gothic,      // "ＭＳ ゴシック", fixed-pitch
    PGothic,     // "ＭＳ Ｐゴシック", proportional
};

QFont screenFont(Face face, int pixelSize, bool bold = false);
// The usual face.
inline QFont screenFont(int pixelSize, bool bold = false) { return screenFont(Face::Tahoma, pixelSize, bold); }

} // namespace UiStyle
