#pragma once

#include "ui/ScreenFonts.h"

#include <QRect>
#include <QStringList>
#include <QStringView>

#include <array>

// Where everything stands in the catalogue window, in client pixels.
namespace CatalogueLayout {

inline constexpr QSize kClientSize{461, 290};
inline constexpr QRect kGrid{151, 6, 182, 276};
inline constexpr QRect kHintLabel{355, 182, 93, 13};
inline constexpr QRect kPicture{380, 114, 49, 49};

inline constexpr int kDesignationColumnWidth = 170;
inline constexpr int kRowHeight = 17;

inline constexpr int kButtonPixelSize = 13;
inline constexpr int kGridPixelSize = 12;
inline constexpr int kHintPixelSize = 9;

struct FamilyButton {
    QStringView name;    // objectName
    QStringView caption; // the family it loads
    QRect geometry;
    UiStyle::Face face;  // the WL1 button's face is the fixed-pitch gothic
};

inline constexpr std::array<FamilyButton, 16> kFamilyButtons{{
    {u"Button9", u"CV", {7, 6, 67, 33}, UiStyle::Face::UiGothic},
    {u"Button10", u"CVT", {77, 6, 68, 33}, UiStyle::Face::UiGothic},
    {u"Button2", u"CE", {7, 45, 67, 33}, UiStyle::Face::UiGothic},
    {u"Button1", u"CEE", {77, 45, 68, 33}, UiStyle::Face::UiGothic},
    {u"Button12", u"FP", {7, 85, 68, 23}, UiStyle::Face::UiGothic},
    {u"Button16", u"VVF , VV", {77, 85, 68, 23}, UiStyle::Face::UiGothic},
    {u"Button17", u"高圧ケーブル", {7, 114, 138, 23}, UiStyle::Face::UiGothic},
    {u"Button126", u"WL1", {7, 143, 67, 23}, UiStyle::Face::Gothic},
    {u"Button8", u"IV", {78, 143, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button11", u"CVV", {7, 172, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button19", u"同軸", {78, 172, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button14", u"CPEV", {7, 201, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button13", u"CVV-S", {78, 201, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button15", u"AE,HP", {7, 230, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button20", u"その他", {78, 230, 67, 23}, UiStyle::Face::UiGothic},
    {u"Button18", u"音響用特殊ケーブル", {7, 259, 138, 23}, UiStyle::Face::UiGothic},
}};

// Keyboard order through the controls, by objectName.
inline constexpr std::array<QStringView, 17> kTabOrder{
    u"Button8", u"Button9", u"Button10", u"Button11", u"Button12", u"Button13",
    u"Button14", u"Button15", u"Button16", u"Button17", u"Button18", u"Button19",
    u"StringGrid2", u"Button20", u"Button126", u"Button1", u"Button2",
};

} // namespace CatalogueLayout
