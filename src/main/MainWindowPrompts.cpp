#include "MainWindowPrompts.h"

#include "OpenDialogMemory.h"
#include "spreadsheet/DocumentFiles.h"
#include "spreadsheet/ui/ImportPreviewDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramName.h"

#include <QFileDialog>
#include <QPointer>

MainWindowPrompts MainWindowPrompts::dialogs(QWidget* parent)
{
    const QPointer<QWidget> owner(parent);
    MainWindowPrompts prompts;
    prompts.showError = [owner](const QString& message) {
        UiStyle::showMessage(owner, QMessageBox::Critical, UiStyle::kProgramName, message);
    };
    prompts.showNotice = [owner](const QString& message) {
        UiStyle::showMessage(owner, QMessageBox::Information, UiStyle::kProgramName, message);
    };
    prompts.askYesNo = [owner](const QString& question) {
        return UiStyle::showMessage(owner, QMessageBox::Warning, UiStyle::kProgramName, question,
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    };
    prompts.askUnsavedChanges = [owner] {
        const auto answer = UiStyle::showMessage(
            owner, QMessageBox::Warning, UiStyle::kProgramName, QStringLiteral("一覧の変更が保存されていません。保存しますか？"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Save)
            return UnsavedChoice::Save;
        return answer == QMessageBox::Discard ? UnsavedChoice::Discard : UnsavedChoice::Cancel;
    };
    prompts.chooseOpenPath = [owner](const QString& listFolder) {
        OpenDialogMemory memory;
        const QString filters = DocumentFiles::openFilters();
        QString filter = memory.startFilter(filters.split(QStringLiteral(";;")));
        const QString chosen =
            QFileDialog::getOpenFileName(owner, QString(), memory.startFolder(listFolder), filters, &filter);
        if (!chosen.isEmpty())
            memory.remember(chosen, filter);
        return chosen;
    };
    // The save dialog replaces an existing file without asking, as users of
    // this tool are used to; the save itself is atomic.
    prompts.chooseSavePath = [owner](const QString& startPath) {
        QString selectedFilter;
        const QString chosen = QFileDialog::getSaveFileName(owner, QString(), startPath,
                                                            DocumentFiles::saveFilters(), &selectedFilter,
                                                            QFileDialog::DontConfirmOverwrite);
        return chosen.isEmpty() ? chosen : DocumentFiles::withFilterSuffix(chosen, selectedFilter);
    };
    prompts.confirmImport = [owner](const ImportedTable& table, const std::optional<CsvTable::TextFormat>& format)
        -> std::optional<TableLayout> {
        ImportPreviewDialog dialog(table, format, owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.layout();
    };
    // Read-only first, as office suites offer it: the safe answer is the one Enter gives.
    prompts.askLockedList = [owner](const QString& warning) {
        static constexpr LockedListChoice kChoices[] = {LockedListChoice::ReadOnly, LockedListChoice::Edit,
                                                        LockedListChoice::Cancel};
        const int pressed = UiStyle::showChoice(
            owner, QMessageBox::Warning, UiStyle::kProgramName,
            warning + QStringLiteral("\n\n読み取り専用で開くと、このファイルには保存されません。"),
            {QStringLiteral("読み取り専用で開く"), QStringLiteral("編集する"), QStringLiteral("キャンセル")}, 0, 2);
        return kChoices[pressed];
    };
    return prompts;
}
