#pragma once

#include "sheet/RecordSheet.h"

#include <QStringView>
#include <array>
#include <optional>

// The typing aids of the entry form, as data: which button or key touches
// which record columns. The form only wires its controls to these tables.

// A "前回と同じ" button: brings back the stored entries of columns first..last.
struct RepeatButton {
    const char* objectName;
    Column first;
    Column last;
};

// In the order that "全て前回と同じ" runs them.
inline constexpr std::array<RepeatButton, 7> kRepeatButtons = {{
    {"repeatFromButton", ColFrom1, ColFrom2},
    {"repeatToButton", ColTo1, ColTo2},
    {"repeatCableButton", ColCircuit, ColCableType},
    {"repeatPurposeButton", ColPurpose, ColPurpose},
    {"repeatDateButton", ColConstructionDate, ColConstructionDate},
    {"repeatConstructorButton", ColConstructor, ColConstructor},
    {"repeatYearButton", ColManufactureYear, ColManufactureYear},
}};

// A quick-fill button: writes a fixed text and moves on to the field that
// usually comes next.
struct QuickFill {
    const char* objectName;
    QStringView text;
    Column into;
    Column focusTo;
};

// The two panel names end in a blank on purpose: the user types the panel's
// own name straight after.
inline constexpr std::array<QuickFill, 6> kQuickFills = {{
    {"cubicleButton", u"キュービクル", ColFrom1, ColFrom2},
    {"electricRoomButton", u"電気室", ColFrom1, ColFrom2},
    {"lightingPanelButton", u"電灯分電盤 ", ColTo1, ColTo2},
    {"powerPanelButton", u"動力分電盤 ", ColTo1, ColTo2},
    {"lightingTrunkButton", u"電灯幹線", ColPurpose, ColConstructionDate},
    {"powerTrunkButton", u"動力幹線", ColPurpose, ColConstructionDate},
}};

// The path the Enter key takes through the data fields.
inline constexpr std::array<Column, 10> kEnterChain = {
    ColFrom1, ColFrom2, ColTo1, ColTo2, ColCircuit,
    ColCableType, ColPurpose, ColConstructionDate, ColConstructor, ColManufactureYear,
};

// The field after `column` on the Enter path; empty after the last field,
// where the path ends on the register button.
constexpr std::optional<Column> nextOnEnter(Column column)
{
    for (size_t i = 0; i + 1 < kEnterChain.size(); ++i) {
        if (kEnterChain[i] == column)
            return kEnterChain[i + 1];
    }
    return std::nullopt;
}
