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
// in-place editing, the header texts in a fixed coloured row on top. Its
// selection model is the one answer to "which rows": a left press or drag
// selects, Shift extends, and a right click never changes the selection but
// asks its owner for the pop-up menu.
class RecordSheetView : public QTableView {
    Q_OBJECT
public:
    explicit RecordSheetView(QWidget* parent = nullptr);

    void setSheetModel(RecordSheetModel* model);

    // The sheet row at which the current selection began: the end of the
    // selected block away from the current index, which Shift moves (row 1
    // until the user selects another one).
    int currentSheetRow() const;
    // The first and last selected sheet rows; the current row when nothing is selected.
    std::pair<int, int> selectedSheetRows() const;
    bool hasSelectedRows() const;
    // Selects the sheet rows between `from` and `to`, as a press on `from`
    // and Shift+click on `to` would: `to` is the current row.
    void selectSheetRows(int from, int to);
    // Scrolls back to the first row and column with nothing selected and
    // row 1 current, as the sheet stands when the window opens.
    void showFromFirstRow();

    void setColumnWidths(const std::array<int, 11>& widths);

    // The cell under a point given in the grid's own pixels (frame excluded).
    SheetCell cellAt(QPoint sheetPoint) const;

Q_SIGNALS:
    // A right button released over the sheet, header row included.
    void popupRequested(QPoint sheetPoint);
    // A left double click: on a record row, the current row of the
    // selection; 0 on the header row; -1 where there is no cell.
    void sheetDoubleClicked(int sheetRow);
    // Enter or the keypad's Enter on the current record row, which a list
    // program's users expect to open the row as a double click does.
    void entryRequested(int sheetRow);
    // Ctrl+C, Ctrl+V and Delete sent to the sheet while it has no focus,
    // when its actions' shortcuts do not apply.
    void copyRequested();
    void pasteRequested();
    void deleteRequested();

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
    struct RememberedSelection {
        bool any = false;
        int first = 1, last = 1, anchor = 1;
    } remembered_;
};
