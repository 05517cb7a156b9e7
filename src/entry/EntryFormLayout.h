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

inline constexpr QRect kBackgroundPanel{0, 0, 892, 342}; // Panel1
inline constexpr QRect kTopBar{1, 0, 896, 26};           // Panel2
inline constexpr QRect kHelpPanel{0, 23, 897, 328};      // Panel3, hidden at start

enum class On { Form, TopBar };

struct DataField {
    Column column;
    const char* objectName;
    QRect rect;
};

inline constexpr std::array<DataField, 10> kDataFields = {{
    {ColFrom1, "Edit7", {143, 60, 120, 27}},
    {ColFrom2, "Edit16", {266, 60, 95, 27}},
    {ColTo1, "Edit8", {495, 60, 120, 27}},
    {ColTo2, "Edit17", {618, 60, 95, 27}},
    {ColCircuit, "Edit15", {143, 126, 80, 27}},
    {ColCableType, "Edit9", {226, 126, 135, 27}},
    {ColPurpose, "Edit10", {143, 159, 140, 27}},
    {ColConstructionDate, "Edit11", {143, 192, 140, 27}},
    {ColConstructor, "Edit12", {143, 225, 140, 27}},
    {ColManufactureYear, "Edit13", {143, 258, 140, 27}},
}};
inline constexpr int kDataFieldPixelSize = 16;

struct CaptionBox {
    const char* objectName;
    QRect rect;
};

// Edit1..Edit6 show f1..f6.
inline constexpr std::array<CaptionBox, 6> kCaptionBoxes = {{
    {"Edit1", {24, 60, 113, 27}},
    {"Edit2", {24, 126, 113, 27}},
    {"Edit3", {24, 159, 113, 27}},
    {"Edit4", {24, 192, 113, 27}},
    {"Edit5", {24, 225, 113, 27}},
    {"Edit6", {24, 258, 113, 27}},
}};
inline constexpr int kCaptionBoxPixelSize = 16;

inline constexpr CaptionBox kNoBox{"Edit14", {25, 1, 27, 24}};
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
    {"Button15", u"HELP", On::TopBar, {822, 1, 55, 21}, kDefaultPixelSize, false},
    {"Button2", u"前回と同じ", On::Form, {361, 60, 71, 27}, kDefaultPixelSize, false},
    {"Button3", u"前回と同じ", On::Form, {710, 60, 71, 27}, kDefaultPixelSize, false},
    {"Button16", u"キュービクル", On::Form, {143, 86, 65, 21}, 11, false},
    {"Button17", u"電気室", On::Form, {207, 86, 56, 21}, 11, false},
    {"Button10", u"電灯盤", On::Form, {495, 86, 60, 21}, 11, false},
    {"Button11", u"動力盤", On::Form, {555, 86, 60, 21}, 11, false},
    {"Button4", u"前回と同じ", On::Form, {361, 126, 71, 27}, kDefaultPixelSize, false},
    {"Button1", u"ｹｰﾌﾞﾙ呼出", On::Form, {496, 126, 217, 27}, kDefaultPixelSize, false},
    {"Button12", u"電灯", On::Form, {283, 159, 39, 26}, 11, false},
    {"Button13", u"動力", On::Form, {322, 159, 39, 26}, 11, false},
    {"Button5", u"前回と同じ", On::Form, {361, 159, 71, 27}, kDefaultPixelSize, false},
    {"Button14", u"全て前回と同じ", On::Form, {497, 176, 216, 43}, 16, true},
    {"Button6", u"前回と同じ", On::Form, {283, 192, 149, 27}, kDefaultPixelSize, false},
    {"Button7", u"前回と同じ", On::Form, {283, 225, 149, 27}, kDefaultPixelSize, false},
    {"Button8", u"前回と同じ", On::Form, {283, 258, 149, 27}, kDefaultPixelSize, false},
    {"Button9", u"登録", On::Form, {497, 223, 214, 60}, 27, true},
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
    {"Label1", u"(自) NAME -1", On::Form, {143, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label3", u"(自) NAME -2", On::Form, {269, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label4", u"(至) NAME -1", On::Form, {495, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label5", u"(至) NAME -2", On::Form, {621, 47}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label6", u"～", On::Form, {452, 63}, 19, true, UiStyle::kBlack},
    {"Label7", u"回路番号", On::Form, {143, 112}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label8", u"ｹｰﾌﾞﾙ種類", On::Form, {226, 112}, kDefaultPixelSize, false, UiStyle::kBlack},
    {"Label9", u"----", On::Form, {452, 129}, 16, false, UiStyle::kBlack},
}};

// The record number, on the top bar.
inline constexpr Label kNumberLabel{"Label2", u"", On::TopBar, {58, 3}, 16, true, UiStyle::kGreen};

// Coloured frames behind buttons; built before the buttons so they stay behind.
struct Frame {
    const char* objectName;
    On on;
    QRect rect;
    QColor colour;
};

inline constexpr std::array<Frame, 2> kFrames = {{
    {"Shape1", On::TopBar, {817, 3, 60, 22}, UiStyle::kTeal},
    {"Shape2", On::Form, {495, 221, 218, 64}, UiStyle::kRed},
}};

inline constexpr QSize kSmallPictureSize{49, 49};
inline constexpr QRect kSmallPicture{780, 159, 49, 49}; // Image1

// Inside the help panel.
inline constexpr QRect kHelpPicture{117, 19, 760, 281}; // Image2
inline constexpr QRect kHelpSmallPicture{35, 145, 49, 49}; // Image3
inline constexpr Label kHelpLabel{"Label10", u"HELP画面", On::Form, {18, 102}, 19, false, UiStyle::kCream};

inline constexpr QStringView kHelpButtonShow = u"HELP";
inline constexpr QStringView kHelpButtonClose = u"閉じる";

// The Tab key's path through the form.
inline constexpr std::array<const char*, 34> kTabOrder = {
    "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
    "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13",
    "Button1",
    "Button2", "Button3", "Button4", "Button5", "Button6", "Button7", "Button8",
    "Button9", "Button10", "Button11",
    "Edit15", "Edit16", "Edit17",
    "Button12", "Button13",
    "Edit14", "Button14", "Button16", "Button17", "Button15",
};

} // namespace EntryFormLayout
