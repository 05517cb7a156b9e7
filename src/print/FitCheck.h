#pragma once

#include "PlateFrames.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QString>

#include <vector>

// A text the plate does not show whole: it runs past the right edge of its
// cell or of the plate frame, or its line's rule leaves its end out.
struct OverlongText {
    QString recordNumber; // the No. text of the record
    QString lineName;     // the plate line: its caption (type A) or its column (type B)
    double mmTooLong = 0; // past the cell or frame; 0 when only characters are left out
    QString leftOut;      // the characters not printed at all
};

// What a fit check needs to know of the plates it checks.
struct FitCheckPlates {
    PlateKind kind = PlateKind::TypeA;
    const Settings* captions = nullptr; // type A line names and labels
    TextOrder order = TextOrder::Standard;
    QString noBoxText = QStringLiteral("No.");
};

// Draws each of `rows` as one plate and measures its texts in the print face:
// a text is too long when it ends past the nearest cut, rule or frame line to
// its right, or past the right edge of the frame (a date line under it).
// Overhangs under 0.1 mm are not worth a label. Texts whose end a two-line
// rule leaves out are listed with that end. Needs a QGuiApplication for the fonts.
std::vector<OverlongText> findOverlongTexts(const RecordSheet& sheet, const std::vector<int>& rows,
                                            const FitCheckPlates& plates);
