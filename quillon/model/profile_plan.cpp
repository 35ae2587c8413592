#include "profile_plan.h"

#include "byte_io.h"
#include "category_record.h"
#include "container_header.h"
#include "file.h"
#include "key_lookup.h"
#include "reg_key.h"
#include "setting_record.h"

namespace {

// Far more than 1000 categories of 1000 settings; anything larger is not a
// profile.
constexpr uint64_t kMaxProfileBytes = 64u * 1024 * 1024;

quillon::JournalState StateOf(const quillon::SettingValueRecord& record) {
    quillon::JournalState state;
    state.exists = record.present;
    if (!record.present) return state;
    if (record.type == quillon::kSettingTypeString) {
        state.type = REG_SZ;
        state.data = record.stringValue + '\0';
    } else {
        state.type = REG_DWORD;
        for (int i = 0; i < 4; ++i) state.data.push_back(static_cast<char>((record.dwordValue >> (8 * i)) & 0xFF));
    }
    return state;
}

// The key as the applier opens it: resolved, and existing.
bool KeyExists(const CategoryKey& key) {
    RegKey opened;
    return opened.Open(key.root, key.subKey, RegistryView::Native) == ERROR_SUCCESS;
}

}  // namespace

bool KeyFitsProfile(const quillon::CategoryKeyRecord& key) {
    return key.dllFile.size() <= kMaxProfileString && key.parameter.size() <= kMaxProfileString &&
           key.subKey.size() <= kMaxProfileString;
}

PlanResult PlanProfile(const std::string& path, ProfilePlan& plan, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!winlib::CFile::ReadAll(path, bytes, kMaxProfileBytes)) return PlanResult::NotFound;
    quillon::ByteReader in(bytes);
    quillon::ContainerHeader header;
    ProfilePlan read;
    if (!quillon::ReadContainerHeader(in, header)) {
        error = "its header is damaged";
        return PlanResult::Damaged;
    }
    for (uint32_t i = 0; i < header.count; ++i) {
        quillon::CategoryKeyRecord record;
        std::vector<quillon::SettingValueRecord> values;
        if (!quillon::ReadCategoryKey(in, record) || !KeyFitsProfile(record) ||
            !quillon::ReadValuesBody(in, values, kMaxProfileString)) {
            error = "category " + std::to_string(i + 1) + " of " + std::to_string(header.count) + " is damaged";
            return PlanResult::Damaged;
        }
        CategoryKey key = CategoryKey::FromRecord(record);
        bool resolved = !key.dynamic ||
                        CurrentKeyLookup().Lookup(key.dllFile, key.parameter, key.root, key.subKey);
        read.keys.push_back(key);
        if (!resolved || !KeyExists(key)) continue;  // nothing is written there
        for (const quillon::SettingValueRecord& value : values) {
            quillon::JournalValue planned;
            planned.root = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key.root));
            planned.nativeView = true;
            planned.subKey = key.subKey;
            planned.valueName = value.valueName;
            planned.after = StateOf(value);
            read.values.push_back(std::move(planned));
        }
    }
    plan = std::move(read);
    return PlanResult::Ready;
}

quillon::JournalEntry ProfileChange(const std::string& profileName, const ProfilePlan& plan,
                                    const std::string& tag) {
    quillon::JournalEntry entry;
    entry.title = profileName;
    entry.tag = tag;
    entry.values = plan.values;
    return entry;
}
