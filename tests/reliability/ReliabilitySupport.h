#pragma once

#include "sheet/RecordFile.h"
#include "sheet/RecordSheet.h"

#include <QString>

#include <limits>

// A record file of `rowCount` sheet rows whose record rows 1..rowCount-1 are
// numbered and carry "鯱<n>" in the first from-name field, a text that no
// label or caption contains, so a test can count the plates made. The record
// count in line 2 is whatever the test says, however large.
inline RecordSheet platesSheet(int rowCount, int recordCount)
{
    RecordSheet sheet;
    sheet.setRowCount(rowCount);
    sheet.writeHeader();
    for (int r = 1; r < rowCount; ++r) {
        sheet.setCell(ColNumber, r, QString::number(r));
        sheet.setCell(ColFrom1, r, QStringLiteral("鯱%1").arg(r));
        sheet.setCell(ColTo1, r, QStringLiteral("分電盤"));
    }
    sheet.recordCount = recordCount;
    return sheet;
}

inline constexpr int kHugeRecordCount = std::numeric_limits<int>::max();

inline void writePlatesFile(const QString& path, int rowCount, int recordCount)
{
    RecordFile::save(path, QStringLiteral("甲電設株式会社"), platesSheet(rowCount, recordCount));
}
