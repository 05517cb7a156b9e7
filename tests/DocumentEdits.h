#pragma once

#include "sheet/RecordDocument.h"

#include <utility>

// Sets a list up for a test as another part of the program changes it: the
// edit works on a copy of the sheet, which the document then takes as one
// change (recorded for undo like any other).
template <typename Edit>
void editList(RecordDocument& document, Edit&& edit)
{
    RecordSheet sheet = document.sheet();
    std::forward<Edit>(edit)(sheet);
    document.replaceSheet(std::move(sheet));
}
