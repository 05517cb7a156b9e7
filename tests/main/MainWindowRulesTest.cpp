#include "main/MainWindowRules.h"

#include <gtest/gtest.h>

using namespace MainWindowRules;

TEST(MainWindowRules, ColumnWidthsShareTheRoomBeyond1070Pixels)
{
    struct Case {
        int sheetWidth;
        ColumnWidths widths;
    };
    const Case cases[] = {
        // The window's own sheet width: the room is negative and truncates toward zero.
        {1054, {39, 74, 74, 74, 74, 59, 149, 149, 89, 149, 95}},
        {1070, {40, 75, 75, 75, 75, 60, 150, 150, 90, 150, 96}},
        {1080, {40, 75, 75, 75, 75, 60, 150, 150, 90, 150, 96}},
        {1081, {41, 76, 76, 76, 76, 61, 151, 151, 91, 151, 97}},
        {1048, {38, 73, 73, 73, 73, 58, 148, 148, 88, 148, 94}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(columnWidthsForSheetWidth(c.sheetWidth), c.widths) << "sheet width " << c.sheetWidth;
}

TEST(MainWindowRules, WidthSnapsToTheCompanyPanelsRightEdge)
{
    EXPECT_EQ(clientWidth(), 1076);
    EXPECT_EQ(sheetWidth(), 1054);
}

TEST(MainWindowRules, SheetHeightFollowsTheClientButKeepsOneRow)
{
    EXPECT_EQ(sheetHeight(600), 545);
    EXPECT_EQ(sheetHeight(1000), 945);
    EXPECT_EQ(sheetHeight(81), 26);
    EXPECT_EQ(sheetHeight(60), kMinSheetHeight);
    EXPECT_EQ(sheetHeight(0), kMinSheetHeight);
    EXPECT_EQ(sheetHeight(minimumClientHeight()), kMinSheetHeight);
}

TEST(MainWindowRules, PopupOpensBelowRightOfThePointerByTheWindowsOffsets)
{
    // Window outer corner at (100, 50), sheet at (11, 45) in the client area.
    EXPECT_EQ(popupScreenPoint({30, 60}, {100, 50}, {11, 45}), QPoint(30 + 100 + 11 + 20, 60 + 50 + 45 + 40));
    EXPECT_EQ(popupScreenPoint({0, 0}, {0, 0}, {11, 45}), QPoint(31, 85));
    EXPECT_EQ(popupScreenPoint({5, 7}, {-200, -10}, {11, 45}), QPoint(-164, 82));
}

TEST(MainWindowRules, MaximisingGrowsOnlyTheHeight)
{
    struct Case {
        const char* what;
        QRect available;
        QRect frame;
        QMargins margins;
        QRect client;
    };
    const QMargins frameMargins(4, 28, 4, 4);
    const Case cases[] = {
        {"1366x768 under a panel", {0, 32, 1366, 736}, {100, 200, 1084, 632}, frameMargins, {104, 60, 1076, 704}},
        {"past the right edge moves left", {0, 0, 1366, 768}, {1000, 0, 1084, 632}, frameMargins, {286, 28, 1076, 736}},
        {"left of the area moves right", {1366, 0, 1400, 1000}, {0, 0, 1084, 632}, frameMargins, {1370, 28, 1076, 968}},
        {"a screen narrower than the window: its left edge", {0, 0, 1024, 768}, {300, 0, 1084, 632}, frameMargins,
         {4, 28, 1076, 736}},
        {"no frame", {0, 0, 1400, 1000}, {50, 50, 1076, 600}, {}, {50, 0, 1076, 1000}},
    };
    for (const Case& c : cases) {
        const QRect client = heightOnlyMaximised(c.available, c.frame, c.margins);
        EXPECT_EQ(client, c.client) << c.what << ": " << client.x() << "," << client.y() << " " << client.width()
                                    << "x" << client.height();
    }
}
