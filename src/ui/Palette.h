#pragma once

#include <QColor>

// Every colour the windows paint with, by what it is used for.
namespace UiStyle {

inline constexpr QColor kWindowBackground{207, 205, 173}; // the ground of all three windows
inline constexpr QColor kCream{255, 251, 240};            // bars, banners, help titles
inline constexpr QColor kPaleYellow{242, 244, 159};       // the sheet's header row, the entry form's top bar
inline constexpr QColor kCatalogueGround{252, 255, 187};  // the catalogue grid's cells
inline constexpr QColor kHelpPanel{0, 64, 64};
inline constexpr QColor kOutputPanel{192, 220, 192};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kCaptionBlue{0, 0, 160};
inline constexpr QColor kGreen{0, 128, 0};
inline constexpr QColor kTeal{0, 128, 128};
inline constexpr QColor kOlive{128, 128, 0};
inline constexpr QColor kRed{255, 0, 0};
inline constexpr QColor kWhite{255, 255, 255};
inline constexpr QColor kBlack{0, 0, 0};

} // namespace UiStyle
