#include "category_model.h"

#include "key_lookup.h"
#include "reg_key.h"
#include "root_key_table.h"
#include "same_name.h"

#include <algorithm>
#include <map>

using quillon::ByteReader;
using quillon::ByteWriter;

namespace {

HKEY RootHandle(uint32_t value) {
    return reinterpret_cast<HKEY>(static_cast<uintptr_t>(value));
}

uint32_t RootValue(HKEY root) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(root));
}

std::string CurrentDirectory() {
    char folder[MAX_PATH] = "";
    DWORD length = ::GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

}  // namespace

// --- CategoryKey ---

std::string CategoryKey::KeyPathText() const {
    return quillon::KeyPathText(RootValue(root), subKey);
}

quillon::CategoryKeyRecord CategoryKey::ToRecord() const {
    quillon::CategoryKeyRecord record;
    record.dynamic = dynamic;
    record.dllFile = dllFile;
    record.parameter = parameter;
    record.root = RootValue(root);
    record.subKey = subKey;
    return record;
}

CategoryKey CategoryKey::FromRecord(const quillon::CategoryKeyRecord& record) {
    CategoryKey key;
    key.dynamic = record.dynamic;
    key.dllFile = record.dllFile;
    key.parameter = record.parameter;
    if (!record.dynamic) {
        key.root = RootHandle(record.root);
        key.subKey = record.subKey;
    }
    return key;
}

void CategoryKey::Resolve() {
    if (dynamic) CurrentKeyLookup().Lookup(dllFile, parameter, root, subKey);
}

// --- CategoryModel ---

CategoryModel::CategoryModel() : bkImage(CurrentDirectory() + "\\default.jpg") {}

bool CategoryModel::Assign(const quillon::CategoryRecord& record) {
    CategoryKey newKey = CategoryKey::FromRecord(record.key);
    newKey.Resolve();
    RegKey regKey;
    regKey.Open(newKey.root, newKey.subKey, RegistryView::Native);
    std::vector<std::unique_ptr<Setting>> newSettings;
    for (const auto& settingRecord : record.settings) {
        auto setting = Setting::FromRecord(settingRecord, regKey.handle());
        if (!setting) return false;
        newSettings.push_back(std::move(setting));
    }

    key = std::move(newKey);
    settings = std::move(newSettings);
    sortColumn = record.sortColumn;
    sortAscending = record.sortAscending;
    cardMask = record.cardMask;
    osMask = record.osMask;
    columnWidths = record.columnWidths;
    textColor = record.textColor;
    textBkColor = record.textBkColor;
    bkColor = record.bkColor;
    bkImage = record.bkImage;
    bkImageTiled = record.bkImageTiled;
    return true;
}

quillon::CategoryRecord CategoryModel::ToRecord() const {
    quillon::CategoryRecord record;
    record.sortColumn = sortColumn;
    record.sortAscending = sortAscending;
    record.cardMask = cardMask;
    record.osMask = osMask;
    record.key = key.ToRecord();
    for (const auto& setting : settings) record.settings.push_back(setting->ToRecord());
    record.columnWidths = columnWidths;
    record.textColor = textColor;
    record.textBkColor = textBkColor;
    record.bkColor = bkColor;
    record.bkImage = bkImage;
    record.bkImageTiled = bkImageTiled;
    return record;
}

quillon::CategoryExportRecord CategoryModel::ToExportRecord() const {
    quillon::CategoryExportRecord record;
    record.key = key.ToRecord();
    record.body.cardMask = cardMask;
    record.body.osMask = osMask;
    for (const auto& setting : settings) record.body.settings.push_back(setting->ToRecord());
    return record;
}

bool CategoryModel::WriteValues(ByteWriter& out) const {
    if (!quillon::WriteCategoryKey(out, key.ToRecord())) return false;
    out.WriteU32(static_cast<uint32_t>(settings.size()));
    for (const auto& setting : settings)
        if (!setting->SaveValue(out)) return false;
    return out.ok();
}

