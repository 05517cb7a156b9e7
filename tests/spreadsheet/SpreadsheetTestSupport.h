#pragma once

#include "sheet/RecordSheet.h"
#include "spreadsheet/CellAddress.h"
#include "spreadsheet/Workbook.h"

#include <QString>
#include <gtest/gtest.h>

#include <ostream>

// Readable values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const Border& border, std::ostream* os)
{
    *os << "Border{weight " << int(border.weight) << ", style " << int(border.style) << '}';
}

inline CellAddress at(const char* a1) { return CellAddress::parse(QString::fromLatin1(a1)); }
inline QString text(const Worksheet& sheet, const char* a1) { return sheet.text(at(a1)); }

inline Border line(BorderWeight weight) { return {weight, LineStyle::Continuous}; }

// A record sheet whose record rows hold the given records from row 1 on.
inline RecordSheet recordsOf(std::initializer_list<Record> records, int count = -1)
{
    RecordSheet sheet;
    int row = 1;
    for (const Record& record : records) {
        if (row >= sheet.rowCount())
            sheet.setRowCount(row + 1);
        sheet.editRow(row++) = record;
    }
    sheet.recordCount = count >= 0 ? count : int(records.size());
    return sheet;
}

// n numbered records whose every text names its record: "r<n>c<column>".
inline RecordSheet numberedRecords(int n)
{
    RecordSheet sheet;
    sheet.setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        Record& record = sheet.editRow(r);
        record[ColNumber] = QString::number(r);
        for (int c = 1; c < kColumnCount; ++c)
            record[static_cast<size_t>(c)] = QStringLiteral("r%1c%2").arg(r).arg(c);
    }
    sheet.recordCount = n;
    return sheet;
}

// Counts the steps a build reports.
struct StepCounter {
    int steps = 0;
    ProgressStep callback() { return [this] { ++steps; }; }
};
