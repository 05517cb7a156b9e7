// The settings load: at most seven lines taken, and a save loads back the same.
#include "FuzzCheck.h"
#include "sheet/SettingsFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Settings settings = Settings::defaults();
    SettingsFile::loadFromBytes(bytes, settings);
    for (const QString& line : settings.lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));

    Settings back = Settings::defaults();
    SettingsFile::loadFromBytes(SettingsFile::serialize(settings), back);
    FUZZ_CHECK(back.lines == settings.lines);
    return 0;
}
