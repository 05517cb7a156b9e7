// CSV text as a table file: any bytes read as a table or fail with a
// message, the records taken from it are numbered 1..n, and the list saved
// as CSV reads back as the same list.
#include "FuzzCheck.h"
#include "sheet/CsvTable.h"
#include "sheet/Failure.h"
#include "sheet/ImportedTable.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = QStringLiteral("list.csv");
    RecordSheet sheet;
    try {
        TableRows::toSheet(CsvTable::parse(bytes, path), sheet);
    } catch (const Failure& failure) {
        FUZZ_CHECK(!failure.message().isEmpty());
        return 0;
    }
    FUZZ_CHECK(sheet.recordCount >= 0 && sheet.recordCount < sheet.rowCount());
    for (int r = 1; r < sheet.rowCount(); ++r) {
        const Record& row = sheet.row(r);
        if (r > sheet.recordCount) {
            FUZZ_CHECK(isEmptyRecord(row));
            continue;
        }
        FUZZ_CHECK(row[ColNumber] == QString::number(r));
        FUZZ_CHECK(std::any_of(row.begin() + 1, row.end(), [](const QString& cell) { return !cell.isEmpty(); }));
    }

    const std::vector<Record> saved = TableRows::forSaving(sheet);
    const ImportedTable back = CsvTable::parse(CsvTable::encode(saved), path);
    FUZZ_CHECK(back.rows == saved);
    RecordSheet reopened;
    TableRows::toSheet(back, reopened);
    FUZZ_CHECK(reopened == sheet);
    return 0;
}
