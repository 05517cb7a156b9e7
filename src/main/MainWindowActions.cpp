#include "MainWindowActions.h"

#include <QAction>
#include <QStringView>
#include <QWidget>

namespace {

struct ActionRow {
    QAction* MainWindowActions::*member;
    QStringView name;
    QStringView text;
};

constexpr ActionRow kActions[] = {
    {&MainWindowActions::open, u"openAction", u"開く"},
    {&MainWindowActions::save, u"saveAction", u"保存"},
    {&MainWindowActions::toggleOutputPanel, u"outputPanelAction", u"ｹｰﾌﾞﾙ名板   出力"},
    {&MainWindowActions::toggleHelp, u"helpAction", u"HELP"},
    {&MainWindowActions::reopen, u"reopenAction", u"読込"},
    {&MainWindowActions::copy, u"copyAction", u"コピー"},
    {&MainWindowActions::paste, u"pasteAction", u"貼り付け"},
    {&MainWindowActions::pasteHere, u"pasteHereAction", u"貼付"},
    {&MainWindowActions::deleteRow, u"deleteRowAction", u"行削除"},
    {&MainWindowActions::deleteRows, u"deleteRowsAction", u"行削除"},
    {&MainWindowActions::deleteAll, u"deleteAllAction", u"全削除"},
    {&MainWindowActions::renumber, u"renumberAction", u"貼付後のデーター数を再確認"},
    {&MainWindowActions::sort, u"sortAction", u"ソート"},
    {&MainWindowActions::saveSettings, u"saveSettingsAction", u"設定保存"},
    {&MainWindowActions::loadSettings, u"loadSettingsAction", u"設定読込"},
    {&MainWindowActions::createTemplate, u"templateAction", u"入力用帳票 ( Excel ) を新規作成"},
    {&MainWindowActions::createTypeA, u"typeAWorkbookAction", u"名板タイプ 【 A 】 ( Excel ) 出力"},
    {&MainWindowActions::createTypeB, u"typeBWorkbookAction", u"名板タイプ 【 B 】 ( Excel ) 出力"},
    {&MainWindowActions::printTypeA, u"typeAPrintAction", u"印刷"},
    {&MainWindowActions::printTrunk, u"trunkPrintAction", u"印刷"},
    {&MainWindowActions::printBranch, u"branchPrintAction", u"印刷"},
    {&MainWindowActions::previewTypeA, u"typeAPreviewAction", u"プレビュー"},
    {&MainWindowActions::previewTypeB, u"typeBPreviewAction", u"プレビュー"},
};

} // namespace

MainWindowActions createMainWindowActions(QWidget* window)
{
    MainWindowActions actions;
    for (const ActionRow& row : kActions) {
        auto* action = new QAction(row.text.toString(), window);
        action->setObjectName(row.name.toString());
        actions.*row.member = action;
    }
    return actions;
}
