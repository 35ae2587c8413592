#include "setting.h"

#include "registry.h"

#include <cstring>

using quillon::ByteWriter;
using quillon::SettingRecord;
using quillon::SettingValueRecord;

namespace {
// Strings are read into a fixed 256-byte buffer: at most 255 characters.
const DWORD kStringBuffer = 256;
}

void WriteSettingValue(HKEY key, const SettingValueRecord& record) {
    const char* name = record.valueName.c_str();
    if (!record.present)
        winlib::registry::DeleteValue(key, name);
    else if (record.type == quillon::kSettingTypeString)
        winlib::registry::SetString(key, name, record.stringValue);
    else
        winlib::registry::SetDword(key, name, record.dwordValue);
}

std::unique_ptr<Setting> Setting::FromRecord(const SettingRecord& record, HKEY key) {
    if (record.type == quillon::kSettingTypeString)
        return std::make_unique<StringSetting>(record, key);
    if (record.type == quillon::kSettingTypeDWord)
        return std::make_unique<DWordSetting>(record, key);
    return nullptr;
}

std::string Setting::ColumnText(int column) const {
    switch (column) {
    case 0:
        return name;
    case 1: {
        if (!present) return "";
        std::string entry = GetTweakMapEntry(static_cast<uint32_t>(index));
        return entry.empty() ? ValueText() : entry;
    }
    case 2:
        return valueName;
    case 3:
        return TypeText();
    case 4:
        return comment;
    default:
        return "";
    }
}

void Setting::Write(HKEY key) {
    present = true;
    WriteSettingValue(key, ValueRecord());
}

void Setting::Delete(HKEY key) {
    present = false;
    WriteSettingValue(key, ValueRecord());
}

void Setting::SelectNext() {
    index = static_cast<int32_t>(quillon::NextIndex(static_cast<uint32_t>(index), ValueCount()));
    SelectValue(static_cast<uint32_t>(index));
}

void Setting::SelectPrevious() {
    index = static_cast<int32_t>(quillon::PrevIndex(static_cast<uint32_t>(index), ValueCount()));
    SelectValue(static_cast<uint32_t>(index));
}

void Setting::FillRecord(SettingRecord& record) const {
    record.name = name;
    record.comment = comment;
    record.valueName = valueName;
    record.tweakMap = tweakMap;
}

// --- DWordSetting ---

DWordSetting::DWordSetting(std::string name, std::string valueName, std::string comment, HKEY key)
    : Setting(std::move(name), std::move(valueName), std::move(comment), "") {
    Read(key);
}

DWordSetting::DWordSetting(const SettingRecord& record, HKEY key)
    : Setting(record.name, record.valueName, record.comment, record.tweakMap),
      value(record.value) {
    // The record reader has validated the triples; an invalid set leaves no ranges.
    ranges.AssignTriples(record.triples);
    present = Query(key);
    UpdateIndex();
}

bool DWordSetting::Query(HKEY key) {
    // Whatever its type, a value of at most four bytes is read as the number.
    DWORD type = 0, data = 0;
    std::vector<uint8_t> bytes;
    if (winlib::registry::QueryValue(key, valueName.c_str(), type, bytes, sizeof data) != ERROR_SUCCESS)
        return false;
    if (!bytes.empty()) std::memcpy(&data, bytes.data(), bytes.size());
    value = data;
    return true;
}

void DWordSetting::Read(HKEY key) {
    value = 0;
    present = Query(key);
    UpdateIndex();
}

bool DWordSetting::ParseRange(const std::string& text) {
    quillon::DWordRanges parsed;
    if (!parsed.Parse(text)) return false;
    ranges = parsed;
    index = 0;
    value = ranges.ValueAt(0);
    return true;
}

SettingValueRecord DWordSetting::ValueRecord() const {
    SettingValueRecord record;
    record.type = quillon::kSettingTypeDWord;
    record.present = present;
    record.valueName = valueName;
    record.dwordValue = value;
    return record;
}

SettingRecord DWordSetting::ToRecord() const {
    SettingRecord record;
    record.type = quillon::kSettingTypeDWord;
    FillRecord(record);
    record.value = value;
    record.valueCount = ranges.valueCount();
    record.triples = ranges.triples();
    return record;
}

// --- StringSetting ---

StringSetting::StringSetting(std::string name, std::string valueName, std::string comment,
                             HKEY key)
    : Setting(std::move(name), std::move(valueName), std::move(comment), "") {
    Read(key);
}

StringSetting::StringSetting(const SettingRecord& record, HKEY key)
    : Setting(record.name, record.valueName, record.comment, record.tweakMap) {
    items = quillon::ParseStringList(record.rangeText);
    std::string current;
    present = Query(key, current);
    value = present ? current : record.stringValue;
    UpdateIndex();
}

bool StringSetting::Query(HKEY key, std::string& out) const {
    // Whatever its type; a value stored without its terminator still ends
    // inside the buffer.
    DWORD type = 0;
    std::vector<uint8_t> bytes;
    if (winlib::registry::QueryValue(key, valueName.c_str(), type, bytes, kStringBuffer) != ERROR_SUCCESS)
        return false;
    bytes.resize(kStringBuffer, 0);
    const char* text = reinterpret_cast<const char*>(bytes.data());
    out.assign(text, strnlen(text, kStringBuffer - 1));
    return true;
}

void StringSetting::Read(HKEY key) {
    std::string current;
    present = Query(key, current);
    value = present ? current : "";
    UpdateIndex();
}

bool StringSetting::ParseRange(const std::string& text) {
    items = quillon::ParseStringList(text);
    index = 0;
    value = items.empty() ? "" : items[0];
    return true;
}

SettingValueRecord StringSetting::ValueRecord() const {
    SettingValueRecord record;
    record.type = quillon::kSettingTypeString;
    record.present = present;
    record.valueName = valueName;
    record.stringValue = value;
    return record;
}

SettingRecord StringSetting::ToRecord() const {
    SettingRecord record;
    record.type = quillon::kSettingTypeString;
    FillRecord(record);
    record.rangeText = GetRangeText();
    record.stringValue = value;
    return record;
}
