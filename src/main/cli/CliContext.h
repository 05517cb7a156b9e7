#pragma once

#include "CliArguments.h"
#include "sheet/EraDate.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

// What the window would hold when a command runs: the loaded record file, the
// settings (company name f0 and captions), today's era date and the options.
struct CliContext {
    QString companyName;
    RecordSheet sheet;
    Settings settings = Settings::defaults();
    EraDate today;

    // Loads the record file named (when not empty), the settings and the date.
    static CliContext from(const CliArguments& args, const QString& recordFile);
};

TextOrder textOrderOption(const CliArguments& args);
