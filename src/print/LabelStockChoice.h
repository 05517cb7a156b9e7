#pragma once

#include "FitCheck.h"
#include "PlateFrames.h"
#include "PlateSequence.h"

#include <QString>

#include <variant>
#include <vector>

// What the window's label stock controls say, before it is checked against
// the sheet and the kind of plate being printed.
struct LabelStockChoice {
    enum class Records { All, SelectedRows, Listed };

    int startPosition = 1;
    Records records = Records::All;
    QString list;                  // for Listed: "3-7,12"
    std::vector<int> selectedRows; // for SelectedRows: the sheet's selected record rows
    int copies = 1;
};

// The plate selection a choice makes for `kind`, or the message (Japanese)
// that tells the user why it makes none.
std::variant<PlateSelection, QString> plateSelectionFor(const LabelStockChoice& choice, const RecordSheet& sheet,
                                                        PlateKind kind);

// The rows a selection prints, every record when it names none.
std::vector<int> rowsOf(const PlateSelection& selection, const RecordSheet& sheet);

// The fit check's findings as the user reads them, one line each; empty when everything fits.
QString overlongReport(const std::vector<OverlongText>& overlong);
