#pragma once

#include "sheet/RecordSheet.h"
#include "ui/Palette.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QStringView>
#include <array>

// Where every control of the entry form stands, what it says and how it looks.
// Rectangles are in the form's client coordinates, also for the controls on
// the top bar; the help panel's contents are relative to the help panel.
namespace EntryFormLayout {

inline constexpr QSize kClientSize{892, 342};
inline constexpr QStringView kCaption = u"データー入力フォーム";

inline constexpr QColor kFormColour = UiStyle::kWindowBackground;
inline constexpr QColor kTopBarColour = UiStyle::kPaleYellow;
inline constexpr QColor kHelpPanelColour = UiStyle::kHelpPanel;
inline constexpr QColor kCaptionBoxColour = UiStyle::kCaptionBlue;

// Pixel size of texts the layout leaves unsized.
inline constexpr int kDefaultPixelSize = 13;

inline constexpr QRect kBackgroundPanel{0, 0, 892, 342}; // formBackground
inline constexpr QRect kTopBar{1, 0, 896, 26};           // topBar
inline constexpr QRect kHelpPanel{0, 23, 897, 328};      // helpPanel, hidden at start

enum class On { Form, TopBar };

struct DataField {
    Column column;
    const char* objectName;
    QRect rect;
};

inline constexpr std::array<DataField, 10> kDataFields = {{
    {ColFrom1, "from1Field", {143, 60, 120, 27}},
    {ColFrom2, "from2Field", {266, 60, 95, 27}},
    {ColTo1, "to1Field", {495, 60, 120, 27}},
    {ColTo2, "to2Field", {618, 60, 95, 27}},
    {ColCircuit, "circuitField", {143, 126, 80, 27}},
    {ColCableType, "cableTypeField", {226, 126, 135, 27}},
    {ColPurpose, "purposeField", {143, 159, 140, 27}},
    {ColConstructionDate, "constructionDateField", {143, 192, 140, 27}},
    {ColConstructor, "constructorField", {143, 225, 140, 27}},
    {ColManufactureYear, "manufactureYearField", {143, 258, 140, 27}},
}};
inline constexpr int kDataFieldPixelSize = 16;

struct CaptionBox {
    const char* objectName;
    QRect rect;
};

// captionBox1..captionBox6 show f1..f6.
inline constexpr std::array<CaptionBox, 6> kCaptionBoxes = {{
    {"captionBox1", {24, 60, 113, 27}},
    {"captionBox2", {24, 126, 113, 27}},
    {"captionBox3", {24, 159, 113, 27}},
    {"captionBox4", {24, 192, 113, 27}},
    {"captionBox5", {24, 225, 113, 27}},
    {"captionBox6", {24, 258, 113, 27}},
}};
inline constexpr int kCaptionBoxPixelSize = 16;

inline constexpr CaptionBox kNoBox{"noBox", {25, 1, 27, 24}};
inline constexpr QStringView kNoBoxText = u"No.";
inline constexpr int kNoBoxPixelSize = 13;

struct Button {
    const char* objectName;
    QStringView text;
    On on;
    QRect rect;
    int pixelSize;
    bool bold;
};

inline constexpr std::array<Button, 17> kButtons = {{
    {"helpButton", u"HELP", On::TopBar, {822, 1, 55, 21}, kDefaultPixelSize, false},
    {"repeatFromButton", u"前回と同じ", On::Form, {361, 60, 71, 27}, kDefaultPixelSize, false},
    {"repeatToButton", u"前回と同じ", On::Form, {710, 60, 71, 27}, kDefaultPixelSize, false},
    {"cubicleButton", u"キュービクル", On::Form, {143, 86, 65, 21}, 11, false},
    {"electricRoomButton", u"電気室", On::Form, {207, 86, 56, 21}, 11, false},
    {"lightingPanelButton", u"電灯盤", On::Form, {495, 86, 60, 21}, 11, false},
    {"powerPanelButton", u"動力盤", On::Form, {555, 86, 60, 21}, 11, false},
    {"repeatCableButton", u"前回と同じ", On::Form, {361, 126, 71, 27}, kDefaultPixelSize, false},
    {"catalogueButton", u"ｹｰﾌﾞﾙ呼出", On::Form, {496, 126, 217, 27}, kDefaultPixelSize, false},
    {"lightingTrunkButton", u"電灯", On::Form, {283, 159, 39, 26}, 11, false},
    {"powerTrunkButton", u"動力", On::Form, {322, 159, 39, 26}, 11, false},
    {"repeatPurposeButton", u"前回と同じ", On::Form, {361, 159, 71, 27}, kDefaultPixelSize, false},
    {"repeatAllButton", u"全て前回と同じ", On::Form, {497, 176, 216, 43}, 16, true},
    {"repeatDateButton", u"前回と同じ", On::Form, {283, 192, 149, 27}, kDefaultPixelSize, false},
    {"repeatConstructorButton", u"前回と同じ", On::Form, {283, 225, 149, 27}, kDefaultPixelSize, false},
    {"repeatYearButton", u"前回と同じ", On::Form, {283, 258, 149, 27}, kDefaultPixelSize, false},
    {"registerButton", u"登録", On::Form, {497, 223, 214, 60}, 27, true},
}};

struct Label {
    const char* objectName;
    QStringView text;
    On on;
    QPoint position; // labels size themselves to their text
    int pixelSize;
    bool bold;
    QColor colour;
};

inline constexpr std::array<Label, 8> kLabels = {{
    {"from1Label", u"(自) NAME -1", On::Form, {143, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"from2Label", u"(自) NAME -2", On::Form, {269, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"to1Label", u"(至) NAME -1", On::Form, {495, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"to2Label", u"(至) NAME -2", On::Form, {621, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"rangeMarkLabel", u"～", On::Form, {452, 63}, 19, true, UiStyle::kBlack},
    {"circuitLabel", u"回路番号", On::Form, {143, 112}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"cableTypeLabel", u"ｹｰﾌﾞﾙ種類", On::Form, {226, 112}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"cableDashLabel", u"----", On::Form, {452, 129}, 16, false, UiStyle::kBlack},
}};

// The record number, on the top bar.
inline constexpr Label kNumberLabel{"recordNumberLabel", u"", On::TopBar, {58, 3}, 16, true, UiStyle::kGreen};

// Coloured frames behind buttons; built before the buttons so they stay behind.
struct Frame {
    const char* objectName;
    On on;
    QRect rect;
    QColor colour;
};

inline constexpr std::array<Frame, 2> kFrames = {{
    {"helpButtonFrame", On::TopBar, {817, 3, 60, 22}, UiStyle::kTeal},
    {"registerButtonFrame", On::Form, {495, 221, 218, 64}, UiStyle::kRed},
}};

inline constexpr QSize kSmallPictureSize{49, 49};
inline constexpr QRect kSmallPicture{780, 159, 49, 49}; // smallPicture

// Inside the help panel.
inline constexpr QRect kHelpPicture{117, 19, 760, 281}; // helpPicture
inline constexpr QRect kHelpSmallPicture{35, 145, 49, 49}; // helpSmallPicture
inline constexpr Label kHelpLabel{"helpTitle", u"HELP画面", On::Form, {18, 102}, 19, false, UiStyle::kCream};

inline constexpr QStringView kHelpButtonShow = u"HELP";
inline constexpr QStringView kHelpButtonClose = u"閉じる";

// The Tab key's path through the form.
inline constexpr std::array<const char*, 34> kTabOrder = {
    "captionBox1", "captionBox2", "captionBox3", "captionBox4", "captionBox5", "captionBox6",
    "from1Field", "to1Field", "cableTypeField", "purposeField", "constructionDateField", "constructorField", "manufactureYearField",
    "catalogueButton",
    "repeatFromButton", "repeatToButton", "repeatCableButton", "repeatPurposeButton", "repeatDateButton", "repeatConstructorButton", "repeatYearButton",
    "registerButton", "lightingPanelButton", "powerPanelButton",
    "circuitField", "from2Field", "to2Field",
    "lightingTrunkButton", "powerTrunkButton",
    "noBox", "repeatAllButton", "cubicleButton", "electricRoomButton", "helpButton",
};

} // namespace EntryFormLayout
