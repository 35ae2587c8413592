// The two byte records of a setting.
//
// Setting record (Tabs.stream, tweak databases):
//   uint32 type (0 string, 1 DWORD), string name, string comment,
//   string valueName, then
//   DWORD:  uint32 value, uint32 valueCount, uint32 rangeIntCount,
//           rangeIntCount x uint32 (triples from, to, step), string tweakMap
//   string: string rangeText, string value, string tweakMap
//
// Setting value record (profiles):
//   uint32 type, uint8 present (0/1), string valueName, then only when
//   present a string (type 0) or a uint32 (type 1).
//
// Readers fill their output only when the whole record was read and found
// consistent; otherwise they return false and leave the ByteReader failed.
// Writers refuse (return false, append nothing) a record the reader would
// reject.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_io.h"

namespace quillon {

constexpr std::uint32_t kSettingTypeString = 0;
constexpr std::uint32_t kSettingTypeDWord = 1;

struct SettingRecord {
    std::uint32_t type = kSettingTypeDWord;
    std::string name;
    std::string comment;
    std::string valueName;

    // DWORD settings only. triples.size() is the stored rangeIntCount.
    std::uint32_t value = 0;
    std::uint32_t valueCount = 0;
    std::vector<std::uint32_t> triples;

    // String settings only.
    std::string rangeText;
    std::string stringValue;

    std::string tweakMap;

    bool operator==(const SettingRecord& o) const;
    bool operator!=(const SettingRecord& o) const { return !(*this == o); }
};

// Reads a whole setting record, type tag included. Besides short data and
// over-long strings it rejects: a type other than 0 and 1 (its layout is
// unknown, so nothing after it could be trusted); a rangeIntCount that is
// not a multiple of 3, above 2^31 - 1 or larger than the bytes left (checked
// before anything is allocated); triples that ParseRange could not have
// produced (from > to, step <= 0, step not dividing to - from); and a stored
// valueCount other than the number of values the triples give. A damaged
// count is rejected rather than recomputed, since it means the record is not
// what the program wrote.
bool ReadSettingRecord(ByteReader& in, SettingRecord& out);
bool WriteSettingRecord(ByteWriter& out, const SettingRecord& record);

struct SettingValueRecord {
    std::uint32_t type = kSettingTypeDWord;
    bool present = false;
    std::string valueName;
    std::string stringValue;       // type 0 and present only
    std::uint32_t dwordValue = 0;  // type 1 and present only

    bool operator==(const SettingValueRecord& o) const;
    bool operator!=(const SettingValueRecord& o) const { return !(*this == o); }
};

// Rejects an unknown type, a present byte other than 0 and 1, and a value
// name or string value over maxStringValue bytes (profiles, which keep
// shorter strings than other files, pass their own limit).
bool ReadSettingValueRecord(ByteReader& in, SettingValueRecord& out,
                            std::size_t maxStringValue = kMaxRecordString);
bool WriteSettingValueRecord(ByteWriter& out, const SettingValueRecord& record);

}  // namespace quillon
