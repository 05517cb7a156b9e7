#pragma once

#include "CliArguments.h"

#include <QString>
#include <QTextStream>

#include <span>

// One sub-command of tagrio-cli. run() writes its result to out and returns the
// exit status; it may throw Failure (status 1) or UsageError (status 2).
struct CliCommand {
    const char* name;
    const char* usage; // one line, after "tagrio-cli "
    int (*run)(const CliArguments& args, QTextStream& out);
};

// Every command, in the order the usage text lists them.
std::span<const CliCommand> cliCommands();

// Throws UsageError unless the command got between min and max positional arguments.
void requirePositional(const CliArguments& args, int min, int max);
