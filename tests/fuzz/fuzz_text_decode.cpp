// Decoding with byte-order-mark detection, then line splitting.
#include "FuzzCheck.h"
#include "sheet/TextCodec.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = TextCodec::decode(bytes);
    FUZZ_CHECK(text.size() <= bytes.size() + 1);

    const auto lines = TextCodec::splitLines(text);
    for (QStringView line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    // One line per break (CR LF counts once), plus a last line without one.
    const qsizetype breaks = text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n"_qs);
    const bool endsWithBreak = text.endsWith(u'\n') || text.endsWith(u'\r');
    FUZZ_CHECK(qsizetype(lines.size()) == breaks + (!text.isEmpty() && !endsWithBreak ? 1 : 0));
    return 0;
}
