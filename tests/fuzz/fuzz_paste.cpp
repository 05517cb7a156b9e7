// Paste of clipboard text: the sheet grows only as far as the lines need and
// never past the cap; a refused paste changes nothing.
#include "FuzzCheck.h"
#include "sheet/Failure.h"
#include "sheet/SheetEditing.h"
#include "sheet/TextCodec.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    // The first three bytes choose the start row: near the top, or close to
    // the cap when the third byte is 0xFF (a whole-sheet grow is slow to fuzz).
    const int offset = data[0] << 8 | data[1];
    const int startRow = data[2] == 0xFF ? kMaxRowCount - offset % 64 : 1 + offset % 512;
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data + 3), static_cast<qsizetype>((size - 3) / 2));
    RecordSheet sheet;
    sheet.editRow(1)[3] = u"kept"_qs;
    const RecordSheet before = sheet;
    const auto lineCount = static_cast<int>(TextCodec::splitLines(text).size());
    try {
        SheetEditing::paste(sheet, startRow, text);
    } catch (const Failure&) {
        FUZZ_CHECK(sheet == before);
        FUZZ_CHECK(startRow + lineCount > kMaxRowCount);
        return 0;
    }
    FUZZ_CHECK(sheet.rowCount() <= kMaxRowCount);
    FUZZ_CHECK(sheet.rowCount() == std::max(before.rowCount(), lineCount == 0 ? 0 : startRow + lineCount));
    FUZZ_CHECK(sheet.row(0) == before.row(0));
    return 0;
}
