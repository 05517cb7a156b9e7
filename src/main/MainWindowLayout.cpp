#include "MainWindowLayout.h"

#include "MainWindowPictures.h"
#include "MainWindowRules.h"
#include "RecordSheetView.h"
#include "UiStyle.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace UiStyle;

namespace {

QLineEdit* companyBox(QWidget* parent, QStringView name, QRect geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name.toString());
    box->setGeometry(geometry);
    box->setFont(screenFont(16));
    return box;
}

void buildCommandBar(QWidget* window, MainWindowControls& c)
{
    c.Panel1 = panel(window, u"Panel1", {11, 3, 640, 40}, kCream);
    colourFrame(c.Panel1, u"OpenSaveFrame", {15, 10, 105, 24}, kNavy);
    colourFrame(c.Panel1, u"OutputToggleFrame", {150, 10, 211, 24}, kGreen);
    colourFrame(c.Panel1, u"HelpToggleFrame", {552, 10, 57, 24}, kTeal);
    c.Button3 = button(c.Panel1, u"Button3", u"開く", {20, 6, 50, 25});
    c.Button4 = button(c.Panel1, u"Button4", u"保存", {72, 6, 50, 25});
    c.Button14 = button(c.Panel1, u"Button14", u"ｹｰﾌﾞﾙ名板   出力", {155, 6, 210, 25});
    c.Button11 = button(c.Panel1, u"Button11", u"HELP", {558, 6, 55, 25});
}

void buildCompanyPanel(QWidget* window, MainWindowControls& c)
{
    c.Panel2 = panel(window, u"Panel2", {655, 3, 410, 40}, kCream);
    c.Edit1 = companyBox(c.Panel2, u"Edit1", {16, 6, 113, 27});
    c.Edit1->setText(QStringLiteral("会社名"));
    c.Edit1->setAlignment(Qt::AlignCenter);
    c.Edit1->setReadOnly(true);
    c.Edit1->setFocusPolicy(Qt::NoFocus);
    c.Edit1->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(0, 0, 128); color: white; }"));
    c.Edit2 = companyBox(c.Panel2, u"Edit2", {129, 6, 240, 27});
    c.Edit2->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void buildSheet(QWidget* window, MainWindowControls& c)
{
    c.StringGrid1 = new RecordSheetView(window);
    c.StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    c.StringGrid1->setGeometry(MainWindowRules::kSheetLeft, MainWindowRules::kSheetTop, 1054, 480);
    c.StringGrid1->setFont(screenFont(11));
    c.StringGrid1->setCursor(Qt::PointingHandCursor);

    c.PopupMenu1 = new QMenu(window);
    c.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [&](QStringView name, QStringView text) {
        QAction* action = c.PopupMenu1->addAction(text.toString());
        action->setObjectName(name.toString());
        return action;
    };
    c.N1 = item(u"N1", u"コピー");
    c.N2 = item(u"N2", u"貼り付け");
    c.PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N4"));
    c.N3 = item(u"N3", u"行削除");
    c.PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N5"));
    c.N6 = item(u"N6", u"全削除");
}

void buildHelpPanel(QWidget* window, MainWindowControls& c)
{
    c.Panel6 = panel(window, u"Panel6", {11, 45, 1054, 480}, kHelpPanel);
    c.helpPicture = pictureSlot(c.Panel6, u"HelpPicture", {223, 25, 731, 431});
    c.helpPicture->setPixmap(MainWindowPictures::helpPicture(c.helpPicture->size()));
    QLabel* title = label(c.Panel6, u"HelpTitle", u"HELP画面", {45, 169});
    title->setFont(screenFont(27));
    setTextColour(title, kCream);
    title->adjustSize();
    c.helpIcon = pictureSlot(c.Panel6, u"HelpIcon", {79, 234, 49, 49});
    c.helpIcon->setPixmap(MainWindowPictures::smallIcon(c.helpIcon->size()));
    c.Panel6->hide();
}

// A spreadsheet button over its green frame.
QPushButton* workbookButton(QFrame* group, QStringView name, QStringView text)
{
    colourFrame(group, name.toString() + QStringLiteral("Frame"), {26, 12, 195, 24}, kGreen);
    return button(group, name, text, {31, 8, 194, 25});
}

// A print button over its olive frame.
QPushButton* printButton(QFrame* group, QStringView name, int left)
{
    colourFrame(group, name.toString() + QStringLiteral("Frame"), {left - 5, 12, 130, 24}, kOlive);
    return button(group, name, u"印刷", {left, 8, 130, 25});
}

QLabel* plateHolderLabel(QFrame* group, QStringView name, QStringView text, QPoint position)
{
    QLabel* holder = label(group, name, text, position);
    holder->setFont(screenFont(11));
    setTextColour(holder, kGreen);
    holder->adjustSize();
    return holder;
}

