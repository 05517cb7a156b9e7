#pragma once

#include "sheet/EraDate.h"
#include "sheet/RecordSheet.h"

#include <QString>
#include <array>

// The ten texts of a record that the form edits (record columns 1..10).
// Indexed by record column through at(), so callers never do the -1 by hand.
struct FieldTexts {
    static constexpr int kCount = kColumnCount - 1;
    std::array<QString, kCount> texts;

    QString& at(Column column) { return texts[static_cast<size_t>(column - ColFrom1)]; }
    const QString& at(Column column) const { return texts[static_cast<size_t>(column - ColFrom1)]; }

    friend bool operator==(const FieldTexts&, const FieldTexts&) = default;
};

// What the form shows for one record: the number label and the data fields.
struct EntryRecord {
    QString numberLabel;
    FieldTexts fields;
};

// The data field columns in record order, for loops over the form's fields.
inline constexpr std::array<Column, FieldTexts::kCount> kDataColumns = {
    ColFrom1, ColFrom2, ColTo1, ColTo2, ColCircuit,
    ColCableType, ColPurpose, ColConstructionDate, ColConstructor, ColManufactureYear,
};

// The form's contents for sheet row `row`: its number (or the next free one
// when the row is unnumbered) and its texts, with today's date, the company
// name and the era year proposed where the row leaves those empty. A row
// outside the sheet reads as an empty row.
EntryRecord entryForRow(const RecordSheet& sheet, int row, const EraDate& today, const QString& companyName);
