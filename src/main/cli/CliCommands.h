#pragma once

#include <QStringList>
#include <QTextStream>

// Runs tagrio-cli on its whole command line (program name first): the result
// on out, messages and usage on err. Returns the exit status: 0 done, 1 the
// operation failed, 2 the command line was not understood.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);
