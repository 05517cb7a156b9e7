#pragma once

#include <QTableView>

class CatalogueGrid;

// The catalogue grid designationGrid on screen: column 0 shows the designations,
// columns 1 to 7 stay at width 0, and the view's header is the empty header
// row 0. The CatalogueGrid decides the current and first visible rows; this
// view shows them and reports the user's own scrolling and clicking back.
class CatalogueGridView : public QTableView {
    Q_OBJECT
public:
    CatalogueGridView(CatalogueGrid& grid, QWidget* parent);

    // The grid row of the cell under a point given in this widget's
    // coordinates: 0 on the header row, -1 where no cell lies.
    int gridRowUnder(QPoint position) const;
    // Puts the view where the grid says (after a load, or once shown).
    void showGridPosition();

Q_SIGNALS:
    // A mouse button, any button, was released over the grid.
    void mouseReleased(int gridRow);
    void gridDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void verticalScrollbarValueChanged(int value) override;

private:
    void applyFixedGeometry();
    void updateVisibleRowCount();
    // True while the view follows the grid rather than the user.
    bool followingGrid() const { return showingGridPosition_ || rowsChanging_; }

    CatalogueGrid& grid_;
    bool showingGridPosition_ = false;
    bool rowsChanging_ = false;
};
