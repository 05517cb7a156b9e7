#pragma once

#include "FitCheck.h"
#include "PlateFrames.h"
#include "PlateSequence.h"

#include <QString>

#include <variant>
#include <vector>

// Where on the label stock a print goes and what it prints, as the window's
// label stock controls or tagrio-cli's --start, --records and --copies say,
// before it is checked against the sheet and the kind of plate being printed.
struct LabelStockChoice {
    enum class Records { All, SelectedRows, Listed };

    int startPosition = 1;
    Records records = Records::All;
    QString list;                  // for Listed: "3-7,12"
    std::vector<int> selectedRows; // for SelectedRows: the sheet's selected record rows
    int copies = 1;
};

// Why a choice makes no plates: the message (Japanese) for the user and the
// part of the choice it is about, so that tagrio-cli can name its option.
struct ChoiceProblem {
    enum class Part { Start, Records, Copies };
    Part part = Part::Start;
    QString message;
};

// The plate selection a choice makes for `kind`. A start past the kind's
// sheet, a copy count outside 1..PlateSelection::kMaxCopies and a list that
// cannot be read or names no record are refused, never clamped.
std::variant<PlateSelection, ChoiceProblem> plateSelectionFor(const LabelStockChoice& choice, const RecordSheet& sheet,
                                                        PlateKind kind);

// The rows a selection prints, every record when it names none.
std::vector<int> rowsOf(const PlateSelection& selection, const RecordSheet& sheet);

// The fit check's findings as the user reads them, one line each; empty when everything fits.
QString overlongReport(const std::vector<OverlongText>& overlong);
