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
    {u"commandBar", u"MainWindow", Kind::Panel, {11, 3, 640, 40}, {}, 0, UiStyle::kCream},
    {u"OpenSaveFrame", u"commandBar", Kind::Backdrop, {15, 10, 105, 24}, {}, 0, UiStyle::kNavy},
    {u"OutputToggleFrame", u"commandBar", Kind::Backdrop, {150, 10, 211, 24}, {}, 0, UiStyle::kGreen},
    {u"HelpToggleFrame", u"commandBar", Kind::Backdrop, {552, 10, 57, 24}, {}, 0, UiStyle::kTeal},
    {u"openButton", u"commandBar", Kind::Button, {20, 6, 50, 25}, u"開く"},
    {u"saveButton", u"commandBar", Kind::Button, {72, 6, 50, 25}, u"保存"},
    {u"outputPanelButton", u"commandBar", Kind::Button, {155, 6, 210, 25}, u"ｹｰﾌﾞﾙ名板   出力"},
    {u"helpButton", u"commandBar", Kind::Button, {558, 6, 55, 25}, u"HELP"},

    // Company name
    {u"companyPanel", u"MainWindow", Kind::Panel,
     {MainWindowRules::kCompanyPanelLeft, 3, MainWindowRules::kCompanyPanelWidth, 40}, {}, 0, UiStyle::kCream},
    {u"companyCaption", u"companyPanel", Kind::CaptionBox, {16, 6, 113, 27}, u"会社名", 16},
    {u"companyNameEdit", u"companyPanel", Kind::TextBox, {129, 6, 240, 27}, {}, 16},

    {u"recordGrid", u"MainWindow", Kind::Sheet,
     {MainWindowRules::kSheetLeft, MainWindowRules::kSheetTop, MainWindowRules::sheetWidth(), 480}, {}, 11},

    // Help panel, over the sheet
    {u"helpPanel", u"MainWindow", Kind::Panel, {11, 45, 1054, 480}, {}, 0, UiStyle::kHelpPanel, true},
    {u"HelpPicture", u"helpPanel", Kind::Picture, {195, 14, 845, 452}},
    {u"HelpTitle", u"helpPanel", Kind::Label, {45, 169, 0, 0}, u"HELP画面", 27, UiStyle::kCream},
    {u"HelpIcon", u"helpPanel", Kind::Picture, {79, 234, 49, 49}},

    // Output panel, over the sheet, with its three groups
    {u"outputPanel", u"MainWindow", Kind::Panel, {11, 45, 1054, 480}, {}, 0, UiStyle::kOutputPanel, true},
    {u"TemplateGroup", u"outputPanel", Kind::Panel, {15, 18, 508, 46}, {}, 0, UiStyle::kOutputPanel},
    {u"templateButtonFrame", u"TemplateGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"templateButton", u"TemplateGroup", Kind::Button, {31, 8, 194, 25}, u"入力用帳票 ( Excel ) を新規作成"},

    {u"TypeAGroup", u"outputPanel", Kind::Panel, {15, 70, 509, 199}, {}, 0, UiStyle::kOutputPanel},
    {u"typeAWorkbookFrame", u"TypeAGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"typeAWorkbookButton", u"TypeAGroup", Kind::Button, {31, 8, 194, 25}, u"名板タイプ 【 A 】 ( Excel ) 出力"},
    {u"standardOrderChoice", u"TypeAGroup", Kind::RadioButton, {256, 6, 41, 22}, u"標準", 0, {}, false, true},
    {u"fromToOrderChoice", u"TypeAGroup", Kind::RadioButton, {256, 23, 73, 22}, u"(自)→(至)"},
    {u"toFromOrderChoice", u"TypeAGroup", Kind::RadioButton, {256, 40, 73, 22}, u"(至)→(自)"},
    {u"typeAPrintFrame", u"TypeAGroup", Kind::Backdrop, {335, 12, 130, 24}, {}, 0, UiStyle::kOlive},
    {u"typeAPrintButton", u"TypeAGroup", Kind::Button, {340, 8, 130, 25}, u"印刷"},
    {u"typeAPreviewButton", u"TypeAGroup", Kind::Button, {340, 36, 130, 22}, u"プレビュー"},
    {u"typeASizeLabel", u"TypeAGroup", Kind::Label, {43, 42, 0, 0}, u"サイズ　【 約 :  W150mm  x  H40mm  】 "},
    {u"SamplePictureA", u"TypeAGroup", Kind::Picture, {31, 63, 445, 123}},

    {u"TypeBGroup", u"outputPanel", Kind::Panel, {14, 275, 509, 170}, {}, 0, UiStyle::kOutputPanel},
    {u"typeBWorkbookFrame", u"TypeBGroup", Kind::Backdrop, {26, 12, 195, 24}, {}, 0, UiStyle::kGreen},
    {u"typeBWorkbookButton", u"TypeBGroup", Kind::Button, {31, 8, 194, 25}, u"名板タイプ 【 B 】 ( Excel ) 出力"},
    {u"trunkSizeChoice", u"TypeBGroup", Kind::RadioButton, {241, 61, 241, 28},
     u"幹線用サイズ　【 約 :  W50mm  x  H33mm  】", 0, {}, false, true},
    {u"branchSizeChoice", u"TypeBGroup", Kind::RadioButton, {241, 100, 241, 33},
     u"分岐用サイズ　【 約 :  W42mm  x  H21mm  】"},
    // The trunk and branch print buttons share one place; the size choice shows one.
    {u"typeBPrintFrame", u"TypeBGroup", Kind::Backdrop, {336, 12, 130, 24}, {}, 0, UiStyle::kOlive},
    {u"trunkPrintButton", u"TypeBGroup", Kind::Button, {341, 8, 130, 25}, u"印刷"},
    {u"branchPrintButton", u"TypeBGroup", Kind::Button, {341, 8, 130, 25}, u"印刷", 0, {}, true},
    {u"typeBPreviewButton", u"TypeBGroup", Kind::Button, {341, 34, 130, 22}, u"プレビュー"},
    {u"trunkStockLabel", u"TypeBGroup", Kind::Label, {257, 80, 0, 0}, u"未来工業:KFC-3350H", 11, UiStyle::kGreen},
    {u"branchStockLabel", u"TypeBGroup", Kind::Label, {257, 125, 0, 0}, u"篠原電機㈱:FN-K-25", 11, UiStyle::kGreen},
    {u"sealStockLabel", u"TypeBGroup", Kind::Label, {257, 139, 0, 0}, u"A-ONE:31031 (サインラベルシール)", 11,
     UiStyle::kGreen},
    {u"SamplePictureB", u"TypeBGroup", Kind::Picture, {35, 46, 171, 108}},

    {u"OutputIcon", u"outputPanel", Kind::Picture, {754, 158, 49, 49}},

    // Where a print reports the printer's resolution
    {u"resolutionXLabel", u"MainWindow", Kind::Label, {0, 0, 0, 0}, u"", 0, {}, true},
    {u"resolutionYLabel", u"MainWindow", Kind::Label, {0, 0, 0, 0}, u"", 0, {}, true},
};

// The busy banner and the progress bar in the output panel, right of the
// groups, where the panel is empty at any height; their tops are counted from
// the panel's bottom, which follows the window.
inline constexpr QStringView kOutputPanel = u"outputPanel";
inline constexpr QRect kBusyBanner{540, -74, 490, 32};     // busyBanner
inline constexpr QStringView kBusyBannerText = u"********  エクセル作成中 ********";
inline constexpr int kBusyBannerPixelSize = 16;
inline constexpr QRect kProgressBar{540, -34, 490, 20};    // outputProgress

} // namespace MainWindowLayout

