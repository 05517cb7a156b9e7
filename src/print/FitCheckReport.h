#pragma once

#include "OutputOptions.h"
#include "PlateFrames.h"

#include <QString>

#include <vector>

// はみ出し確認 on demand: the records the options choose, checked on each of
// `kinds` (one kind, or all three). Each kind is named with its finding:
// everything fits, or the texts that do not, one line each. Where on the
// stock the plates would start does not change what fits, so a start past a
// kind's sheet does not stop its check; a record choice or copy count that
// makes no plates is told instead of any finding.
QString fitCheckReport(const OutputOptions& options, const RecordSheet& sheet, const std::vector<PlateKind>& kinds);
