#pragma once

#include "RecordSheet.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// One sheet row as one line of a record file: the cells joined by commas,
// quoted where a reader would otherwise split or trim them.
namespace CommaText {

QString writeRow(const Record& row);
QString writeFields(const QStringList& fields);

// Splits a line into its fields.
QStringList readFields(QStringView line);
// Fills row from a line: field k into column k, later fields dropped,
// columns without a field left empty.
void readRow(QStringView line, Record& row);

} // namespace CommaText
