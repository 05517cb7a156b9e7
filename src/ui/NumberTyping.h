#pragma once

#include <QString>

namespace UiStyle {

// A number typed with the Japanese input method on arrives in full-width
// forms ("１５", "－１．５") or with a look-alike of the minus sign ("ー",
// "−"). This folds those to the ASCII forms a number box reads, one
// character for one, so a cursor position in the text stays valid.
QString halfWidthNumberText(const QString& typed);

} // namespace UiStyle
