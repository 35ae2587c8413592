// Settings: one registry value under a category's key, its allowed values and
// their display names. DWordSetting allows numeric ranges, StringSetting a
// list of strings.
#pragma once

#include "byte_io.h"
#include "range_grammar.h"
#include "setting_record.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Writes one value as a setting or profile records it: a DWORD or a string
// when present, else deleted. The one place setting values are written.
void WriteSettingValue(HKEY key, const quillon::SettingValueRecord& record);

class Setting {
public:
    virtual ~Setting() = default;

    // Builds a setting from a record read from a file, reading its current
    // value from the key (the stored value stays when the query fails).
    static std::unique_ptr<Setting> FromRecord(const quillon::SettingRecord& record, HKEY key);

    virtual std::string ColumnText(int column) const;
    // Setting record (Tabs.stream and tweak databases use the same bytes).
    bool Save(quillon::ByteWriter& out) const { return quillon::WriteSettingRecord(out, ToRecord()); }
    bool Export(quillon::ByteWriter& out) const { return Save(out); }
    // Profile value record: the value as it stands, present or not.
    virtual quillon::SettingValueRecord ValueRecord() const = 0;
    bool SaveValue(quillon::ByteWriter& out) const {
        return quillon::WriteSettingValueRecord(out, ValueRecord());
    }
    virtual void Read(HKEY key) = 0;
    // Writes the value to the key, or deletes it there.
    void Write(HKEY key);
    void Delete(HKEY key);
    virtual std::string GetRangeText() const = 0;
    virtual bool ParseRange(const std::string& text) = 0;
    virtual void SelectValue(uint32_t i) = 0;
    virtual quillon::SettingRecord ToRecord() const = 0;
    virtual const char* TypeText() const = 0;
    virtual uint32_t ValueCount() const = 0;
    virtual void UpdateIndex() = 0;

    // Steps through the allowed values, wrapping at both ends.
    void SelectNext();
    void SelectPrevious();

    std::string GetName() const { return name; }
    std::string GetValueName() const { return valueName; }
    const std::string& GetTweakMap() const { return tweakMap; }
    std::string GetTweakMapEntry(uint32_t i) const { return quillon::TweakMapEntry(tweakMap, i); }

    std::string name;
    bool present = false;
    std::string comment;
    std::string valueName;
    std::string tweakMap;
    int32_t index = 0;

protected:
    Setting(std::string name, std::string valueName, std::string comment, std::string tweakMap)
        : name(std::move(name)), comment(std::move(comment)), valueName(std::move(valueName)),
          tweakMap(std::move(tweakMap)) {}
    virtual std::string ValueText() const = 0;
    void FillRecord(quillon::SettingRecord& record) const;
};

class DWordSetting : public Setting {
public:
    // From the setting dialog: reads the value; the caller parses a range next.
    DWordSetting(std::string name, std::string valueName, std::string comment, HKEY key);
    DWordSetting(const quillon::SettingRecord& record, HKEY key);

    quillon::SettingValueRecord ValueRecord() const override;
    void Read(HKEY key) override;
    std::string GetRangeText() const override { return ranges.RangeText(); }
    bool ParseRange(const std::string& text) override;
    void SelectValue(uint32_t i) override { value = ranges.ValueAt(i); }
    quillon::SettingRecord ToRecord() const override;
    const char* TypeText() const override { return "DWord"; }
    uint32_t ValueCount() const override { return ranges.valueCount(); }
    void UpdateIndex() override { index = static_cast<int32_t>(ranges.IndexOf(value)); }

    uint32_t value = 0;
    quillon::DWordRanges ranges;

private:
    bool Query(HKEY key);
    std::string ValueText() const override { return quillon::SignedDecimal(value); }
};

class StringSetting : public Setting {
public:
    StringSetting(std::string name, std::string valueName, std::string comment, HKEY key);
    StringSetting(const quillon::SettingRecord& record, HKEY key);

    quillon::SettingValueRecord ValueRecord() const override;
    void Read(HKEY key) override;
    std::string GetRangeText() const override { return quillon::StringListText(items); }
    bool ParseRange(const std::string& text) override;
    void SelectValue(uint32_t i) override {
        if (i < items.size()) value = items[i];
    }
    quillon::SettingRecord ToRecord() const override;
    const char* TypeText() const override { return "String"; }
    uint32_t ValueCount() const override { return static_cast<uint32_t>(items.size()); }
    void UpdateIndex() override {
        index = static_cast<int32_t>(quillon::StringIndexOf(items, value));
    }

    std::string value;
    std::vector<std::string> items;

private:
    bool Query(HKEY key, std::string& out) const;
    std::string ValueText() const override { return "\"" + value + "\""; }
};
