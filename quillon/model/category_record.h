// The three records in which a category travels.
//
// Category record (Tabs.stream, after type tag 0 and the name):
//   uint32 sortColumn, uint8 sortAscending, uint64 cardMask, uint32 osMask,
//   key (category_key.h), uint32 n, n setting records, 5 x int32 column
//   widths, uint32 textColor, textBkColor, bkColor, string bkImage,
//   uint32 bkImageTiled.
// Category export record (tweak databases, after type tag 0 and the name):
//   key, uint64 cardMask, uint32 osMask, uint32 n, n setting records.
// Category values record (profiles, no name):
//   key, uint32 n, n setting value records.
//
// Setting counts come from the file and are never used to reserve memory;
// entries are read one at a time, so a huge count over short data fails at
// the end of the data. Readers fill their output only on full success.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_io.h"
#include "category_key.h"
#include "setting_record.h"

namespace quillon {

// Type tags of the tab objects in Tabs.stream; tweak databases use tag 0
// for their category entries too.
constexpr std::uint32_t kTabTypeCategory = 0;
constexpr std::uint32_t kTabTypePlugin = 1;

constexpr std::uint32_t kColorNone = 0xFFFFFFFFu;  // CLR_NONE
constexpr std::uint32_t kTiledImageFlag = 0x10;    // LVBKIF_STYLE_TILE

// Members default to what a new category starts with; bkImage defaults to
// the program folder's "default.jpg", which only the caller knows.
struct CategoryRecord {
    std::int32_t sortColumn = 0;
    std::uint8_t sortAscending = 1;
    std::uint64_t cardMask = 0;
    std::uint32_t osMask = 0;
    CategoryKeyRecord key;
    std::vector<SettingRecord> settings;
    std::array<std::int32_t, 5> columnWidths{{160, 70, 160, 50, 140}};
    std::uint32_t textColor = 0x0000FFFFu;
    std::uint32_t textBkColor = kColorNone;
    std::uint32_t bkColor = kColorNone;
    std::string bkImage;
    std::uint32_t bkImageTiled = 0;  // 1 tiled, 0 normal; kept as stored

    bool operator==(const CategoryRecord& o) const;
    bool operator!=(const CategoryRecord& o) const { return !(*this == o); }
};

bool ReadCategoryRecord(ByteReader& in, CategoryRecord& out);
bool WriteCategoryRecord(ByteWriter& out, const CategoryRecord& record);

// Tab entry form: uint32 tag 0, string name, category record. A tag other
// than 0 is rejected.
bool ReadNamedCategory(ByteReader& in, std::string& name, CategoryRecord& out);
bool WriteNamedCategory(ByteWriter& out, const std::string& name, const CategoryRecord& record);

// Fields after the key of an export record; Merge reads these into a
// category whose name and key the caller has already read.
struct CategoryExportBody {
    std::uint64_t cardMask = 0;
    std::uint32_t osMask = 0;
    std::vector<SettingRecord> settings;

    bool operator==(const CategoryExportBody& o) const {
        return cardMask == o.cardMask && osMask == o.osMask && settings == o.settings;
    }
    bool operator!=(const CategoryExportBody& o) const { return !(*this == o); }
};

bool ReadExportBody(ByteReader& in, CategoryExportBody& out);
bool WriteExportBody(ByteWriter& out, const CategoryExportBody& body);

struct CategoryExportRecord {
    CategoryKeyRecord key;
    CategoryExportBody body;

    bool operator==(const CategoryExportRecord& o) const {
        return key == o.key && body == o.body;
    }
    bool operator!=(const CategoryExportRecord& o) const { return !(*this == o); }
};

bool ReadCategoryExport(ByteReader& in, CategoryExportRecord& out);
bool WriteCategoryExport(ByteWriter& out, const CategoryExportRecord& record);

// Tweak database entry form: uint32 tag 0, string name, export record.
bool ReadNamedExport(ByteReader& in, std::string& name, CategoryExportRecord& out);
bool WriteNamedExport(ByteWriter& out, const std::string& name,
                      const CategoryExportRecord& record);

// Setting count and value records after the key of a values record (what a
// profile applier reads once it has read and resolved the key). Reading all
// of them before anything is applied means a truncated profile changes
// nothing in the registry.
bool ReadValuesBody(ByteReader& in, std::vector<SettingValueRecord>& out,
                    std::size_t maxStringValue = kMaxRecordString);
bool WriteValuesBody(ByteWriter& out, const std::vector<SettingValueRecord>& values);

struct CategoryValuesRecord {
    CategoryKeyRecord key;
    std::vector<SettingValueRecord> values;

    bool operator==(const CategoryValuesRecord& o) const {
        return key == o.key && values == o.values;
    }
    bool operator!=(const CategoryValuesRecord& o) const { return !(*this == o); }
};

bool ReadCategoryValues(ByteReader& in, CategoryValuesRecord& out,
                        std::size_t maxStringValue = kMaxRecordString);
bool WriteCategoryValues(ByteWriter& out, const CategoryValuesRecord& record);

}  // namespace quillon
