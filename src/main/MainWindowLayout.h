#pragma once

#include <QtGlobal>

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
