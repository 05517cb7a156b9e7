#pragma once

#include "CliArguments.h"

#include <QString>
#include <QTextStream>

#include <vector>

// One sub-command of tagrio-cli. run() writes its result to out and returns the
// exit status; it may throw Failure (status 1) or UsageError (status 2).
struct CliCommand {
    int order;         // position in the usage text
    const char* name;
    const char* usage; // one line, after "tagrio-cli "
    int (*run)(const CliArguments& args, QTextStream& out);
};

// A command file registers its commands with a namespace-scope object:
//   const CliRegistration registerDump{{10, "dump", "dump FILE", runDump}};
// Every file in cli/ is linked into tagrio-cli, so nothing else needs editing.
struct CliRegistration {
    explicit CliRegistration(const CliCommand& command);
};

// Every registered command, in usage order.
std::vector<CliCommand> cliCommands();

// Throws UsageError unless the command got between min and max positional arguments.
void requirePositional(const CliArguments& args, int min, int max);
// The -o OUT option, required.
QString requireOutput(const CliArguments& args);
