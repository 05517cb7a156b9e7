#include "CableFamilyLoader.h"

#include "CableFamilies.h"
#include "CatalogueGrid.h"

namespace {

void position(CatalogueGrid& grid, const FamilyPositioning& positioning)
{
    switch (positioning.kind) {
    case FamilyPositioning::Kind::None:
        return;
    case FamilyPositioning::Kind::CurrentRows:
        // The first row scrolls the view, the second then moves the highlight
        // back (scrolling only if it lies above the view).
        grid.makeCurrent(positioning.firstRow);
        if (positioning.secondRow != 0)
            grid.makeCurrent(positioning.secondRow);
        return;
    case FamilyPositioning::Kind::ScrollToTop:
        grid.setFirstVisibleRow(1);
        return;
    }
}

} // namespace

void loadCableFamily(CatalogueGrid& grid, const CableFamily& family)
{
    const int rows = family.rowCount();
    grid.setGridRowCount(rows + 1);
    // Clearing every column first removes what an earlier family left in
    // columns that this one does not fill.
    for (int row = 1; row <= rows; ++row)
        grid.clearRow(row);
    for (int row = 1; row <= rows; ++row) {
        grid.setCell(0, row, family.designation(row));
        for (int column : family.filledColumns)
            grid.setCell(column, row, family.value(column, row));
    }
    position(grid, family.positioning);
}
