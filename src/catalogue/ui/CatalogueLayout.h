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
    {u"cvButton", u"CV", {7, 6, 67, 33}, UiStyle::Face::UiGothic},
    {u"cvtButton", u"CVT", {77, 6, 68, 33}, UiStyle::Face::UiGothic},
    {u"ceButton", u"CE", {7, 45, 67, 33}, UiStyle::Face::UiGothic},
    {u"ceeButton", u"CEE", {77, 45, 68, 33}, UiStyle::Face::UiGothic},
    {u"fpButton", u"FP", {7, 85, 68, 23}, UiStyle::Face::UiGothic},
    {u"vvfButton", u"VVF , VV", {77, 85, 68, 23}, UiStyle::Face::UiGothic},
    {u"highVoltageButton", u"高圧ケーブル", {7, 114, 138, 23}, UiStyle::Face::UiGothic},
    {u"wl1Button", u"WL1", {7, 143, 67, 23}, UiStyle::Face::Gothic},
    {u"ivButton", u"IV", {78, 143, 67, 23}, UiStyle::Face::UiGothic},
    {u"cvvButton", u"CVV", {7, 172, 67, 23}, UiStyle::Face::UiGothic},
    {u"coaxialButton", u"同軸", {78, 172, 67, 23}, UiStyle::Face::UiGothic},
    {u"cpevButton", u"CPEV", {7, 201, 67, 23}, UiStyle::Face::UiGothic},
    {u"cvvSButton", u"CVV-S", {78, 201, 67, 23}, UiStyle::Face::UiGothic},
    {u"aeHpButton", u"AE,HP", {7, 230, 67, 23}, UiStyle::Face::UiGothic},
    {u"otherButton", u"その他", {78, 230, 67, 23}, UiStyle::Face::UiGothic},
    {u"audioButton", u"音響用特殊ケーブル", {7, 259, 138, 23}, UiStyle::Face::UiGothic},
}};

// Keyboard order through the controls, by objectName.
inline constexpr std::array<QStringView, 17> kTabOrder{
    u"ivButton", u"cvButton", u"cvtButton", u"cvvButton", u"fpButton", u"cvvSButton",
    u"cpevButton", u"aeHpButton", u"vvfButton", u"highVoltageButton", u"audioButton", u"coaxialButton",
    u"designationGrid", u"otherButton", u"wl1Button", u"ceeButton", u"ceButton",
};

} // namespace CatalogueLayout
