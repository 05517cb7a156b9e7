#include "entry/EntryShortcuts.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(EntryShortcuts, RepeatButtonsTogetherCoverEveryDataColumnOnceInOrder)
{
    // "全て前回と同じ" runs every repeat button, so it restores all ten fields.
    int expected = ColFrom1;
    for (const RepeatButton& button : kRepeatButtons) {
        EXPECT_EQ(button.first, expected) << button.objectName;
        EXPECT_LE(button.first, button.last) << button.objectName;
        expected = button.last + 1;
    }
    EXPECT_EQ(expected, kColumnCount);
}

TEST(EntryShortcuts, EnterPathVisitsEveryDataFieldOnceAndEndsAfterManufactureYear)
{
    std::set<int> visited;
    std::optional<Column> column = ColFrom1;
    Column last = ColFrom1;
    while (column) {
        EXPECT_TRUE(visited.insert(*column).second) << "visited twice: " << *column;
        last = *column;
        column = nextOnEnter(*column);
    }
    EXPECT_EQ(visited.size(), 10u);
    EXPECT_EQ(last, ColManufactureYear);
    EXPECT_EQ(nextOnEnter(ColCircuit), ColCableType);
    EXPECT_EQ(nextOnEnter(ColManufactureYear), std::nullopt);
}

} // namespace
