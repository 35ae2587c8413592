#include "frame_rules.h"

#include "menu_text.h"

#include <algorithm>
#include <limits>

namespace {

// Pages report their limits as plain ints; adding the bars must not wrap.
int32_t AddChrome(int32_t height) {
    int64_t total = static_cast<int64_t>(height) + kFrameChromeHeight;
    return static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
}

bool MovesRightEdge(uint32_t edge) {
    return edge == kEdgeRight || edge == kEdgeTopRight || edge == kEdgeBottomRight;
}
bool MovesLeftEdge(uint32_t edge) {
    return edge == kEdgeLeft || edge == kEdgeTopLeft || edge == kEdgeBottomLeft;
}
bool MovesBottomEdge(uint32_t edge) {
    return edge == kEdgeBottom || edge == kEdgeBottomLeft || edge == kEdgeBottomRight;
}
bool MovesTopEdge(uint32_t edge) {
    return edge == kEdgeTop || edge == kEdgeTopLeft || edge == kEdgeTopRight;
}

// Sets the extent [low, high] to 'size' by moving whichever edge is dragged.
void SetExtent(int32_t& low, int32_t& high, int32_t size, bool movesHigh, bool movesLow) {
    if (movesHigh)
        high = low + size;
    else if (movesLow)
        low = high - size;
}

void ClampExtent(int32_t& low, int32_t& high, int32_t minimum, int32_t maximum, bool movesHigh,
                 bool movesLow) {
    int64_t size = static_cast<int64_t>(high) - low;
    if (size < minimum)
        SetExtent(low, high, minimum, movesHigh, movesLow);
    else if (size > maximum)
        SetExtent(low, high, maximum, movesHigh, movesLow);
}

}  // namespace

SizeLimits FrameLimitsFromPage(int32_t pageMinWidth, int32_t pageMinHeight, int32_t pageMaxWidth,
                               int32_t pageMaxHeight) {
    SizeLimits limits;
    limits.minWidth = std::max(pageMinWidth, kMinimumFrameWidth);
    limits.minHeight = AddChrome(pageMinHeight);
    limits.maxHeight = AddChrome(pageMaxHeight);
    limits.maxWidth = std::max(pageMaxWidth, limits.minWidth);
    limits.maxHeight = std::max(limits.maxHeight, limits.minHeight);
    return limits;
}

void ClampDraggedRect(DragRect& rect, uint32_t edge, const SizeLimits& windowLimits) {
    ClampExtent(rect.left, rect.right, windowLimits.minWidth, windowLimits.maxWidth,
                MovesRightEdge(edge), MovesLeftEdge(edge));
    ClampExtent(rect.top, rect.bottom, windowLimits.minHeight, windowLimits.maxHeight,
                MovesBottomEdge(edge), MovesTopEdge(edge));
}

std::vector<MenuEntry> BuildTabMenu(int clickedTab, int tabCount, int currentTab,
                                    const std::string& tabName) {
    std::string shownName = EscapeMenuText(tabName);
    return {
        {"Add category ...", 40003, false},
        {"", 0, false},
        {"<--- Move tab one step left", 4000, clickedTab <= 0},
        {"Move tab one step right --->", 4001, clickedTab >= tabCount - 1},
        {"Exchange position with current tab", 4002, clickedTab == currentTab},
        {"Hide \"" + shownName + "\"", 4003, false},
    };
}

int CurrentIndexAfterRemoval(int removedIndex, int remainingCount) {
    if (remainingCount <= 0) return -1;
    return std::min(removedIndex, remainingCount - 1);
}

bool WantsStartMinimized(const std::string& commandLine) {
    return commandLine.find("-minimize") != std::string::npos;
}
