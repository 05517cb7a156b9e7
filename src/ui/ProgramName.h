#pragma once

#include <QString>

namespace UiStyle {

// The program's name as users know it: the title of its message boxes.
inline const QString kProgramName = QStringLiteral("タグリオ");

} // namespace UiStyle
