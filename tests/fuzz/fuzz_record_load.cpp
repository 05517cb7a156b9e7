// The whole record file load: a loaded sheet has the stated shape, and saving
// it loads back to the same sheet.
#include "FuzzCheck.h"
#include "sheet/Failure.h"
#include "sheet/RecordFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString company;
    RecordSheet sheet;
    try {
        RecordFile::loadFromBytes(bytes, company, sheet);
    } catch (const Failure&) {
        FUZZ_CHECK(sheet.rowCount() >= 1 && sheet.rowCount() <= kMaxRowCount);
        return 0;
    }
    FUZZ_CHECK(sheet.rowCount() >= 1 && sheet.rowCount() <= kMaxRowCount);
    FUZZ_CHECK(sheet.row(0) == RecordSheet::headerTexts());
    for (const SheetRow& row : sheet.rows()) {
        for (const QString& cell : row.texts())
            FUZZ_CHECK(cell != u" ");
    }

    QString companyBack;
    RecordSheet back;
    RecordFile::loadFromBytes(RecordFile::serialize(company, sheet), companyBack, back);
    FUZZ_CHECK(companyBack == company);
    FUZZ_CHECK(back == sheet);
    return 0;
}
