#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

// The catalogue's string grid as plain data: a row count that includes the
// header row 0, eight text columns, a current row and a first visible row that
// move the way a grid's do. The header row is never stored and always reads
// empty. As a table model it serves a view whose row i is grid row i + 1 (the
// header row is the view's own header).
class CatalogueGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 8;
    // Rows the catalogue window shows in full below its header.
    static constexpr int kDefaultVisibleRows = 15;

    explicit CatalogueGrid(QObject* parent = nullptr);

    // Row count with the header row. Rows beyond a smaller count disappear; a
    // current row beyond them moves to the new last row and the first visible
    // row stays within the table.
    int gridRowCount() const { return int(rows_.size()) + 1; }
    void setGridRowCount(int count);

    // Row 0 and rows outside the grid read empty and are never written.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    void clearRow(int row);

    int currentRow() const { return current_; }
    int firstVisibleRow() const { return top_; }
    int visibleRowCount() const { return visible_; }
    void setVisibleRowCount(int rows);

    // Makes row current and scrolls by the least amount that brings it into
    // view; nothing at all happens when it is current already.
    void makeCurrent(int row);
    // Moves the highlight only: the user picked a row that is in view already.
    void setCurrentRow(int row);
    // Scrolls without moving the highlight.
    void setFirstVisibleRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The current row or the first visible row changed.
    void positionChanged();

private:
    bool isCell(int column, int row) const;
    int clampedRow(int row) const;
    int lastFirstVisibleRow() const;
    void setPosition(int current, int top);

    std::vector<std::array<QString, kColumnCount>> rows_; // grid rows 1 .. gridRowCount() - 1
    int current_ = 1;
    int top_ = 1;
    int visible_ = kDefaultVisibleRows;
};
