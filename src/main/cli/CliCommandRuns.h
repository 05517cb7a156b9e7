#pragma once

#include "CliCommandLine.h"

#include <QTextStream>

// The commands of tagrio-cli, each writing its result to out and returning
// the exit status; they throw Failure (status 1) or UsageError (status 2).
// The table in CliCommands.cpp names them.
int runDump(const CliCommandLine& line, QTextStream& out);
int runSave(const CliCommandLine& line, QTextStream& out);
int runTexts(const CliCommandLine& line, QTextStream& out);
int runCatalogue(const CliCommandLine& line, QTextStream& out);
int runXlsx(const CliCommandLine& line, QTextStream& out);
int runPdf(const CliCommandLine& line, QTextStream& out);
int runImport(const CliCommandLine& line, QTextStream& out);
int runExport(const CliCommandLine& line, QTextStream& out);
int runCheck(const CliCommandLine& line, QTextStream& out);
