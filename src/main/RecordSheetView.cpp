#include "RecordSheetView.h"

#include "MainWindowRules.h"
#include "RecordSheetModel.h"
#include "SheetCellDelegate.h"
#include "ui/Palette.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

QString headerStyle()
{
    return QStringLiteral("QHeaderView::section { background-color: %1; color: %2;"
                          " padding-left: 2px; border: none; border-right: 1px solid #a0a0a0;"
                          " border-bottom: 1px solid #a0a0a0; }")
        .arg(UiStyle::kPaleYellow.name(), UiStyle::kBlack.name());
}

} // namespace

RecordSheetView::RecordSheetView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::NoContextMenu);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight); // the delegate draws a cut text with an ellipsis
    setItemDelegate(new SheetCellDelegate(this));
    setCornerButtonEnabled(false);

    // Fixed row heights: sizing rows to their contents would visit every
    // row, and the sheet may hold 100,000 of them.
    QHeaderView* rows = verticalHeader();
    rows->setVisible(false);
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(MainWindowRules::kRowHeight);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(1);
    columns->setFixedHeight(MainWindowRules::kRowHeight);
    columns->setStyleSheet(headerStyle());
    // A header's mouse events arrive at its viewport, as for any scroll area.
    columns->viewport()->installEventFilter(this);
}

void RecordSheetView::setSheetModel(RecordSheetModel* model)
{
    model_ = model;
    setModel(model);
    // Connected after setModel, so the restore runs after the view's own reset.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &RecordSheetView::rememberSelection);
    connect(model, &QAbstractItemModel::modelReset, this, &RecordSheetView::restoreSelection);
}

void RecordSheetView::setColumnWidths(const std::array<int, 11>& widths)
{
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

bool RecordSheetView::hasSelectedRows() const
{
    return selectionModel() && selectionModel()->hasSelection();
}

int RecordSheetView::currentSheetRow() const
{
    const QModelIndex current = selectionModel() ? selectionModel()->currentIndex() : QModelIndex();
    const int currentRow = current.isValid() ? RecordSheetModel::sheetRow(current.row()) : 1;
    if (!hasSelectedRows())
        return currentRow;
    const auto [first, last] = selectedSheetRows();
    // Shift moves the current index; the block began at its other end.
    return currentRow == first ? last : first;
}

std::pair<int, int> RecordSheetView::selectedSheetRows() const
{
    const QItemSelection selection = selectionModel() ? selectionModel()->selection() : QItemSelection{};
    if (selection.isEmpty()) {
        const int row = currentSheetRow();
        return {row, row};
    }
    int top = selection.first().top();
    int bottom = selection.first().bottom();
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return {RecordSheetModel::sheetRow(top), RecordSheetModel::sheetRow(bottom)};
}

void RecordSheetView::selectSheetRows(int from, int to)
{
    if (!model_ || !selectionModel())
        return;
    const int rows = model_->rowCount();
    if (rows == 0)
        return;
    const auto modelRow = [rows](int sheetRow) { return std::clamp(RecordSheetModel::modelRow(sheetRow), 0, rows - 1); };
    const int top = modelRow(std::min(from, to));
    const int bottom = modelRow(std::max(from, to));
    selectionModel()->setCurrentIndex(model_->index(modelRow(to), 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(model_->index(top, 0), model_->index(bottom, kColumnCount - 1)),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void RecordSheetView::showFromFirstRow()
{
    if (selectionModel() && model_ && model_->rowCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::Clear);
    scrollToTop();
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

void RecordSheetView::rememberSelection()
{
    const auto [first, last] = selectedSheetRows();
    remembered_ = {hasSelectedRows(), first, last, currentSheetRow()};
}

void RecordSheetView::restoreSelection()
{
    const int lastSheetRow = model_->rowCount();
    if (lastSheetRow == 0)
        return;
    const int anchor = std::clamp(remembered_.anchor, 1, lastSheetRow);
    if (remembered_.any && remembered_.first <= lastSheetRow) {
        const int last = std::min(remembered_.last, lastSheetRow);
        const int otherEnd = anchor == remembered_.first ? last : remembered_.first;
        selectSheetRows(anchor, otherEnd);
    } else {
        selectionModel()->setCurrentIndex(model_->index(RecordSheetModel::modelRow(anchor), 0),
                                          QItemSelectionModel::NoUpdate);
    }
}

QPoint RecordSheetView::toSheetPoint(const QWidget* from, QPoint point) const
{
    return from->mapTo(this, point) - QPoint(frameWidth(), frameWidth());
}

SheetCell RecordSheetView::cellAt(QPoint sheetPoint) const
{
    const QPoint inView = sheetPoint + QPoint(frameWidth(), frameWidth());
    const QHeaderView* header = horizontalHeader();
    if (header->isVisible() && header->geometry().contains(inView)) {
        const int column = header->logicalIndexAt(header->mapFrom(this, inView));
        return column < 0 ? SheetCell{} : SheetCell{column, 0};
    }
    const QModelIndex index = indexAt(viewport()->mapFrom(this, inView));
    if (!index.isValid())
        return {};
    return {index.column(), RecordSheetModel::sheetRow(index.row())};
}

void RecordSheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) // only the left button selects
        QTableView::mousePressEvent(event);
}

void RecordSheetView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QTableView::mouseReleaseEvent(event);
    else if (event->button() == Qt::RightButton)
        Q_EMIT popupRequested(toSheetPoint(viewport(), event->position().toPoint()));
}

void RecordSheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QTableView::mouseDoubleClickEvent(event);
    // The press before the double click made the row under the pointer current.
    const bool onCell = indexAt(event->position().toPoint()).isValid();
    Q_EMIT sheetDoubleClicked(onCell ? RecordSheetModel::sheetRow(currentIndex().row()) : -1);
}

void RecordSheetView::keyPressEvent(QKeyEvent* event)
{
    // The sheet copies and pastes whole rows, as its pop-up menu does; the
    // view's own Ctrl+C would copy one cell, which a paste then turns into a
    // junk record.
    if (event->matches(QKeySequence::Copy)) {
        Q_EMIT copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Q_EMIT pasteRequested();
        return;
    }
    if (event->matches(QKeySequence::Delete)) {
        Q_EMIT deleteRequested();
        return;
    }
    // The keypad's Enter arrives with the keypad modifier; any other
    // modifier makes it another key.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (currentIndex().isValid())
            Q_EMIT entryRequested(RecordSheetModel::sheetRow(currentIndex().row()));
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RecordSheetView::eventFilter(QObject* watched, QEvent* event)
{
    // The header row is sheet row 0: it selects nothing, but it opens the
    // pop-up menu and a double click on it opens the entry form on row 0.
    if (watched == horizontalHeader()->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint sheetPoint = toSheetPoint(horizontalHeader()->viewport(), mouse->position().toPoint());
            if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton)
                Q_EMIT popupRequested(sheetPoint);
            else if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
                Q_EMIT sheetDoubleClicked(cellAt(sheetPoint).row);
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}
