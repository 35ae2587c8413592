// Rules of the main window's frame that need no Windows headers: the size
// limits of a page, clamping a dragged window rectangle to them, the tab
// context menu and the current tab after one is taken off the bar.
#pragma once

#include "menu_entry.h"

#include <cstdint>
#include <string>
#include <vector>

// Window edges being dragged, with the values of WM_SIZING's wParam.
enum DragEdge : uint32_t {
    kEdgeLeft = 1,
    kEdgeRight = 2,
    kEdgeTop = 3,
    kEdgeTopLeft = 4,
    kEdgeTopRight = 5,
    kEdgeBottom = 6,
    kEdgeBottomLeft = 7,
    kEdgeBottomRight = 8,
};

struct DragRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct SizeLimits {
    int32_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
};

// What a page asks for before it reports its own limits.
constexpr int32_t kUnlimitedPageSize = 0x70000000;
// Toolbar and tab bar above the page, status bar below it.
constexpr int32_t kFrameChromeHeight = 64 + 20;
constexpr int32_t kMinimumFrameWidth = 128;

// Client-area limits of the frame from a page's limits: at least 128 wide,
// the bars added to the heights, maxima never below minima.
SizeLimits FrameLimitsFromPage(int32_t pageMinWidth, int32_t pageMinHeight, int32_t pageMaxWidth,
                               int32_t pageMaxHeight);

// Moves the dragged edges of 'rect' so its size lies within the window-size
// limits; edges that are not being dragged stay where they are.
void ClampDraggedRect(DragRect& rect, uint32_t edge, const SizeLimits& windowLimits);

// The context menu of the tab at 'clickedTab' of 'tabCount' tabs; currentTab
// is the current tab's index or -1.
std::vector<MenuEntry> BuildTabMenu(int clickedTab, int tabCount, int currentTab,
                                    const std::string& tabName);

// The index of the tab that becomes current when the tab at 'removedIndex'
// leaves a bar that keeps 'remainingCount' tabs; -1 when none is left.
int CurrentIndexAfterRemoval(int removedIndex, int remainingCount);

// Whether the command line asks to start hidden in the notification area.
bool WantsStartMinimized(const std::string& commandLine);
