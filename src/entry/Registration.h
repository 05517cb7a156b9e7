#pragma once

#include "EntryRecord.h"
#include "sheet/RecordSheet.h"

// The previous-entry store `ed`: the data fields of the last registered record.
using PreviousEntries = FieldTexts;

enum class RegisterOutcome {
    NothingToStore, // the fields that make a record were all empty: nothing changed
    Written,        // the record is in the sheet
};

struct RegisterResult {
    RegisterOutcome outcome = RegisterOutcome::NothingToStore;
    int row = 0;            // the row to write
    bool newRecord = false; // it takes the next record number
    Record texts;           // the data texts to write, made single-line
};

// True when the seven fields a record is recognised by are all empty; the
// second from/to names and the circuit number alone do not make a record.
bool isBlankForRegister(const FieldTexts& fields);

// Where and what the form's record registers into the sheet; the document's
// registerRecord then writes it. Unless the record is blank, the store `ed`
// takes the fields first. The record goes into the row of its number
// when that is an existing record (1..recordCount); any other number makes it
// a new record in the first row after both the last record and the last row
// holding any text, numbered by its row. A row past the end of the sheet is
// added. Line breaks in the fields are made single-line first. Throws Failure,
// with the store already updated, when the number label is not a decimal
// integer or the row would exceed kMaxRowCount.
RegisterResult planRegistration(const RecordSheet& sheet, PreviousEntries& ed, const EntryRecord& entry);
