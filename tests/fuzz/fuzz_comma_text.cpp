// Comma text: any line reads without failing; any row written and read back
// returns its cells.
#include "FuzzCheck.h"
#include "sheet/CommaText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), static_cast<qsizetype>(size / 2));
    const QStringList fields = CommaText::readFields(input);
    FUZZ_CHECK(fields.size() <= input.size() + 1);

    // The input as eleven cells, split at U+001F.
    Record row{};
    const QStringList parts = input.split(QChar(0x1F));
    for (qsizetype i = 0; i < parts.size() && i < kColumnCount; ++i)
        row[static_cast<size_t>(i)] = parts[i];
    Record back{};
    CommaText::readRow(CommaText::writeRow(row), back);
    FUZZ_CHECK(back == row);
    return 0;
}
