// The main window's sheet editing: the pop-up menu, the keys on the sheet and
// the commands that change the record list. Which rows a command works on is
// always the record grid's selection; the document does the work.
#include "MainWindow.h"

#include "MainWindowRules.h"
#include "RecordSheetView.h"
#include "UndoHistory.h"
#include "entry/EntryForm.h"
#include "sheet/Failure.h"
#include "sheet/SheetEditing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

void MainWindow::connectEditing()
{
    const MainWindowActions& a = actions_;
    RecordSheetView* grid = controls_.recordGrid;

    // Ctrl+C and Ctrl+V on the sheet copy and paste whole rows and Delete
    // deletes them, as the pop-up menu does, which shows the keys beside the
    // commands.
    a.copy->setShortcut(QKeySequence::Copy);
    a.paste->setShortcut(QKeySequence::Paste);
    a.deleteRows->setShortcut(QKeySequence::Delete);
    for (QAction* action : {a.copy, a.paste, a.deleteRows}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        grid->addAction(action);
    }
    // A key sent to the sheet while another control has the focus.
    connect(grid, &RecordSheetView::copyRequested, a.copy, &QAction::trigger);
    connect(grid, &RecordSheetView::pasteRequested, a.paste, &QAction::trigger);
    connect(grid, &RecordSheetView::deleteRequested, a.deleteRows, &QAction::trigger);

    QMenu* menu = controls_.sheetMenu;
    menu->addAction(a.copy);
    menu->addAction(a.paste);
    menu->addSeparator()->setObjectName(QStringLiteral("pasteSeparator"));
    menu->addAction(a.deleteRows);
    menu->addSeparator()->setObjectName(QStringLiteral("deleteSeparator"));
    menu->addAction(a.deleteAll);
    undoHistory_->addToMenu(menu);

    connect(a.copy, &QAction::triggered, this, &MainWindow::copySelectedRows);
    connect(a.paste, &QAction::triggered, this, &MainWindow::pasteSortAndRenumber);
    connect(a.pasteHere, &QAction::triggered, this, &MainWindow::pasteFromClipboard);
    connect(a.deleteRow, &QAction::triggered, this, &MainWindow::deleteCurrentRow);
    connect(a.deleteRows, &QAction::triggered, this, &MainWindow::deleteSelectedRows);
    connect(a.deleteAll, &QAction::triggered, this, &MainWindow::deleteAllRecords);
    connect(a.renumber, &QAction::triggered, this, &MainWindow::renumberRecords);
    connect(a.sort, &QAction::triggered, this, &MainWindow::sortRecords);

    connect(grid, &RecordSheetView::popupRequested, this, &MainWindow::showPopupMenu);
    connect(grid, &RecordSheetView::sheetDoubleClicked, this, &MainWindow::openEntryForm);
    connect(grid, &RecordSheetView::entryRequested, this, &MainWindow::openEntryForm);
}

void MainWindow::showPopupMenu(QPoint sheetPoint)
{
    controls_.sheetMenu->popup(
        MainWindowRules::popupScreenPoint(sheetPoint, frameGeometry().topLeft(), controls_.recordGrid->pos()));
}

void MainWindow::deleteCurrentRow()
{
    document_.deleteRow(controls_.recordGrid->currentSheetRow(), prompts_.askYesNo);
}

bool MainWindow::pasteFromClipboard()
{
    try {
        document_.pasteText(controls_.recordGrid->currentSheetRow(), QGuiApplication::clipboard()->text());
    } catch (const Failure& failure) {
        showFailure(failure.message());
        return false;
    }
    return true;
}

void MainWindow::copySelectedRows()
{
    const auto [first, last] = controls_.recordGrid->selectedSheetRows();
    QGuiApplication::clipboard()->setText(SheetEditing::copyText(document_.sheet(), std::max(first, 1), last));
}

void MainWindow::renumberRecords() { document_.renumberRecords(); }
void MainWindow::sortRecords() { document_.sortRecords(); }

void MainWindow::pasteSortAndRenumber()
{
    // One step for the user: undo takes back the sort and renumber too.
    const auto step = document_.groupSteps();
    // A refused paste ends the command, as its failure would.
    if (!pasteFromClipboard())
        return;
    document_.sortRecords();
    document_.renumberRecords();
}

void MainWindow::deleteSelectedRows()
{
    RecordSheetView* grid = controls_.recordGrid;
    if (!grid->hasSelectedRows())
        return;
    auto [first, last] = grid->selectedSheetRows();
    document_.deleteRows(first, last, prompts_.askYesNo);
    // The rows below moved up into the deleted ones' place: the first of
    // them is the one the next command works on.
    grid->selectSheetRows(first, first);
}

void MainWindow::deleteAllRecords() { document_.deleteAllRecords(); }

void MainWindow::openEntryForm(int sheetRow)
{
    if (sheetRow < 0 || !entryForm_)
        return;
    entryForm_->openOnRow(sheetRow, today_);
}