namespace {

bool SettingsDiffer(const Setting& a, const Setting& b) {
    return std::string(a.TypeText()) != b.TypeText() || a.GetRangeText() != b.GetRangeText() ||
           a.tweakMap != b.tweakMap;
}

// Merge's walk, shared by the merge and its preview: each incoming
// setting, in order, meets the first setting here of its value name
// (ignoring case) or the one appended before it; 'meet' gets the incoming
// setting and the index it meets, or kNewSetting when it is new (it is
// appended then, and later ones of its name meet it at the next index).
// False on a setting that cannot be made.
constexpr size_t kNewSetting = static_cast<size_t>(-1);

template <typename Meet>
bool WalkMerge(const std::vector<std::unique_ptr<Setting>>& settings, const quillon::CategoryExportBody& body,
               HKEY key, Meet meet) {
    std::map<std::wstring, size_t> byValueName;
    for (size_t i = 0; i < settings.size(); ++i) byValueName.emplace(NameKey(settings[i]->valueName), i);
    size_t count = settings.size();
    for (const auto& record : body.settings) {
        auto incoming = Setting::FromRecord(record, key);
        if (!incoming) return false;
        auto found = byValueName.find(NameKey(incoming->valueName));
        if (found == byValueName.end()) {
            byValueName.emplace(NameKey(incoming->valueName), count++);
            meet(std::move(incoming), kNewSetting);
        } else {
            meet(std::move(incoming), found->second);
        }
    }
    return true;
}

}  // namespace

bool CategoryModel::Merge(const quillon::CategoryExportBody& body, const OverwriteQuestion& overwrite) {
    cardMask = body.cardMask;
    osMask = body.osMask;
    RegKey regKey;
    regKey.Open(key.root, key.subKey, RegistryView::Native);
    return WalkMerge(settings, body, regKey.handle(), [&](std::unique_ptr<Setting> incoming, size_t index) {
        if (index == kNewSetting) {
            settings.push_back(std::move(incoming));
            return;
        }
        std::unique_ptr<Setting>& existing = settings[index];
        if (!SettingsDiffer(*existing, *incoming) || !overwrite(incoming->name)) return;
        if (existing->present) existing->Delete(regKey.handle());
        existing = std::move(incoming);
    });
}

std::vector<CategoryModel::MergeChange> CategoryModel::MergeChanges(const quillon::CategoryExportBody& body) const {
    std::vector<MergeChange> changes;
    // Appended settings stand in the preview's own list, so a second
    // incoming setting of the same name meets the first as Merge's would.
    std::vector<std::unique_ptr<Setting>> appended;
    WalkMerge(settings, body, nullptr, [&](std::unique_ptr<Setting> incoming, size_t index) {
        if (index == kNewSetting) {
            changes.push_back({incoming->name, true});
            appended.push_back(std::move(incoming));
            return;
        }
        const Setting& met = index < settings.size() ? *settings[index] : *appended[index - settings.size()];
        if (SettingsDiffer(met, *incoming)) changes.push_back({incoming->name, false});
    });
    return changes;
}

void CategoryModel::Refresh() {
    key.Resolve();
    RegKey regKey;
    regKey.Create(key.root, key.subKey, RegistryView::Native);
    for (auto& setting : settings) setting->Read(regKey.handle());
}

bool CategoryModel::ApplyValues(ByteReader& in, HKEY key, std::size_t maxString) {
    // The whole record is read before anything is written: a record damaged
    // half-way changes nothing.
    std::vector<quillon::SettingValueRecord> values;
    if (!quillon::ReadValuesBody(in, values, maxString)) return false;
    for (const quillon::SettingValueRecord& record : values) WriteSettingValue(key, record);
    return true;
}

bool CategoryModel::SkipValues(ByteReader& in, std::size_t maxString) {
    std::vector<quillon::SettingValueRecord> values;
    return quillon::ReadValuesBody(in, values, maxString);
}
