#include "CliCommand.h"

#include <array>

extern const CliCommand kDumpCommand;
extern const CliCommand kSaveCommand;
extern const CliCommand kTextsCommand;

std::span<const CliCommand> cliCommands()
{
    static const std::array commands = {
        kDumpCommand,
        kSaveCommand,
        kTextsCommand,
    };
    return commands;
}

void requirePositional(const CliArguments& args, int min, int max)
{
    const auto n = args.positional.size();
    if (n < min || n > max)
        throw UsageError("wrong number of arguments for " + args.command.toStdString());
}
