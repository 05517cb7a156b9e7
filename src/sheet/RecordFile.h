#pragma once

#include "RecordSheet.h"

#include <QByteArray>
#include <QString>

// The record file (.kav): company name, record count, row count, then one
// comma-text line per sheet row, header row first.
namespace RecordFile {

// Replaces companyName, sheet.recordCount, the row count and every cell from
// the file at path. Throws Failure with the user's message; what was already
// taken from the file before the failing line stays taken.
// Every failure names the file and the reason ("ファイル %s は開けません。 %s "),
// a fault in a line with the line's number (from 1).
void load(const QString& path, QString& companyName, RecordSheet& sheet);
// load for a recovery copy: any fault is reported as a damaged copy.
void loadRecoveryCopy(const QString& path, QString& companyName, RecordSheet& sheet);
// The same from bytes already read; a fault gives its own words only.
void loadFromBytes(const QByteArray& bytes, QString& companyName, RecordSheet& sheet);

// The path a save writes to: ".kav" is appended unless the name already ends
// in exactly "kav".
QString targetPath(const QString& chosenPath);

// Throws Failure when the company name or a cell holds CR or LF, which would
// break the file's line structure.
QByteArray serialize(const QString& companyName, const RecordSheet& sheet);
// Writes the file atomically; throws Failure when it cannot be created or written.
void save(const QString& targetPath, const QString& companyName, const RecordSheet& sheet);

} // namespace RecordFile
