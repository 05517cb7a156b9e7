#include "Registration.h"

#include "sheet/Failure.h"
#include "sheet/SingleLineText.h"

#include <algorithm>

namespace {

constexpr std::array kRecognisingColumns = {
    ColFrom1, ColTo1, ColCableType, ColPurpose, ColConstructionDate, ColConstructor, ColManufactureYear,
};

// A decimal integer within 32 bits; leading blanks and a sign are accepted,
// trailing blanks are not, as a number typed into column 0 would be read.
int parseRecordNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.back().isSpace())
        throw Failure(QStringLiteral("'%1' は整数ではありません").arg(text));
    return value;
}

// The row a new record takes: after the last numbered record, and after every
// row that holds any text, so rows pasted without numbers are never replaced.
qint64 rowForNewRecord(const RecordSheet& sheet)
{
    int lastFilled = sheet.rowCount() - 1;
    while (lastFilled > 0 && isEmptyRecord(sheet.row(lastFilled)))
        --lastFilled;
    return std::max(qint64(sheet.recordCount), qint64(lastFilled)) + 1;
}

} // namespace

bool isBlankForRegister(const FieldTexts& fields)
{
    for (Column column : kRecognisingColumns) {
        if (!fields.at(column).isEmpty())
            return false;
    }
    return true;
}

RegisterResult planRegistration(const RecordSheet& sheet, PreviousEntries& ed, const EntryRecord& entry)
{
    if (isBlankForRegister(entry.fields))
        return {};
    // A record file cannot hold a line break inside a cell.
    for (Column column : kDataColumns)
        ed.at(column) = toSingleLine(entry.fields.at(column));

    RegisterResult result;
    result.outcome = RegisterOutcome::Written;
    const int number = parseRecordNumber(entry.numberLabel);
    // Numbers below 1 would point at the header row or at no row: they are
    // treated like any number that names no existing record.
    result.newRecord = number < 1 || number > sheet.recordCount;
    const qint64 targetRow = result.newRecord ? rowForNewRecord(sheet) : number;
    if (targetRow >= kMaxRowCount) {
        throw Failure(QStringLiteral("レコード %1 を書き込むと %2 行になり、扱える上限の %3 行を超えます。登録しませんでした。")
                          .arg(targetRow)
                          .arg(targetRow + 1)
                          .arg(kMaxRowCount));
    }
    result.row = static_cast<int>(targetRow);
    for (Column column : kDataColumns)
        result.texts[column] = ed.at(column);
    return result;
}
