#pragma once

#include "RecordSheet.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string_view>
#include <unordered_map>

// One sheet row as one line of a record file: the cells joined by commas,
// quoted where a reader would otherwise split or trim them.
namespace CommaText {

// Writes the row's line into line, replacing its text but keeping its
// buffer, so that one buffer serves every row of a file.
void writeRow(const Record& row, QString& line);
inline QString writeRow(const Record& row)
{
    QString line;
    writeRow(row, line);
    return line;
}
QString writeFields(const QStringList& fields);

// Hands out one shared copy of each short text it has seen. A record file
// repeats most cells down their column (constructors, dates, cable types,
// panels), and a loaded sheet of 100,000 rows would otherwise hold a million
// separate copies of a few thousand texts.
class SharedTexts {
public:
    QString text(QStringView view);

private:
    std::unordered_map<std::u16string_view, QString> texts_; // keys view their values' characters
};

// Splits a line into its fields.
QStringList readFields(QStringView line);
// Fills row from a line: field k into column k, later fields dropped,
// columns without a field left empty.
void readRow(QStringView line, Record& row);
// The same, taking each cell's text from shared.
void readRow(QStringView line, Record& row, SharedTexts& shared);

} // namespace CommaText
