#pragma once

#include "MainWindowRules.h"
#include "ui/Palette.h"

#include <QColor>
#include <QRect>
#include <QStringView>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;
class RecordSheetView;

// Where every control of the main window stands, what it says and how it
// looks. Rectangles are in the parent's coordinates.
namespace MainWindowLayout {

// The window's own face size; a control with no size of its own keeps it.
inline constexpr int kWindowPixelSize = 11;

enum class Kind {
    Panel,       // a raised panel filled with `colour`
    Backdrop,    // a flat `colour` rectangle that stands behind a button
    Button,
    RadioButton,
    Label,       // sized to its text at `rect`'s corner; `colour` is its text's, when valid
    Picture,     // an empty slot a picture is drawn into
    CaptionBox,  // a read-only, centred caption in white on navy
    TextBox,
    Sheet,       // the record sheet
};

struct Control {
    QStringView name;
    QStringView parent;
    Kind kind;
    QRect rect;
    QStringView text = {};
    int pixelSize = 0; // 0: the window's face size
    QColor colour = {};
    bool hidden = false;
    bool checked = false;
};

// Listed parents first, and siblings in the order they stack and take the
// focus: a backdrop comes before its button.
inline constexpr Control kControls[] = {
    // Command bar
    {u"Panel1", u"Form1", Kind::Panel, {11, 3, 640, 40}, {}, 0, UiStyle::kCream},
    {u"OpenSaveFrame", u"Panel1", Kind::Backdrop, {15, 10, 105, 24}, {}, 0, UiStyle::kNavy},
    {u"OutputToggleFrame", u"Panel1", Kind::Backdrop, {150, 10, 211, 24}, {}, 0, UiStyle::kGreen},
    {u"HelpToggleFrame", u"Panel1", Kind::Backdrop, {552, 10, 57, 24}, {}, 0, UiStyle::kTeal},
    {u"Button3", u"Panel1", Kind::Button, {20, 6, 50, 25}, u"開く"},
    {u"Button4", u"Panel1", Kind::Button, {72, 6, 50, 25}, u"保存"},
    {u"Button14", u"Panel1", Kind::Button, {155, 6, 210, 25}, u"ｹｰﾌﾞﾙ名板   出力"},
    {u"Button11", u"Panel1", Kind::Button, {558, 6, 55, 25}, u"HELP"},

    // Company name
    {u"Panel2", u"Form1", Kind::Panel,
     {MainWindowRules::kCompanyPanelLeft, 3, MainWindowRules::kCompanyPanelWidth, 40}, {}, 0, UiStyle::kCream},
    {u"Edit1", u"Panel2", Kind::CaptionBox, {16, 6, 113, 27}, u"会社名", 16},
    {u"Edit2", u"Panel2", Kind::TextBox, {129, 6, 240, 27}, {}, 16},

    {u"StringGrid1", u"Form1", Kind::Sheet,
     {MainWindowRules::kSheetLeft, MainWindowRules::kSheetTop, MainWindowRules::sheetWidth(), 480}, {}, 11},

    // Help panel, over the sheet
    {u"Panel6", u"Form1", Kind::Panel, {11, 45, 1054, 480}, {}, 0, UiStyle::kHelpPanel, true},
    {u"HelpPicture", u"Panel6", Kind::Picture, {223, 25, 731, 431}},
    {u"HelpTitle", u"Panel6", Kind::Label, {45, 169, 0, 0}, u"HELP画面", 27, UiStyle::kCream},
    {u"HelpIcon", u"Panel6", Kind::Picture, {79, 234, 49, 49}},

    // Output panel, over the sheet, with its three groups
    {u"Panel8", u"Form1", Kind::Panel, {11, 45, 1054, 480}, {}, 0, UiStyle::kOutputPanel, true},
    {u"TemplateGroup", u"Panel8", Kind::Panel, {15, 18, 508, 46}, {}, 0, UiStyle::kOutputPanel},
    {u"Button2Frame", u"TemplateGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"Button2", u"TemplateGroup", Kind::Button, {31, 8, 194, 25}, u"入力用帳票 ( Excel ) を新規作成"},

    {u"TypeAGroup", u"Panel8", Kind::Panel, {15, 70, 509, 199}, {}, 0, UiStyle::kOutputPanel},
    {u"Button1Frame", u"TypeAGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"Button1", u"TypeAGroup", Kind::Button, {31, 8, 194, 25}, u"名板タイプ 【 A 】 ( Excel ) 出力"},
    {u"RadioButton3", u"TypeAGroup", Kind::RadioButton, {256, 6, 41, 22}, u"標準", 0, {}, false, true},
    {u"RadioButton4", u"TypeAGroup", Kind::RadioButton, {256, 23, 73, 22}, u"(自)→(至)"},
    {u"RadioButton5", u"TypeAGroup", Kind::RadioButton, {256, 40, 73, 22}, u"(至)→(自)"},
    {u"Button16Frame", u"TypeAGroup", Kind::Backdrop, {335, 12, 130, 24}, {}, 0, UiStyle::kOlive},
    {u"Button16", u"TypeAGroup", Kind::Button, {340, 8, 130, 25}, u"印刷"},
    {u"PreviewButtonA", u"TypeAGroup", Kind::Button, {340, 36, 130, 22}, u"プレビュー"},
    {u"Label4", u"TypeAGroup", Kind::Label, {43, 42, 0, 0}, u"サイズ　【 約 :  W150mm  x  H40mm  】 "},
    {u"SamplePictureA", u"TypeAGroup", Kind::Picture, {31, 63, 445, 123}},

    {u"TypeBGroup", u"Panel8", Kind::Panel, {14, 275, 509, 170}, {}, 0, UiStyle::kOutputPanel},
    {u"Button15Frame", u"TypeBGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"Button15", u"TypeBGroup", Kind::Button, {31, 8, 194, 25}, u"名板タイプ 【 B 】 ( Excel ) 出力"},
    {u"RadioButton1", u"TypeBGroup", Kind::RadioButton, {241, 61, 241, 28},
     u"幹線用サイズ　【 約 :  W50mm  x  H33mm  】", 0, {}, false, true},
    {u"RadioButton2", u"TypeBGroup", Kind::RadioButton, {241, 100, 241, 33},
     u"分岐用サイズ　【 約 :  W42mm  x  H21mm  】"},
    // The trunk and branch print buttons share one place; the size choice shows one.
    {u"Button17Frame", u"TypeBGroup", Kind::Backdrop, {336, 12, 130, 24}, {}, 0, UiStyle::kOlive},
    {u"Button17", u"TypeBGroup", Kind::Button, {341, 8, 130, 25}, u"印刷"},
    {u"Button18", u"TypeBGroup", Kind::Button, {341, 8, 130, 25}, u"印刷", 0, {}, true},
    {u"PreviewButtonB", u"TypeBGroup", Kind::Button, {341, 34, 130, 22}, u"プレビュー"},
    {u"Label5", u"TypeBGroup", Kind::Label, {257, 80, 0, 0}, u"未来工業:KFC-3350H", 11, UiStyle::kGreen},
    {u"Label6", u"TypeBGroup", Kind::Label, {257, 125, 0, 0}, u"篠原電機㈱:FN-K-25", 11, UiStyle::kGreen},
    {u"Label7", u"TypeBGroup", Kind::Label, {257, 139, 0, 0}, u"A-ONE:31031 (サインラベルシール)", 11,
     UiStyle::kGreen},
    {u"SamplePictureB", u"TypeBGroup", Kind::Picture, {35, 46, 171, 108}},

    {u"OutputIcon", u"Panel8", Kind::Picture, {754, 158, 49, 49}},

    // Named operations that are never shown
    {u"Button5", u"Form1", Kind::Button, {0, 0, 1, 1}, u"読込", 0, {}, true},
    {u"Button6", u"Form1", Kind::Button, {0, 0, 1, 1}, u"行削除", 0, {}, true},
    {u"Button7", u"Form1", Kind::Button, {0, 0, 1, 1}, u"貼付", 0, {}, true},
    {u"Button8", u"Form1", Kind::Button, {0, 0, 1, 1}, u"コピー", 0, {}, true},
    {u"Button9", u"Form1", Kind::Button, {0, 0, 1, 1}, u"貼付後のデーター数を再確認", 0, {}, true},
    {u"Button10", u"Form1", Kind::Button, {0, 0, 1, 1}, u"ソート", 0, {}, true},
    {u"Button12", u"Form1", Kind::Button, {0, 0, 1, 1}, u"設定保存", 0, {}, true},
    {u"Button13", u"Form1", Kind::Button, {0, 0, 1, 1}, u"設定読込", 0, {}, true},
    // Where a print reports the printer's resolution
    {u"Label1", u"Form1", Kind::Label, {0, 0, 0, 0}, u"", 0, {}, true},
    {u"Label2", u"Form1", Kind::Label, {0, 0, 0, 0}, u"", 0, {}, true},
};

// The busy banner and the progress bar in the output panel, right of the
// groups, where the panel is empty at any height; their tops are counted from
// the panel's bottom, which follows the window.
inline constexpr QStringView kOutputPanel = u"Panel8";
inline constexpr QRect kBusyBanner{540, -74, 490, 32};     // Panel14
inline constexpr QStringView kBusyBannerText = u"********  エクセル作成中 ********";
inline constexpr int kBusyBannerPixelSize = 16;
inline constexpr QRect kProgressBar{540, -34, 490, 20};    // ProgressBar1

} // namespace MainWindowLayout

// Every control of the main window, placed, named and captioned. The window
// wires them to its operations; nothing here does anything on its own.
struct MainWindowControls {
    // Command bar
    QFrame* Panel1 = nullptr;
    QPushButton* Button3 = nullptr;  // 開く
    QPushButton* Button4 = nullptr;  // 保存
    QPushButton* Button14 = nullptr; // output panel toggle
    QPushButton* Button11 = nullptr; // help toggle

    // Company name
    QFrame* Panel2 = nullptr;
    QLineEdit* Edit1 = nullptr; // caption "会社名"
    QLineEdit* Edit2 = nullptr; // the company name

    RecordSheetView* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr; // コピー
    QAction* N2 = nullptr; // 貼り付け
    QAction* N3 = nullptr; // 行削除
    QAction* N6 = nullptr; // 全削除

    // Help panel
    QFrame* Panel6 = nullptr;
    QLabel* helpPicture = nullptr;
    QLabel* helpIcon = nullptr;

    // Output panel and its three groups
    QFrame* Panel8 = nullptr;
    QFrame* templateGroup = nullptr;
    QFrame* typeAGroup = nullptr;
    QFrame* typeBGroup = nullptr;
    QPushButton* Button2 = nullptr;  // entry sheet template
    QPushButton* Button1 = nullptr;  // type A workbook
    QPushButton* Button16 = nullptr; // type A print
    QPushButton* PreviewButtonA = nullptr;
    QRadioButton* RadioButton3 = nullptr; // 標準
    QRadioButton* RadioButton4 = nullptr; // (自)→(至)
    QRadioButton* RadioButton5 = nullptr; // (至)→(自)
    QPushButton* Button15 = nullptr; // type B workbook
    QPushButton* Button17 = nullptr; // type B print, trunk size
    QPushButton* Button18 = nullptr; // type B print, branch size
    QPushButton* PreviewButtonB = nullptr;
    QRadioButton* RadioButton1 = nullptr; // trunk size
    QRadioButton* RadioButton2 = nullptr; // branch size
    QLabel* SamplePictureA = nullptr;
    QLabel* SamplePictureB = nullptr;
    QLabel* outputIcon = nullptr;
    QLabel* Panel14 = nullptr; // busy banner
    QProgressBar* ProgressBar1 = nullptr;

    // Named operations that are never shown
    QPushButton* Button5 = nullptr;  // 読込
    QPushButton* Button6 = nullptr;  // 行削除
    QPushButton* Button7 = nullptr;  // 貼付
    QPushButton* Button8 = nullptr;  // コピー
    QPushButton* Button9 = nullptr;  // renumber
    QPushButton* Button10 = nullptr; // ソート
    QPushButton* Button12 = nullptr; // 設定保存
    QPushButton* Button13 = nullptr; // 設定読込
};

MainWindowControls buildMainWindowControls(QWidget* window);

// Keeps the busy banner and the progress bar at the bottom of the output
// panel as the panel's height follows the window.
void placeOutputProgress(const MainWindowControls& controls);
