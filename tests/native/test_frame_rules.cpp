// Frame size limits, dragging against them, the tab menu and the current tab
// after a tab leaves the bar.
#include "frame_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(FrameLimits, RaiseWidthAddBarsAndKeepMaximaAboveMinima) {
    SizeLimits none = FrameLimitsFromPage(0, 0, kUnlimitedPageSize, kUnlimitedPageSize);
    EXPECT_EQ(none.minWidth, 128);
    EXPECT_EQ(none.minHeight, 84);
    EXPECT_EQ(none.maxWidth, kUnlimitedPageSize);
    EXPECT_EQ(none.maxHeight, kUnlimitedPageSize + 84);

    SizeLimits page = FrameLimitsFromPage(300, 200, 100, 50);
    EXPECT_EQ(page.minWidth, 300);
    EXPECT_EQ(page.minHeight, 284);
    EXPECT_EQ(page.maxWidth, 300) << "a maximum below the minimum is raised";
    EXPECT_EQ(page.maxHeight, 284);

    // A page asking for the largest int must not wrap the height around.
    SizeLimits huge = FrameLimitsFromPage(0, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(huge.minHeight, INT_MAX);
    EXPECT_EQ(huge.maxHeight, INT_MAX);
}

TEST(FrameLimits, DraggedEdgeStopsAtTheLimitsAndOthersStay) {
    const SizeLimits limits{200, 150, 800, 600};
    struct Case {
        uint32_t edge;
        DragRect dragged;
        DragRect expected;
    } cases[] = {
        // too narrow: the dragged side is pushed out again
        {kEdgeRight, {10, 10, 60, 300}, {10, 10, 210, 300}},
        {kEdgeBottomRight, {10, 10, 60, 40}, {10, 10, 210, 160}},
        {kEdgeLeft, {10, 10, 60, 300}, {-140, 10, 60, 300}},
        {kEdgeTopLeft, {10, 10, 60, 40}, {-140, -110, 60, 40}},
        {kEdgeTop, {0, 100, 300, 120}, {0, -30, 300, 120}},
        {kEdgeBottomLeft, {100, 0, 120, 20}, {-80, 0, 120, 150}},
        {kEdgeTopRight, {0, 100, 20, 120}, {0, -30, 200, 120}},
        // too wide or tall: pulled in
        {kEdgeRight, {0, 0, 1000, 300}, {0, 0, 800, 300}},
        {kEdgeBottom, {0, 0, 300, 1000}, {0, 0, 300, 600}},
        {kEdgeLeft, {0, 0, 1000, 300}, {200, 0, 1000, 300}},
        // within the limits nothing moves
        {kEdgeBottomRight, {5, 5, 405, 305}, {5, 5, 405, 305}},
        // the bottom edge alone never changes the width
        {kEdgeBottom, {0, 0, 50, 300}, {0, 0, 50, 300}},
    };
    for (const Case& c : cases) {
        DragRect rect = c.dragged;
        ClampDraggedRect(rect, c.edge, limits);
        SCOPED_TRACE(testing::Message() << "edge " << c.edge);
        EXPECT_EQ(rect.left, c.expected.left);
        EXPECT_EQ(rect.top, c.expected.top);
        EXPECT_EQ(rect.right, c.expected.right);
        EXPECT_EQ(rect.bottom, c.expected.bottom);
    }
}

TEST(TabMenu, EntriesAndTheirGreyedConditions) {
    auto menu = BuildTabMenu(0, 3, 1, "Direct3D & more");
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].text, "Add category ...");
    EXPECT_EQ(menu[0].id, 40003u);
    EXPECT_TRUE(menu[1].text.empty());
    EXPECT_EQ(menu[2].text, "<--- Move tab one step left");
    EXPECT_TRUE(menu[2].grayed) << "the first tab cannot move left";
    EXPECT_EQ(menu[3].text, "Move tab one step right --->");
    EXPECT_FALSE(menu[3].grayed);
    EXPECT_EQ(menu[4].text, "Exchange position with current tab");
    EXPECT_FALSE(menu[4].grayed);
    EXPECT_EQ(menu[5].text, "Hide \"Direct3D && more\"");
    EXPECT_EQ(menu[5].id, 4003u);

    auto last = BuildTabMenu(2, 3, 2, "x");
    EXPECT_FALSE(last[2].grayed);
    EXPECT_TRUE(last[3].grayed) << "the last tab cannot move right";
    EXPECT_TRUE(last[4].grayed) << "the current tab cannot exchange with itself";
    EXPECT_FALSE(last[5].grayed);

    auto only = BuildTabMenu(0, 1, -1, "x");
    EXPECT_TRUE(only[2].grayed);
    EXPECT_TRUE(only[3].grayed);
    EXPECT_FALSE(only[4].grayed) << "with no current tab there is nothing to compare";
}

TEST(TabRemoval, NextCurrentIsTheSameIndexOrTheNewLast) {
    EXPECT_EQ(CurrentIndexAfterRemoval(1, 3), 1);
    EXPECT_EQ(CurrentIndexAfterRemoval(3, 3), 2) << "removing the last makes its left one current";
    EXPECT_EQ(CurrentIndexAfterRemoval(0, 0), -1) << "removing the only tab leaves none";
}

TEST(CommandLine, MinimizeSwitchIsCaseSensitiveAndFoundAnywhere) {
    EXPECT_TRUE(WantsStartMinimized("-minimize"));
    EXPECT_TRUE(WantsStartMinimized("foo -minimize bar"));
    EXPECT_TRUE(WantsStartMinimized("x-minimizes"));
    EXPECT_FALSE(WantsStartMinimized("-MINIMIZE"));
    EXPECT_FALSE(WantsStartMinimized("-Minimize"));
    EXPECT_FALSE(WantsStartMinimized(""));
}

}  // namespace
