// TabSet: the main window's tabs. It owns the shown tabs (in tab-bar order),
// the hidden ones and the current tab, which is one of the shown tabs or
// none. The window keeps its tab bar in step with it; imports, profiles and
// the dialogs find their categories through it.
#pragma once

#include "category_finder.h"
#include "tab_object.h"

#include <memory>
#include <string>
#include <vector>

class Category;
class TabPlugin;

class TabSet : public CategoryFinder {
public:
    using TabList = std::vector<std::unique_ptr<TabObject>>;

    TabSet() = default;
    TabSet(const TabSet&) = delete;
    TabSet& operator=(const TabSet&) = delete;

    const TabList& shown() const { return shown_; }
    const TabList& hidden() const { return hidden_; }
    TabObject* current() const { return current_; }
    Category* currentCategory() const;
    int currentIndex() const { return IndexOfShown(current_); }
    // The position of a tab on the bar; -1 when it is not shown.
    int IndexOfShown(const TabObject* tab) const;
    // The shown tab at 'index', or null outside the bar.
    TabObject* ShownAt(int index) const;
    int shownCount() const { return static_cast<int>(shown_.size()); }

    // Every tab: the shown ones in bar order, then the hidden ones.
    std::vector<TabObject*> All() const;
    // The categories in the same order; the shown ones only when asked.
    std::vector<Category*> Categories(bool includeHidden = true) const;

    // The tab plug-in loaded from this file name, or null.
    TabPlugin* FindPlugin(const std::string& fileName) const;
    Category* FindCategoryByKey(HKEY root, const std::string& subKey) const override;
    Category* FindCategoryByLookup(const std::string& dllFile,
                                   const std::string& parameter) const override;

    void AddShown(std::unique_ptr<TabObject> tab);
    void AddHidden(std::unique_ptr<TabObject> tab);
    // Makes a shown tab, or none, current. False (nothing changed) for a
    // tab that is not on the bar.
    bool SetCurrent(TabObject* tab);
    // Takes the tab at 'index' off the bar; when it was current the one that
    // took its place, else the new last one, becomes current. Null outside.
    std::unique_ptr<TabObject> TakeShown(int index);
    std::unique_ptr<TabObject> TakeHidden(int index);
    // Puts a tab back on the bar at 'index' (at the end when past it).
    void InsertShown(int index, std::unique_ptr<TabObject> tab);
    // Exchanges two places on the bar; the current tab stays the same.
    bool SwapShown(int first, int second);
    // Drops every tab; the current one first, so no page is left current.
    void Clear();

private:
    template <typename Match>
    Category* FindCategory(Match match) const;

    TabList shown_;
    TabList hidden_;
    TabObject* current_ = nullptr;
};
