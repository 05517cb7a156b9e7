#pragma once

#include "RecordSheet.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

// What one edit changed in a record list, kept small enough that a hundred of
// them over a 100,000-row sheet cost a few MB: the rows it replaced or removed,
// how it reordered rows (as runs of moved rows), and the record numbers it
// rewrote (as counting runs where it simply renumbered). apply() turns the
// list as it was before the edit into the list after it; revert() goes back.
class DocumentChange {
public:
    // The change that turns `before` into `after`. `before` is a copy the
    // caller gives up (its strings are shared with the sheet, so the copy is
    // cheap). `reorder`, when given, is how the edit reordered the record
    // rows before it changed any text: record row i + 1 came from row
    // reorder[i] + 1.
    static DocumentChange between(RecordSheet before, const RecordSheet& after,
                                  const std::vector<int>* reorder = nullptr);
    // A change of the company name alone.
    static DocumentChange companyName(const QString& before, const QString& after);

    bool isEmpty() const { return pieces_.empty() && !changes(company_) && !changes(recordCount_); }
    // True when the change touches the company name and nothing else.
    bool isCompanyNameOnly() const { return pieces_.empty() && changes(company_) && !changes(recordCount_); }

    void apply(RecordSheet& sheet, QString& companyName) const;
    void revert(RecordSheet& sheet, QString& companyName) const;

    // Appends a change made after this one: the two then apply and revert as one.
    void append(DocumentChange&& later);

    // Roughly the heap the change keeps alive on its own (its strings counted
    // in full even where the sheet still shares them).
    size_t approximateBytes() const;

    // Pieces, applied in order and reverted in reverse order.
    struct ResizedRows { int before = 0; int after = 0; }; // rows past the smaller count are empty
    struct ReplacedRows { int first = 0; std::vector<SheetRow> before, after; };
    // Rows at..at+n-1 taken out; the rows below move up and n empty rows fill the end.
    struct RemovedRows { int at = 0; std::vector<SheetRow> removed; };
    struct MovedRun { int to = 0; int from = 0; int count = 0; };
    struct MovedRows { std::vector<MovedRun> runs; };
    // Column 0 of rows first..first+count-1 went from the numbers
    // beforeStart.. to afterStart.. (one up per row).
    struct CountingRun { int first = 0; int count = 0; qint64 beforeStart = 0; qint64 afterStart = 0; };
    struct NumberCell { int row = 0; QString before, after; };
    struct RenumberedRows { std::vector<CountingRun> runs; std::vector<NumberCell> cells; };
    using Piece = std::variant<ResizedRows, ReplacedRows, RemovedRows, MovedRows, RenumberedRows>;

private:
    template <typename T>
    static bool changes(const std::optional<std::pair<T, T>>& value) { return value && value->first != value->second; }

    std::vector<Piece> pieces_;
    // Before and after; unset when the change leaves it alone.
    std::optional<std::pair<QString, QString>> company_;
    std::optional<std::pair<int, int>> recordCount_;
};
