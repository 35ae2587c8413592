// TabSet: which tab becomes current when one leaves the bar, what may be
// current, and finding categories and plug-ins across shown and hidden tabs.
#include "category.h"
#include "main_window_fixture.h"
#include "tab_plugin.h"
#include "tab_set.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Category> StaticCategory(const std::string& name, const std::string& subKey) {
    return std::make_unique<Category>(name, nullptr, HKEY_CURRENT_USER, subKey);
}

// A bar of pages "0".."n-1" with page 'current' current.
void FillPages(TabSet& tabs, int count, int current) {
    for (int i = 0; i < count; ++i) tabs.AddShown(std::make_unique<TestPage>(std::to_string(i)));
    tabs.SetCurrent(tabs.ShownAt(current));
}

TEST(TabSet, TakingATabOffTheBarPicksTheNextCurrent) {
    struct Case {
        int count, current, taken;
        const char* currentAfter;  // name, or "" for none
    };
    const Case cases[] = {
        {3, 1, 1, "2"},  // the one that took its place
        {3, 2, 2, "1"},  // the last: the new last one
        {3, 0, 2, "0"},  // another tab: the current stays
        {1, 0, 0, ""},   // the only one: none is left
    };
    for (const Case& c : cases) {
        TabSet tabs;
        FillPages(tabs, c.count, c.current);
        std::unique_ptr<TabObject> taken = tabs.TakeShown(c.taken);
        ASSERT_NE(taken, nullptr);
        EXPECT_EQ(taken->GetName(), std::to_string(c.taken));
        EXPECT_EQ(tabs.shownCount(), c.count - 1);
        EXPECT_EQ(tabs.current() ? tabs.current()->GetName() : "", c.currentAfter)
            << c.count << " tabs, current " << c.current << ", taken " << c.taken;
    }
    TabSet tabs;
    FillPages(tabs, 2, 0);
    EXPECT_EQ(tabs.TakeShown(2), nullptr);
    EXPECT_EQ(tabs.TakeShown(-1), nullptr);
    EXPECT_EQ(tabs.shownCount(), 2);
}

TEST(TabSet, OnlyAShownTabOrNoneIsCurrent) {
    TabSet tabs;
    FillPages(tabs, 2, 1);
    auto hidden = std::make_unique<TestPage>("hidden");
    TabObject* hiddenPage = hidden.get();
    tabs.AddHidden(std::move(hidden));
    EXPECT_FALSE(tabs.SetCurrent(hiddenPage));
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_TRUE(tabs.SwapShown(0, 1));
    EXPECT_EQ(tabs.currentIndex(), 0) << "the current tab moves with its place";
    EXPECT_FALSE(tabs.SwapShown(0, 2));
    EXPECT_TRUE(tabs.SetCurrent(nullptr));
    EXPECT_EQ(tabs.currentIndex(), -1);

    // Taken from the hidden tabs and put back on the bar.
    tabs.InsertShown(1, tabs.TakeHidden(0));
    EXPECT_TRUE(tabs.hidden().empty());
    EXPECT_EQ(tabs.IndexOfShown(hiddenPage), 1);
}

TEST(TabSet, FindsCategoriesAndPluginsShownFirstIgnoringCase) {
    TabSet tabs;
    tabs.AddHidden(StaticCategory("Hidden", "Software\\Tabs\\Same"));
    tabs.AddShown(std::make_unique<TestPage>("Page"));
    tabs.AddShown(StaticCategory("Shown", "Software\\Tabs\\Same"));
    auto lookup = std::make_unique<Category>("Looked up", nullptr, HKEY_CURRENT_USER, "");
    lookup->model().key.dynamic = true;
    lookup->model().key.dllFile = "CardKey.dll";
    lookup->model().key.parameter = "OpenGL";
    tabs.AddHidden(std::move(lookup));
    tabs.AddHidden(std::make_unique<TabPlugin>("Gone_Tab.dll", nullptr));

    Category* byKey = tabs.FindCategoryByKey(HKEY_CURRENT_USER, "SOFTWARE\\tabs\\same");
    ASSERT_NE(byKey, nullptr);
    EXPECT_EQ(byKey->GetName(), "Shown");
    EXPECT_EQ(tabs.FindCategoryByKey(HKEY_LOCAL_MACHINE, "Software\\Tabs\\Same"), nullptr);
    Category* byLookup = tabs.FindCategoryByLookup("cardkey.DLL", "opengl");
    ASSERT_NE(byLookup, nullptr);
    EXPECT_EQ(byLookup->GetName(), "Looked up");
    EXPECT_EQ(tabs.FindCategoryByLookup("CardKey.dll", "Direct3D"), nullptr);
    ASSERT_NE(tabs.FindPlugin("GONE_tab.DLL"), nullptr);
    EXPECT_EQ(tabs.FindPlugin("Other_Tab.dll"), nullptr);

    std::vector<std::string> all, shown;
    for (Category* category : tabs.Categories()) all.push_back(category->GetName());
    for (Category* category : tabs.Categories(false)) shown.push_back(category->GetName());
    EXPECT_EQ(all, (std::vector<std::string>{"Shown", "Hidden", "Looked up"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"Shown"}));
    EXPECT_EQ(tabs.All().size(), 5u);
}

}  // namespace