// Every control of the main window, placed, named and captioned. The window
// wires them to its operations; nothing here does anything on its own.
struct MainWindowControls {
    // Command bar
    QFrame* commandBar = nullptr;
    QPushButton* openButton = nullptr;  // 開く
    QPushButton* saveButton = nullptr;  // 保存
    QPushButton* outputPanelButton = nullptr; // output panel toggle
    QPushButton* helpButton = nullptr; // help toggle

    // Company name
    QFrame* companyPanel = nullptr;
    QLineEdit* companyCaption = nullptr; // caption "会社名"
    QLineEdit* companyNameEdit = nullptr; // the company name

    RecordSheetView* recordGrid = nullptr;
    QMenu* sheetMenu = nullptr; // the pop-up menu; the window fills it with its actions

    // Help panel
    QFrame* helpPanel = nullptr;
    QLabel* helpPicture = nullptr;
    QLabel* helpIcon = nullptr;

    // Output panel and its three groups
    QFrame* outputPanel = nullptr;
    QFrame* templateGroup = nullptr;
    QFrame* typeAGroup = nullptr;
    QFrame* typeBGroup = nullptr;
    QPushButton* templateButton = nullptr;  // entry sheet template
    QPushButton* typeAWorkbookButton = nullptr;  // type A workbook
    QPushButton* typeAPrintButton = nullptr; // type A print
    QPushButton* typeAPreviewButton = nullptr;
    QRadioButton* standardOrderChoice = nullptr; // 標準
    QRadioButton* fromToOrderChoice = nullptr; // (自)→(至)
    QRadioButton* toFromOrderChoice = nullptr; // (至)→(自)
    QPushButton* typeBWorkbookButton = nullptr; // type B workbook
    QPushButton* trunkPrintButton = nullptr; // type B print, trunk size
    QPushButton* branchPrintButton = nullptr; // type B print, branch size
    QPushButton* typeBPreviewButton = nullptr;
    QRadioButton* trunkSizeChoice = nullptr; // trunk size
    QRadioButton* branchSizeChoice = nullptr; // branch size
    QLabel* SamplePictureA = nullptr;
    QLabel* SamplePictureB = nullptr;
    QLabel* outputIcon = nullptr;
    QLabel* busyBanner = nullptr; // busy banner
    QProgressBar* outputProgress = nullptr;

    // Where a print reports the printer's resolution; never shown
    QLabel* resolutionXLabel = nullptr;
    QLabel* resolutionYLabel = nullptr;

};

MainWindowControls buildMainWindowControls(QWidget* window);

// Keeps the busy banner and the progress bar at the bottom of the output
// panel as the panel's height follows the window.
void placeOutputProgress(const MainWindowControls& controls);
