#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>
#include <string_view>
#include <vector>

// One row of a family table: the designation (grid column 0) and the hidden
// columns 1 to 7. A column that the family does not fill holds an empty text.
// Every value is text and stays exactly as written: nothing converts it.
struct CableRow {
    std::u16string_view designation;
    std::array<std::u16string_view, 7> hidden;
};

// The constant rows of one family. A family whose hidden columns equal another
// family's row for row points at that family's rows and brings only its own
// designations.
struct CableTable {
    std::span<const CableRow> rows;
    std::span<const std::u16string_view> ownDesignations = {};
};

// Where the highlight and the view go once a family has been written.
struct FamilyPositioning {
    enum class Kind {
        None,        // leave the current row and view as the new row count left them
        CurrentRows, // make firstRow current, then secondRow (when it is not 0)
        ScrollToTop, // first visible row 1; the current row stays where it was
    };
    Kind kind = Kind::None;
    int firstRow = 0;
    int secondRow = 0;
};

struct CableFamily {
    QString caption;    // the family button's caption, which is also the family's name
    QString buttonName; // objectName of that button
    std::vector<int> filledColumns; // hidden columns the family writes, ascending
    FamilyPositioning positioning;
    CableTable table;

    int rowCount() const { return int(table.rows.size()); }
    // row runs from 1 to rowCount(), as in the grid; outside it reads empty.
    QString designation(int row) const;
    // column 0 is the designation, 1..7 the hidden columns.
    QString value(int column, int row) const;
};

// The sixteen families, in the order of the family list.
const std::vector<CableFamily>& cableFamilies();
// The family with this button caption, or nullptr.
const CableFamily* findCableFamily(QStringView caption);
// The catalogue's first family shown after start.
const CableFamily& initialCableFamily();
