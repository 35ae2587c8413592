// The edits a user makes to a category's settings. Each owns its registry
// writes, so the list only turns notifications into these calls and redraws
// the rows they changed.
#include "category.h"


#include "reg_key.h"
#include "same_name.h"

#include <algorithm>
#include <cstring>

Setting* Category::SettingAt(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= model_.settings.size()) return nullptr;
    return model_.settings[static_cast<size_t>(row)].get();
}

bool Category::SetPresent(int row, bool present) {
    Setting* setting = SettingAt(row);
    if (!setting) return false;
    RegKey key;
    if (present) {
        key.Create(model_.key.root, model_.key.subKey, RegistryView::Native);
        setting->Write(key.handle());
    } else {
        key.Open(model_.key.root, model_.key.subKey, RegistryView::Native);
        setting->Delete(key.handle());
    }
    return true;
}

bool Category::Step(int row, bool forward) {
    Setting* setting = SettingAt(row);
    if (!setting) return false;
    if (forward)
        setting->SelectNext();
    else
        setting->SelectPrevious();
    // A value that is not in the registry changes only in memory.
    if (setting->present) {
        RegKey key;
        key.Create(model_.key.root, model_.key.subKey, RegistryView::Native);
        setting->Write(key.handle());
    }
    return true;
}

void Category::RemoveRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    RegKey key;
    key.Open(model_.key.root, model_.key.subKey, RegistryView::Native);
    // From the last row up, so earlier row numbers stay valid.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        Setting* setting = SettingAt(*row);
        if (!setting) continue;
        if (setting->present) setting->Delete(key.handle());
        model_.settings.erase(model_.settings.begin() + *row);
    }
}

bool Category::ReplaceSetting(int row, std::unique_ptr<Setting> replacement) {
    Setting* old = SettingAt(row);
    if (!old || !replacement) return false;
    if (old->present) {
        RegKey key;
        key.Open(model_.key.root, model_.key.subKey, RegistryView::Native);
        old->Delete(key.handle());
        // The replacement read the value before it was deleted; with the same
        // value name it must not claim a value the registry no longer has.
        if (SameName(old->valueName, replacement->valueName)) replacement->present = false;
    }
    model_.settings[static_cast<size_t>(row)] = std::move(replacement);
    return true;
}

void Category::AddSetting(std::unique_ptr<Setting> setting) {
    if (setting) model_.settings.push_back(std::move(setting));
}

void Category::SortBy(int column) {
    if (column == model_.sortColumn) model_.sortAscending = model_.sortAscending ? 0 : 1;
    model_.sortColumn = column;
    // Adjacent swaps until a pass swaps nothing: equal texts keep their order.
    auto& settings = model_.settings;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < settings.size(); ++i) {
            int order = std::strcmp(settings[i]->ColumnText(column).c_str(),
                                    settings[i + 1]->ColumnText(column).c_str());
            if (model_.sortAscending ? order > 0 : order < 0) {
                std::swap(settings[i], settings[i + 1]);
                swapped = true;
            }
        }
    }
}

void Category::RequestEdit() {
    mainWindow_.EditCategory(*this);
}
