#pragma once

#include "sheet/RecordSheet.h"

#include <QString>

// A sheet of rowCount rows whose first `records` rows hold realistic records
// with all ten columns filled, the same every run.
RecordSheet realisticSheet(int records, int rowCount);
// Clipboard text of `records` tab-separated record lines, numbered from the end
// so that a sort has real work to do.
QString realisticClipboard(int records);
