#include "CatalogueGridView.h"

#include "CatalogueLayout.h"
#include "catalogue/CatalogueGrid.h"
#include "ui/Palette.h"
#include "ui/ScreenFonts.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

CatalogueGridView::CatalogueGridView(CatalogueGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid)
{
    setObjectName(QStringLiteral("designationGrid"));
    setModel(&grid);
    setFont(UiStyle::screenFont(UiStyle::Face::PGothic, CatalogueLayout::kGridPixelSize));
    setCursor(Qt::PointingHandCursor);
    viewport()->setCursor(Qt::PointingHandCursor);
    horizontalHeader()->setCursor(Qt::PointingHandCursor);

    // A flat grid with a soft one-pixel bevel on a pale yellow ground.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, UiStyle::kCatalogueGround);
    colours.setColor(QPalette::Text, UiStyle::kBlack);
    setPalette(colours);

    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectItems);
    setSelectionMode(ContiguousSelection);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    applyFixedGeometry();

    // The header row's clicks land on the header's own viewport.
    horizontalHeader()->viewport()->installEventFilter(this);
    // While the model adds or drops rows the view moves its own highlight and
    // scroll bar; the grid decides those, so the view does not report them.
    connect(&grid, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { rowsChanging_ = true; });
    connect(&grid, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { rowsChanging_ = true; });
    connect(&grid, &QAbstractItemModel::rowsRemoved, this, [this] { rowsChanging_ = false; });
    connect(&grid, &QAbstractItemModel::rowsInserted, this, [this] { rowsChanging_ = false; });
    connect(&grid, &CatalogueGrid::positionChanged, this, &CatalogueGridView::showGridPosition);
}

void CatalogueGridView::applyFixedGeometry()
{
    using namespace CatalogueLayout;
    // Column 0 at 170 pixels and the hidden columns at 0; nobody resizes them.
    QHeaderView* columns = horizontalHeader();
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(kRowHeight);
    columns->resizeSection(0, kDesignationColumnWidth);
    for (int column = 1; column < CatalogueGrid::kColumnCount; ++column)
        columns->resizeSection(column, 0);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(0);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    updateVisibleRowCount();
}

void CatalogueGridView::updateVisibleRowCount()
{
    // Rows shown in full below the header; the view's own scroll range
    // counts the same way, so both agree on the last possible first row.
    const int height = contentsRect().height() - CatalogueLayout::kRowHeight;
    grid_.setVisibleRowCount(height / CatalogueLayout::kRowHeight);
}

void CatalogueGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    updateVisibleRowCount();
}

int CatalogueGridView::gridRowUnder(QPoint position) const
{
    const QHeaderView* header = horizontalHeader();
    if (!header->isHidden() && header->geometry().contains(position))
        return header->logicalIndexAt(position.x() - header->x()) >= 0 ? 0 : -1;
    const QRect cells = viewport()->geometry();
    if (!cells.contains(position))
        return -1;
    const QPoint inCells = position - cells.topLeft();
    const int row = rowAt(inCells.y());
    const int column = columnAt(inCells.x());
    return row < 0 || column < 0 ? -1 : row + 1;
}

void CatalogueGridView::showGridPosition()
{
    showingGridPosition_ = true;
    // The scroll range must know the current row count before the first
    // visible row is set, also while the window is hidden.
    updateGeometries();
    const QModelIndex current = grid_.index(grid_.currentRow() - 1, 0);
    if (selectionModel()->currentIndex() != current)
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    verticalScrollBar()->setValue(grid_.firstVisibleRow() - 1);
    showingGridPosition_ = false;
}

void CatalogueGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!followingGrid() && current.isValid())
        grid_.setCurrentRow(current.row() + 1);
}

void CatalogueGridView::verticalScrollbarValueChanged(int value)
{
    QTableView::verticalScrollbarValueChanged(value);
    if (!followingGrid())
        grid_.setFirstVisibleRow(value + 1);
}

void CatalogueGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    Q_EMIT mouseReleased(gridRowUnder(viewport()->mapTo(this, event->position().toPoint())));
}

void CatalogueGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) // only a left double click picks
        Q_EMIT gridDoubleClicked();
}

bool CatalogueGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (QWidget* headerCells = horizontalHeader()->viewport(); watched == headerCells) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            Q_EMIT mouseReleased(gridRowUnder(headerCells->mapTo(this, mouse->position().toPoint())));
        } else if (event->type() == QEvent::MouseButtonDblClick
                   && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Q_EMIT gridDoubleClicked();
        }
    }
    return QTableView::eventFilter(watched, event);
}
