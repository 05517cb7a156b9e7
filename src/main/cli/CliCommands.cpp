#include "CliCommand.h"

#include <algorithm>

namespace {

std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

} // namespace

CliRegistration::CliRegistration(const CliCommand& command) { registry().push_back(command); }

std::vector<CliCommand> cliCommands()
{
    std::vector<CliCommand> commands = registry();
    std::sort(commands.begin(), commands.end(), [](const CliCommand& a, const CliCommand& b) { return a.order < b.order; });
    return commands;
}

void requirePositional(const CliArguments& args, int min, int max)
{
    const auto n = args.positional.size();
    if (n < min || n > max)
        throw UsageError("wrong number of arguments for " + args.command.toStdString());
}

QString requireOutput(const CliArguments& args)
{
    if (!args.has(QStringLiteral("output")))
        throw UsageError(args.command.toStdString() + " needs -o OUT");
    return args.option(QStringLiteral("output"));
}
