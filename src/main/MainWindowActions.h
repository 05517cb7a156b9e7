#pragma once

class QAction;
class QWidget;

// Every command of the main window, one action each with a role name. The
// command bar's and output panel's buttons, the sheet's pop-up menu and the
// sheet's keys trigger these; tests trigger them by object name.
struct MainWindowActions {
    // Command bar
    QAction* open = nullptr;              // 開く
    QAction* save = nullptr;              // 保存
    QAction* toggleOutputPanel = nullptr; // the output panel's 出力 / 閉じる
    QAction* toggleHelp = nullptr;        // HELP / 閉じる

    // Record sheet
    QAction* reopen = nullptr;       // 読込: the current file again
    QAction* copy = nullptr;         // コピー: the selected rows, Ctrl+C on the sheet
    QAction* paste = nullptr;        // 貼り付け: paste, sort and renumber as one step, Ctrl+V on the sheet
    QAction* pasteHere = nullptr;    // 貼付: paste only, at the current row
    QAction* deleteRow = nullptr;    // 行削除 of the current row, after asking
    QAction* deleteRows = nullptr;   // 行削除 of the selected rows (asks for one row)
    QAction* deleteAll = nullptr;    // 全削除
    QAction* renumber = nullptr;     // 貼付後のデーター数を再確認
    QAction* sort = nullptr;         // ソート
    QAction* saveSettings = nullptr; // 設定保存
    QAction* loadSettings = nullptr; // 設定読込

    // Output panel
    QAction* createTemplate = nullptr; // 入力用帳票 ( Excel ) を新規作成
    QAction* createTypeA = nullptr;    // 名板タイプ 【 A 】 ( Excel ) 出力
    QAction* createTypeB = nullptr;    // 名板タイプ 【 B 】 ( Excel ) 出力
    QAction* printTypeA = nullptr;
    QAction* printTrunk = nullptr;
    QAction* printBranch = nullptr;
    QAction* previewTypeA = nullptr;
    QAction* previewTypeB = nullptr;
};

// Creates the actions as children of the window, each with its object name
// and text; the window connects what they do.
MainWindowActions createMainWindowActions(QWidget* window);
