#include "tab_set.h"

#include "category.h"
#include "frame_rules.h"
#include "same_name.h"
#include "tab_plugin.h"

#include <utility>

Category* TabSet::currentCategory() const { return dynamic_cast<Category*>(current_); }

int TabSet::IndexOfShown(const TabObject* tab) const {
    if (!tab) return -1;
    for (size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i].get() == tab) return static_cast<int>(i);
    return -1;
}

TabObject* TabSet::ShownAt(int index) const {
    if (index < 0 || index >= shownCount()) return nullptr;
    return shown_[static_cast<size_t>(index)].get();
}

std::vector<TabObject*> TabSet::All() const {
    std::vector<TabObject*> tabs;
    for (const TabList* list : {&shown_, &hidden_})
        for (const auto& tab : *list) tabs.push_back(tab.get());
    return tabs;
}

std::vector<Category*> TabSet::Categories(bool includeHidden) const {
    std::vector<Category*> categories;
    for (const TabList* list : {&shown_, &hidden_}) {
        if (list == &hidden_ && !includeHidden) break;
        for (const auto& tab : *list)
            if (auto* category = dynamic_cast<Category*>(tab.get())) categories.push_back(category);
    }
    return categories;
}

TabPlugin* TabSet::FindPlugin(const std::string& fileName) const {
    for (TabObject* tab : All())
        if (auto* plugin = dynamic_cast<TabPlugin*>(tab))
            if (SameName(plugin->GetFileName(), fileName)) return plugin;
    return nullptr;
}

template <typename Match>
Category* TabSet::FindCategory(Match match) const {
    for (Category* category : Categories())
        if (match(category->model().key)) return category;
    return nullptr;
}

Category* TabSet::FindCategoryByKey(HKEY root, const std::string& subKey) const {
    return FindCategory([&](const CategoryKey& key) {
        return !key.dynamic && key.root == root && SameName(key.subKey, subKey);
    });
}

Category* TabSet::FindCategoryByLookup(const std::string& dllFile,
                                       const std::string& parameter) const {
    return FindCategory([&](const CategoryKey& key) {
        return key.dynamic && SameName(key.dllFile, dllFile) && SameName(key.parameter, parameter);
    });
}

void TabSet::AddShown(std::unique_ptr<TabObject> tab) {
    if (tab) shown_.push_back(std::move(tab));
}

void TabSet::AddHidden(std::unique_ptr<TabObject> tab) {
    if (tab) hidden_.push_back(std::move(tab));
}

bool TabSet::SetCurrent(TabObject* tab) {
    if (tab && IndexOfShown(tab) < 0) return false;
    current_ = tab;
    return true;
}

std::unique_ptr<TabObject> TabSet::TakeShown(int index) {
    if (index < 0 || index >= shownCount()) return nullptr;
    std::unique_ptr<TabObject> tab = std::move(shown_[static_cast<size_t>(index)]);
    shown_.erase(shown_.begin() + index);
    if (tab.get() == current_) {
        const int next = CurrentIndexAfterRemoval(index, shownCount());
        current_ = ShownAt(next);
    }
    return tab;
}

std::unique_ptr<TabObject> TabSet::TakeHidden(int index) {
    if (index < 0 || static_cast<size_t>(index) >= hidden_.size()) return nullptr;
    std::unique_ptr<TabObject> tab = std::move(hidden_[static_cast<size_t>(index)]);
    hidden_.erase(hidden_.begin() + index);
    return tab;
}

void TabSet::InsertShown(int index, std::unique_ptr<TabObject> tab) {
    if (!tab) return;
    const size_t at = index >= 0 && index < shownCount() ? static_cast<size_t>(index) : shown_.size();
    shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(at), std::move(tab));
}

bool TabSet::SwapShown(int first, int second) {
    if (!ShownAt(first) || !ShownAt(second)) return false;
    std::swap(shown_[static_cast<size_t>(first)], shown_[static_cast<size_t>(second)]);
    return true;
}

void TabSet::Clear() {
    current_ = nullptr;
    shown_.clear();
    hidden_.clear();
}
