#pragma once

#include <QTableView>

class RecordSheetModel;

// A cell of the record sheet in sheet coordinates; (-1, -1) for a point that
// lies on no cell.
struct SheetCell {
    int column = -1;
    int row = -1;
    friend bool operator==(const SheetCell&, const SheetCell&) = default;
};

// The record sheet's grid: whole rows selected in one contiguous block, no
// in-place editing, the header texts in a fixed coloured row on top. It
// reports every mouse press and release with the sheet cell under the
// pointer (the header row is sheet row 0) and leaves the right button's
// meaning to its owner: a right click never changes the selection.
class RecordSheetView : public QTableView {
    Q_OBJECT
public:
    explicit RecordSheetView(QWidget* parent = nullptr);

    void setSheetModel(RecordSheetModel* model);

    // The sheet row at which the current selection began (row 1 until the
    // user selects another one).
    int currentSheetRow() const { return anchorRow_; }
    // The first and last selected sheet rows; the current row when nothing is selected.
    std::pair<int, int> selectedSheetRows() const;
    // Selects sheet rows first..last and makes first the current row.
    void selectSheetRows(int first, int last);
    // Scrolls back to the first row and column with nothing selected and
    // row 1 current, as the sheet stands when the window opens.
    void showFromFirstRow();

    void setColumnWidths(const std::array<int, 11>& widths);

    // The cell under a point given in the grid's own pixels (frame excluded).
    SheetCell cellAt(QPoint sheetPoint) const;

Q_SIGNALS:
    void sheetMousePressed(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint);
    void sheetMouseReleased(Qt::MouseButton button, SheetCell cell, QPoint sheetPoint);
    void sheetDoubleClicked();
    // Ctrl+C and Ctrl+V: the same as the pop-up menu's コピー and 貼り付け.
    void copyRequested();
    void pasteRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint toSheetPoint(const QWidget* from, QPoint point) const;
    // A model reset (the row count changed) drops the selection: it is put
    // back afterwards where those rows still exist.
    void rememberSelection();
    void restoreSelection();

    RecordSheetModel* model_ = nullptr;
    int anchorRow_ = 1;
    struct RememberedSelection {
        bool any = false;
        int first = 1, last = 1, anchor = 1;
    } remembered_;
};
