#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <array>

// The main window's geometry rules as plain arithmetic, so they can be checked
// without a window.
namespace MainWindowRules {

inline constexpr int kInitialClientWidth = 1082;
inline constexpr int kInitialClientHeight = 600;
inline constexpr int kSheetLeft = 11;
inline constexpr int kSheetTop = 45;
inline constexpr int kSheetBottomGap = 10;
inline constexpr int kCompanyPanelLeft = 655;
inline constexpr int kCompanyPanelWidth = 410;
inline constexpr int kRowHeight = 24;
// One row plus the grid's frame: the sheet never gets lower than this.
inline constexpr int kMinSheetHeight = kRowHeight + 2;

using ColumnWidths = std::array<int, 11>;

// The widths the sheet gets when the window is created.
inline constexpr ColumnWidths kCreationColumnWidths{40, 75, 75, 75, 75, 60, 150, 150, 90, 150, 90};

// The client width every resize snaps back to (the company panel's right edge
// plus the sheet's left margin).
constexpr int clientWidth() { return kCompanyPanelLeft + kCompanyPanelWidth + kSheetLeft; }

constexpr int sheetWidth() { return kCompanyPanelLeft + kCompanyPanelWidth - kSheetLeft; }

// The sheet ends a small gap above the bottom of the client area, but always
// keeps one row visible.
constexpr int sheetHeight(int clientHeight)
{
    const int height = clientHeight - kSheetTop - kSheetBottomGap;
    return height < kMinSheetHeight ? kMinSheetHeight : height;
}

// The window's lowest client height: the one that still leaves one row.
constexpr int minimumClientHeight() { return kSheetTop + kMinSheetHeight + kSheetBottomGap; }

// Column widths after a resize: the room beyond 1070 pixels is shared out
// equally (truncating toward zero, so it can be negative).
constexpr ColumnWidths columnWidthsForSheetWidth(int width)
{
    const int p = (width - 1070) / 11;
    return {p + 40, p + 75, p + 75, p + 75, p + 75, p + 60, p + 150, p + 150, p + 90, p + 150, p + 96};
}

// Where a maximised window goes instead: its width stays fixed and its
// height fills the screen's available area; the frame keeps its left edge
// unless it would then stick out of the area. Returns the client rectangle.
constexpr QRect heightOnlyMaximised(QRect available, QRect frame, QMargins frameMargins)
{
    const int frameWidth = frameMargins.left() + clientWidth() + frameMargins.right();
    const int rightmost = std::max(available.left(), available.left() + available.width() - frameWidth);
    const int left = std::clamp(frame.left(), available.left(), rightmost);
    return {left + frameMargins.left(), available.top() + frameMargins.top(), clientWidth(),
            available.height() - frameMargins.top() - frameMargins.bottom()};
}

// Where the pop-up menu opens for a right-button release at sheetPoint (in the
// grid's own pixels): offset from the window's outer corner and the grid's
// place in the client area, plus a fixed nudge below and right of the pointer.
constexpr QPoint popupScreenPoint(QPoint sheetPoint, QPoint windowOuterTopLeft, QPoint sheetTopLeft)
{
    return sheetPoint + windowOuterTopLeft + sheetTopLeft + QPoint(20, 40);
}

} // namespace MainWindowRules
