#include "setting.h"

#include <cstring>

using quillon::ByteWriter;
using quillon::SettingRecord;
using quillon::SettingValueRecord;

namespace {
// Strings are read into a fixed 256-byte buffer: at most 255 characters.
const DWORD kStringBuffer = 256;
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

void Setting::Delete(HKEY key) {
    ::RegDeleteValueA(key, valueName.c_str());
    present = false;
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
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    LONG result = ::RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(&data), &size);
    if (result != ERROR_SUCCESS) return false;
    value = data;
    return true;
}

void DWordSetting::Read(HKEY key) {
    value = 0;
    present = Query(key);
    UpdateIndex();
}

void DWordSetting::Write(HKEY key) {
    DWORD data = value;
    ::RegSetValueExA(key, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                     sizeof data);
    present = true;
}

bool DWordSetting::ParseRange(const std::string& text) {
    quillon::DWordRanges parsed;
    if (!parsed.Parse(text)) return false;
    ranges = parsed;
    index = 0;
    value = ranges.ValueAt(0);
    return true;
}

bool DWordSetting::SaveValue(ByteWriter& out) const {
    SettingValueRecord record;
    record.type = quillon::kSettingTypeDWord;
    record.present = present;
    record.valueName = valueName;
    record.dwordValue = value;
    return quillon::WriteSettingValueRecord(out, record);
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
    char buffer[kStringBuffer + 1] = "";
    DWORD size = kStringBuffer;
    DWORD type = 0;
    LONG result = ::RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS) return false;
    // A value stored without its terminator still ends inside the buffer.
    out.assign(buffer, strnlen(buffer, kStringBuffer - 1));
    return true;
}

void StringSetting::Read(HKEY key) {
    std::string current;
    present = Query(key, current);
    value = present ? current : "";
    UpdateIndex();
}

void StringSetting::Write(HKEY key) {
    ::RegSetValueExA(key, valueName.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    present = true;
}

bool StringSetting::ParseRange(const std::string& text) {
    items = quillon::ParseStringList(text);
    index = 0;
    value = items.empty() ? "" : items[0];
    return true;
}

bool StringSetting::SaveValue(ByteWriter& out) const {
    SettingValueRecord record;
    record.type = quillon::kSettingTypeString;
    record.present = present;
    record.valueName = valueName;
    record.stringValue = value;
    return quillon::WriteSettingValueRecord(out, record);
}

SettingRecord StringSetting::ToRecord() const {
    SettingRecord record;
    record.type = quillon::kSettingTypeString;
    FillRecord(record);
    record.rangeText = GetRangeText();
    record.stringValue = value;
    return record;
}
