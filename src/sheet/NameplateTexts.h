#pragma once

#include "RecordSheet.h"

#include <QString>

// The texts nameplates compose from one cable record.
enum class TextOrder { Standard, FromTo, ToFrom };

struct TextOrderInfo {
    QString sheetName;    // worksheet name of the type A workbook
    QString firstMarker;  // before the from-names
    QString secondMarker; // before the to-names
};

const TextOrderInfo& textOrderInfo(TextOrder order);

namespace NameplateTexts {

// First marker, from-names, " ～ ", second marker, to-names; empty when
// columns 1 to 4 are all empty.
QString routeText(const Record& record, TextOrder order);
// The route on two lines, for a plate too narrow to hold it on one: the first
// marker, the from-names and " ～ "; then the second marker and the to-names.
// Only the standard order, which has no markers, repeats " ～ " on the second.
struct TwoLineRoute {
    QString fromLine;
    QString toLine;
};
TwoLineRoute twoLineRouteText(const Record& record, TextOrder order);
// "【 circuit 】 cable type", or the cable type alone without a circuit number.
QString circuitText(const Record& record);
// construction date " / " constructor.
QString dateLine(const Record& record);

} // namespace NameplateTexts
