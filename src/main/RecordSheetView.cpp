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
    setTextElideMode(Qt::ElideNone); // long texts are cut at the cell edge, not shortened
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

std::pair<int, int> RecordSheetView::selectedSheetRows() const
{
    const QItemSelection selection = selectionModel() ? selectionModel()->selection() : QItemSelection{};
    if (selection.isEmpty())
        return {anchorRow_, anchorRow_};
    int top = selection.first().top();
    int bottom = selection.first().bottom();
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return {RecordSheetModel::sheetRow(top), RecordSheetModel::sheetRow(bottom)};
}

void RecordSheetView::selectSheetRows(int first, int last)
{
    if (!model_ || !selectionModel())
        return;
    const int rows = model_->rowCount();
    const int top = std::clamp(RecordSheetModel::modelRow(std::min(first, last)), 0, rows - 1);
    const int bottom = std::clamp(RecordSheetModel::modelRow(std::max(first, last)), 0, rows - 1);
    if (rows == 0)
        return;
    anchorRow_ = RecordSheetModel::sheetRow(top);
    selectionModel()->setCurrentIndex(model_->index(top, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(model_->index(top, 0), model_->index(bottom, kColumnCount - 1)),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void RecordSheetView::showFromFirstRow()
{
    anchorRow_ = 1;
    if (selectionModel() && model_ && model_->rowCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::Clear);
    scrollToTop();
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

void RecordSheetView::rememberSelection()
{
    const auto [first, last] = selectedSheetRows();
    remembered_ = {selectionModel() && selectionModel()->hasSelection(), first, last, anchorRow_};
}

void RecordSheetView::restoreSelection()
{
    const int lastSheetRow = model_->rowCount();
    const int anchor = std::clamp(remembered_.anchor, 1, std::max(lastSheetRow, 1));
    anchorRow_ = anchor;
    if (remembered_.any && remembered_.first <= lastSheetRow)
        selectSheetRows(remembered_.first, std::min(remembered_.last, lastSheetRow));
    anchorRow_ = anchor;
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
    const QPoint sheetPoint = toSheetPoint(viewport(), event->position().toPoint());
    Q_EMIT sheetMousePressed(event->button(), cellAt(sheetPoint), sheetPoint);
    if (event->button() != Qt::LeftButton)
        return; // only the left button selects
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !(event->modifiers() & Qt::ShiftModifier))
        anchorRow_ = RecordSheetModel::sheetRow(index.row());
}

void RecordSheetView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint sheetPoint = toSheetPoint(viewport(), event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        QTableView::mouseReleaseEvent(event);
    Q_EMIT sheetMouseReleased(event->button(), cellAt(sheetPoint), sheetPoint);
}

void RecordSheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT sheetDoubleClicked();
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
    QTableView::keyPressEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && !(event->modifiers() & Qt::ShiftModifier))
        anchorRow_ = RecordSheetModel::sheetRow(current.row());
}

bool RecordSheetView::eventFilter(QObject* watched, QEvent* event)
{
    // The header row is part of the sheet for the mouse: presses and releases
    // on it report row 0, as on any other row.
    if (watched == horizontalHeader()->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint sheetPoint = toSheetPoint(horizontalHeader()->viewport(), mouse->position().toPoint());
            const SheetCell cell = cellAt(sheetPoint);
            if (type == QEvent::MouseButtonPress)
                Q_EMIT sheetMousePressed(mouse->button(), cell, sheetPoint);
            else if (type == QEvent::MouseButtonRelease)
                Q_EMIT sheetMouseReleased(mouse->button(), cell, sheetPoint);
            else if (mouse->button() == Qt::LeftButton)
                Q_EMIT sheetDoubleClicked();
            return true;
        }
    }
    return QTableView::eventFilter(watched, event);
}
