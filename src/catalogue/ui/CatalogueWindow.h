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
class CatalogueWindow : public QWidget {
    Q_OBJECT
public:
    explicit CatalogueWindow(QWidget* parent = nullptr);
    ~CatalogueWindow() override;

    // The entry form's cable type field (cableTypeField), which a pick fills, and its
    // purpose field (purposeField), which then takes the focus.
    void setPickTarget(QLineEdit* cableTypeField, QWidget* purposeField);
    // The window to centre over at the first showing (the main window).
    // Without one the window centres over the main window MainWindow if one
    // exists, else over its screen.
    void setPlacementParent(QWidget* mainWindow);

    // Row of the cell under the last mouse release over the grid (-1: none).
    int releasedRow() const { return releasedRow_; }

    const CatalogueGrid& grid() const { return grid_; }
    CatalogueGridView* designationGrid() const { return view_; }

    // Loads a family into the grid, as its button does.
    void loadFamily(const CableFamily& family);
    // The pick: column 0 of row releasedRow into the cable type field, hide, focus
    // the purpose field.
    void pickDesignation();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setUpWindow();
    void buildControls();
    void rememberReleasedRow(int gridRow);
    void placeOverMainWindow();

    CatalogueGrid grid_;
    CatalogueGridView* view_ = nullptr;
    QPointer<QLineEdit> cableTypeField_;
    QPointer<QWidget> purposeField_;
    QPointer<QWidget> placementParent_;
    int releasedRow_ = 0;
    bool placed_ = false;
};
