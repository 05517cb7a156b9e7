#pragma once

#include "sheet/RecordSheet.h"

#include <QString>

#include <optional>
#include <vector>

// How a print goes onto label stock: where on the first sheet it begins,
// which records it prints and how many plates each gets.
struct PlateSelection {
    static constexpr int kMaxCopies = 9;

    int startPosition = 1;          // 1 = the first plate of the page
    std::optional<std::vector<int>> rows; // sheet rows in print order; none = every record
    int copies = 1;

    bool isDefault() const { return startPosition == 1 && !rows && copies == 1; }
};

// The sheet rows whose No. texts a list such as "3-7,12" names, in the list's
// order, each once; a range takes every numbered record between its ends.
// Full-width digits and commas are read like their ASCII forms. None when the
// list cannot be read (the caller tells the user); an empty result when it
// names no record of the sheet.
std::optional<std::vector<int>> rowsOfRecordList(const RecordSheet& sheet, const QString& list);
// The numbers such a list writes out (single numbers and the ends of ranges)
// that no record of the sheet carries, in the list's order; empty when the
// list cannot be read.
std::vector<int> numbersNamingNoRecord(const RecordSheet& sheet, const QString& list);

// Which plate goes to which position of the pages. Positions before the start
// are blank (nothing drawn: those labels are used up). A plain print of every
// record fills its last page with empty plates numbered on past the last
// record, as such a print has always done; any other selection leaves the
// positions after its last plate blank, so the sheet can be used again.
class PlateSequence {
public:
    struct Slot {
        bool blank = false;
        int row = 0; // sheet row whose record (and number) the plate shows; 0 = an empty, unnumbered plate
    };

    PlateSequence(const RecordSheet& sheet, int platesPerPage, const PlateSelection& selection);

    // Zero when there is nothing to print.
    int pageCount() const;
    int platesPerPage() const { return platesPerPage_; }
    // page from 1, position from 1 to platesPerPage().
    Slot slot(int page, int position) const;

private:
    int platesPerPage_;
    bool numbersTrailingPlates_;
    int blankCount_;
    std::vector<int> printedRows_; // each row repeated for its copies
};
