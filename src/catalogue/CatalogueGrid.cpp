#include "CatalogueGrid.h"

#include <algorithm>

CatalogueGrid::CatalogueGrid(QObject* parent)
    : QAbstractTableModel(parent), rows_(1)
{
}

void CatalogueGrid::setGridRowCount(int count)
{
    // A grid keeps at least one row below its header, so a current row exists.
    const int newRows = std::max(count, 2) - 1;
    const int oldRows = int(rows_.size());
    if (newRows < oldRows) {
        beginRemoveRows({}, newRows, oldRows - 1);
        rows_.resize(std::size_t(newRows));
        endRemoveRows();
    } else if (newRows > oldRows) {
        beginInsertRows({}, oldRows, newRows - 1);
        rows_.resize(std::size_t(newRows));
        endInsertRows();
    }
    setPosition(std::min(current_, newRows), std::min(top_, lastFirstVisibleRow()));
}

bool CatalogueGrid::isCell(int column, int row) const
{
    return column >= 0 && column < kColumnCount && row >= 1 && row < gridRowCount();
}

QString CatalogueGrid::cell(int column, int row) const
{
    return isCell(column, row) ? rows_[std::size_t(row - 1)][std::size_t(column)] : QString();
}

void CatalogueGrid::setCell(int column, int row, const QString& text)
{
    if (!isCell(column, row))
        return;
    rows_[std::size_t(row - 1)][std::size_t(column)] = text;
    const QModelIndex changed = index(row - 1, column);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

void CatalogueGrid::clearRow(int row)
{
    if (!isCell(0, row))
        return;
    rows_[std::size_t(row - 1)].fill(QString());
    Q_EMIT dataChanged(index(row - 1, 0), index(row - 1, kColumnCount - 1), {Qt::DisplayRole});
}

void CatalogueGrid::setVisibleRowCount(int rows)
{
    visible_ = std::max(rows, 1);
    setPosition(current_, std::min(top_, lastFirstVisibleRow()));
}

int CatalogueGrid::clampedRow(int row) const
{
    return std::clamp(row, 1, gridRowCount() - 1);
}

int CatalogueGrid::lastFirstVisibleRow() const
{
    return std::max(1, gridRowCount() - visible_);
}

void CatalogueGrid::makeCurrent(int row)
{
    row = clampedRow(row);
    if (row == current_)
        return;
    int top = top_;
    if (row < top)
        top = row;
    else if (row > top + visible_ - 1)
        top = row - visible_ + 1;
    setPosition(row, std::min(top, lastFirstVisibleRow()));
}

void CatalogueGrid::setCurrentRow(int row)
{
    setPosition(clampedRow(row), top_);
}

void CatalogueGrid::setFirstVisibleRow(int row)
{
    setPosition(current_, std::clamp(row, 1, lastFirstVisibleRow()));
}

void CatalogueGrid::setPosition(int current, int top)
{
    if (current == current_ && top == top_)
        return;
    current_ = current;
    top_ = top;
    Q_EMIT positionChanged();
}

int CatalogueGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int CatalogueGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CatalogueGrid::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.column(), index.row() + 1);
}

QVariant CatalogueGrid::headerData(int, Qt::Orientation, int role) const
{
    // The header row is an empty fixed row, not numbered columns.
    return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
}

Qt::ItemFlags CatalogueGrid::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
