#pragma once

#include "CliCommandLine.h"
#include "print/OutputOptions.h"
#include "print/PlateFrames.h"

#include <memory>

// tagrio-cli's output options as the one options value the window's output
// panel fills too: --order, --no-box, --start, --records, --copies, --offset
// and --scale, with the captions of the document's settings. A value that
// cannot be read, or that the plates refuse, throws Failure (exit status 1)
// naming its option, before any file is written.
OutputOptions outputOptionsOf(const CliCommandLine& line, const RecordDocument& document);
// --offset X,Y in millimetres and --scale SX,SY in per cent.
PageAdjustment pageAdjustmentOf(const CliCommandLine& line);

// The printed plates of kind `kind` that options make of sheet.
std::unique_ptr<PlatePrint> platesOf(const OutputOptions& options, const RecordSheet& sheet, PlateKind kind);

// The plate kind of a print output named a, b-trunk or b-branch.
PlateKind plateKindOf(OutputKind kind);
