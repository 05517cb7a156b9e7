#include "CliContext.h"

#include "sheet/RecordFile.h"

#include <QCoreApplication>

CliContext CliContext::from(const CliArguments& args, const QString& recordFile)
{
    CliContext context;
    const QString settingsPath = args.has(QStringLiteral("settings"))
        ? args.option(QStringLiteral("settings"))
        : SettingsFile::pathFor(QCoreApplication::applicationDirPath());
    SettingsFile::load(settingsPath, context.settings);
    context.companyName = context.settings.companyName();
    context.today = EraDate::forDate(args.today());
    if (!recordFile.isEmpty())
        RecordFile::load(recordFile, context.companyName, context.sheet);
    return context;
}

TextOrder textOrderOption(const CliArguments& args)
{
    const QString order = args.option(QStringLiteral("order"), QStringLiteral("standard"));
    if (order == u"standard")
        return TextOrder::Standard;
    if (order == u"from-to")
        return TextOrder::FromTo;
    if (order == u"to-from")
        return TextOrder::ToFrom;
    throw UsageError("--order must be standard, from-to or to-from");
}
