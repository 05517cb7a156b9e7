#pragma once

#include <QString>
#include <QStringView>

// A cell by 1-based row and column, as A1 addresses count them (A = 1).
struct CellAddress {
    int row = 1;
    int column = 1;

    // "A1", "c8", "XFD1048576": letters in either case, then the row.
    // Throws std::invalid_argument for anything else.
    static CellAddress parse(QStringView a1);
    QString toA1() const;

    friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// The rectangle from first to last, both included; first is the top-left.
struct CellRange {
    CellAddress first;
    CellAddress last;

    CellRange(CellAddress cell) : first(cell), last(cell) {}
    // Any two opposite corners: the range is normalised to top-left, bottom-right.
    CellRange(CellAddress a, CellAddress b);
    // "B4" or "B4:T9", letters in either case.
    static CellRange parse(QStringView a1);

    int rowCount() const { return last.row - first.row + 1; }
    int columnCount() const { return last.column - first.column + 1; }
    bool isSingleCell() const { return first == last; }
    bool contains(const CellAddress& cell) const;
    bool intersects(const CellRange& other) const;
    QString toA1() const;

    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// Column number of letters ("A" = 1, "aa" = 27), and back.
int columnNumber(QStringView letters);
QString columnLetters(int column);

// The largest sheet the workbook format holds.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;
