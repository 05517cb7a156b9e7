#pragma once

#include "CliCommandLine.h"
#include "print/PageAdjustment.h"
#include "print/PlateFrames.h"
#include "print/PlateSequence.h"

// The label stock options of tagrio-cli pdf and check. A value out of range
// or unreadable throws Failure (exit status 1) before any file is written.

// --start N, --records LIST, --copies N.
PlateSelection plateSelectionOf(const CliCommandLine& line, const RecordSheet& sheet, PlateKind kind);
// --records LIST, or every record; throws Failure when the list selects nothing.
std::vector<int> selectedRowsOf(const CliCommandLine& line, const RecordSheet& sheet);
// --offset X,Y in millimetres and --scale SX,SY in per cent.
PageAdjustment pageAdjustmentOf(const CliCommandLine& line);
