#pragma once

#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"

#include <array>

// The two sizes of type B nameplates differ only in numbers: every position,
// font size and pen of a page lives in one table per size, read by one painter.
// Positions are layout units relative to a plate's base point (L, T).

// A text in one line: font size, x from its anchor, y from T.
struct OneLineCell {
    int points;
    int offset;
    int y;
};

// A text placed by fixed numbers.
struct FixedText {
    int points;
    int x;
    int y;
    int shiftDots; // device dots to the left or right, not scaled
};

// Names and circuit numbers, placed by character count: one line up to six
// characters, otherwise two rows of six in a smaller font.
struct CountedText {
    static constexpr int kOneLineMax = 6;
    static constexpr int kPerRow = 6;

    Column column;
    int anchor;
    int twoLinePoints;
    int twoLineShift;
    int upperY;
    int lowerY;
    std::array<OneLineCell, kOneLineMax> byCount; // index 0 for 6 characters down to index 5 for 1
};

// The cable type, placed by byte width: one line up to oneLineMaxBytes, otherwise
// two rows of fourteen characters.
struct WidthText {
    static constexpr int kPerRow = 14;

    Column column;
    int anchor;
    int oneLineMaxBytes;
    int twoLinePoints;
    int twoLineShift;
    int upperY;
    int lowerY;
    std::array<OneLineCell, 16> byWidth; // index 0 for oneLineMaxBytes bytes down to 1 byte
};

// The date line under the frame.
struct DateLineCells {
    int anchor;
    int oneLinePoints;
    int oneLineY;
    int twoLinePoints;
    int constructorY; // two lines: the constructor above...
    int dateY;        // ...the date below
};

struct TypeBGeometry {
    static constexpr int kPlatesAcross = 3;

    int rowsPerPage;
    int firstLeft;
    int columnPitch;
    int firstTop;
    int rowPitch;

    // The frame and the lines inside it.
    int frameLeft;
    int frameTop;
    int frameRight;
    int frameBottom;
    int framePen;
    int firstRuleY;  // strips 1 and 2 meet here...
    int secondRuleY; // ...and strips 2 and 3 here
    int labelRuleX;  // the label cell's right edge, full height
    int splitX;      // splits every strip: thick in strip 1, thin below

    // Cut lines around the piece.
    int cutTop;
    int cutBottom;
    int cutLeft; // column 1 only
    int cutRight;

    FixedText noBox;
    FixedText from;
    FixedText to;
    CountedText circuit;
    WidthText cableType;
    std::array<CountedText, 4> names; // from 1, from 2, to 1, to 2
    DateLineCells dateLine;

    int platesPerPage() const { return kPlatesAcross * rowsPerPage; }
    static const TypeBGeometry& of(PlateSize size);
};

// Pens of type B, in device dots.
inline constexpr int kTypeBRulePen = 5;
inline constexpr int kTypeBThinPen = 1;
// Cut lines run across the whole page.
inline constexpr int kTypeBCutLineRight = 4800;
