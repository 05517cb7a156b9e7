#pragma once

#include "catalogue/CatalogueGrid.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

struct CableFamily;
class CatalogueGridView;

// The cable catalogue window "ケーブル表": sixteen family buttons and a grid of
// designations. A double click hands the designation under the pointer to the
// entry form's cable type field. Created hidden at start and kept until the
// program ends; hiding it keeps its family, highlight and scroll position.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    // The entry form's cable type field (Edit9), which a pick fills, and its
    // purpose field (Edit10), which then takes the focus.
    void setPickTarget(QLineEdit* cableTypeField, QWidget* purposeField);
    // The window to centre over at the first showing (the main window).
    // Without one the window centres over the main window TForm1 if one
    // exists, else over its screen.
    void setPlacementParent(QWidget* mainWindow);

    // Row of the cell under the last mouse release over the grid (-1: none).
    int uy2() const { return uy2_; }

    const CatalogueGrid& grid() const { return grid_; }
    CatalogueGridView* StringGrid2() const { return view_; }

    // Loads a family into the grid, as its button does.
    void loadFamily(const CableFamily& family);
    // The pick: column 0 of row uy2 into the cable type field, hide, focus
    // the purpose field.
    void StringGrid2DblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void buildControls();
    void StringGrid2MouseUp(int gridRow);
    void placeOverMainWindow();

    CatalogueGrid grid_;
    CatalogueGridView* view_ = nullptr;
    QPointer<QLineEdit> cableTypeField_;
    QPointer<QWidget> purposeField_;
    QPointer<QWidget> placementParent_;
    int uy2_ = 0;
    bool placed_ = false;
};
