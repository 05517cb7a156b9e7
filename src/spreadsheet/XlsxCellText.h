#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// How a cell of an .xlsx file reads as a record sheet text.
namespace XlsxCellText {

// The shortest text that reads back as the same number, without an exponent
// in the range people type: 1 → "1", 1.5 → "1.5", 0.1 → "0.1".
QString number(double value);

// Whether a number format shows a date: built-in ids of dates, or a format
// code with year, day or era parts.
bool isDateFormat(int numberFormatId, QStringView formatCode);

// The day a date serial stands for (its time of day dropped); nothing for a
// serial before the first day of the workbook's date system.
std::optional<QDate> dateOfSerial(double serial, bool dates1904);

// The era date text the entry form writes: 令和8年12月10日.
QString eraDate(const QDate& date);

// Undoes the format's escapes of characters XML cannot hold: _x000D_ is a CR.
QString unescape(QString text);

} // namespace XlsxCellText