void buildOutputPanel(QWidget* window, MainWindowControls& c)
{
    c.Panel8 = panel(window, u"Panel8", {11, 45, 1054, 480}, kOutputPanel);

    c.templateGroup = panel(c.Panel8, u"TemplateGroup", {15, 18, 508, 46}, kOutputPanel);
    c.Button2 = workbookButton(c.templateGroup, u"Button2", u"入力用帳票 ( Excel ) を新規作成");

    c.typeAGroup = panel(c.Panel8, u"TypeAGroup", {15, 70, 509, 199}, kOutputPanel);
    c.Button1 = workbookButton(c.typeAGroup, u"Button1", u"名板タイプ 【 A 】 ( Excel ) 出力");
    c.RadioButton3 = radioButton(c.typeAGroup, u"RadioButton3", u"標準", {256, 6, 41, 22});
    c.RadioButton4 = radioButton(c.typeAGroup, u"RadioButton4", u"(自)→(至)", {256, 23, 73, 22});
    c.RadioButton5 = radioButton(c.typeAGroup, u"RadioButton5", u"(至)→(自)", {256, 40, 73, 22});
    c.RadioButton3->setChecked(true);
    c.Button16 = printButton(c.typeAGroup, u"Button16", 340);
    c.PreviewButtonA = button(c.typeAGroup, u"PreviewButtonA", u"プレビュー", {340, 36, 130, 22});
    label(c.typeAGroup, u"Label4", u"サイズ　【 約 :  W150mm  x  H40mm  】 ", {43, 42});
    c.SamplePictureA = pictureSlot(c.typeAGroup, u"SamplePictureA", {31, 63, 445, 123});

    c.typeBGroup = panel(c.Panel8, u"TypeBGroup", {14, 275, 509, 170}, kOutputPanel);
    c.Button15 = workbookButton(c.typeBGroup, u"Button15", u"名板タイプ 【 B 】 ( Excel ) 出力");
    c.RadioButton1 = radioButton(c.typeBGroup, u"RadioButton1", u"幹線用サイズ　【 約 :  W50mm  x  H33mm  】",
                                 {241, 61, 241, 28});
    c.RadioButton2 = radioButton(c.typeBGroup, u"RadioButton2", u"分岐用サイズ　【 約 :  W42mm  x  H21mm  】",
                                 {241, 100, 241, 33});
    c.RadioButton1->setChecked(true);
    c.Button17 = printButton(c.typeBGroup, u"Button17", 341);
    c.Button18 = button(c.typeBGroup, u"Button18", u"印刷", {341, 8, 130, 25});
    c.Button18->hide();
    c.PreviewButtonB = button(c.typeBGroup, u"PreviewButtonB", u"プレビュー", {341, 34, 130, 22});
    plateHolderLabel(c.typeBGroup, u"Label5", u"未来工業:KFC-3350H", {257, 80});
    plateHolderLabel(c.typeBGroup, u"Label6", u"篠原電機㈱:FN-K-25", {257, 125});
    plateHolderLabel(c.typeBGroup, u"Label7", u"A-ONE:31031 (サインラベルシール)", {257, 139});
    c.SamplePictureB = pictureSlot(c.typeBGroup, u"SamplePictureB", {35, 46, 171, 108});

    c.outputIcon = pictureSlot(c.Panel8, u"OutputIcon", {754, 158, 49, 49});
    c.outputIcon->setPixmap(MainWindowPictures::smallIcon(c.outputIcon->size()));

    c.Panel14 = new QLabel(QStringLiteral("********  エクセル作成中 ********"), c.Panel8);
    c.Panel14->setObjectName(QStringLiteral("Panel14"));
    c.Panel14->setAlignment(Qt::AlignCenter);
    c.Panel14->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.Panel14->setFont(screenFont(16));
    setBackground(c.Panel14, kCream);
    c.Panel14->hide();
    c.ProgressBar1 = new QProgressBar(c.Panel8);
    c.ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    c.ProgressBar1->setMinimum(0);
    c.ProgressBar1->setValue(0);
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->hide();
    placeOutputProgress(c);

    c.Panel8->hide();
}

QPushButton* hiddenButton(QWidget* window, QStringView name, QStringView caption)
{
    QPushButton* command = button(window, name, caption, {0, 0, 1, 1});
    command->hide();
    return command;
}

void buildHiddenCommands(QWidget* window, MainWindowControls& c)
{
    c.Button5 = hiddenButton(window, u"Button5", u"読込");
    c.Button6 = hiddenButton(window, u"Button6", u"行削除");
    c.Button7 = hiddenButton(window, u"Button7", u"貼付");
    c.Button8 = hiddenButton(window, u"Button8", u"コピー");
    c.Button9 = hiddenButton(window, u"Button9", u"貼付後のデーター数を再確認");
    c.Button10 = hiddenButton(window, u"Button10", u"ソート");
    c.Button12 = hiddenButton(window, u"Button12", u"設定保存");
    c.Button13 = hiddenButton(window, u"Button13", u"設定読込");
    // Where a print reports the printer's resolution; never shown.
    label(window, u"Label1", u"", {0, 0})->hide();
    label(window, u"Label2", u"", {0, 0})->hide();
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget* window)
{
    MainWindowControls c;
    buildCommandBar(window, c);
    buildCompanyPanel(window, c);
    buildSheet(window, c);
    buildHelpPanel(window, c);
    buildOutputPanel(window, c);
    buildHiddenCommands(window, c);
    return c;
}

void placeOutputProgress(const MainWindowControls& c)
{
    // Right of the groups, where the output panel is empty at any height.
    const int bottom = c.Panel8->height();
    c.Panel14->setGeometry(540, bottom - 74, 490, 32);
    c.ProgressBar1->setGeometry(540, bottom - 34, 490, 20);
}
