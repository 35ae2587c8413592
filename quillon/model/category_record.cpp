#include "category_record.h"

#include <utility>

namespace quillon {
namespace {

// n, then n entries read one by one: the count is untrusted, so nothing is
// reserved from it and a count larger than the data fails on the first
// missing entry.
template <typename Record, typename ReadOne>
bool ReadCounted(ByteReader& in, std::vector<Record>& out, ReadOne readOne) {
    std::uint32_t n = 0;
    if (!in.ReadU32(n)) return false;
    std::vector<Record> items;
    for (std::uint32_t i = 0; i < n; ++i) {
        Record r;
        if (!readOne(in, r)) return false;
        items.push_back(std::move(r));
    }
    out = std::move(items);
    return true;
}

template <typename Record, typename WriteOne>
bool WriteCounted(ByteWriter& out, const std::vector<Record>& items, WriteOne writeOne) {
    if (static_cast<std::uint64_t>(items.size()) > 0xFFFFFFFFu) {
        out.Fail();
        return false;
    }
    out.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (const Record& r : items)
        if (!writeOne(out, r)) return false;
    return out.ok();
}

bool ReadSettings(ByteReader& in, std::vector<SettingRecord>& out) {
    return ReadCounted(in, out, [](ByteReader& r, SettingRecord& s) {
        return ReadSettingRecord(r, s);
    });
}

bool WriteSettings(ByteWriter& out, const std::vector<SettingRecord>& settings) {
    return WriteCounted(out, settings, [](ByteWriter& w, const SettingRecord& s) {
        return WriteSettingRecord(w, s);
    });
}

// uint32 tag that must be kTabTypeCategory, then the name.
bool ReadTagAndName(ByteReader& in, std::string& name) {
    std::uint32_t tag = 0;
    if (!in.ReadU32(tag)) return false;
    if (tag != kTabTypeCategory) {
        in.Fail();
        return false;
    }
    return in.ReadString(name);
}

}  // namespace

bool CategoryRecord::operator==(const CategoryRecord& o) const {
    return sortColumn == o.sortColumn && sortAscending == o.sortAscending &&
           cardMask == o.cardMask && osMask == o.osMask && key == o.key &&
           settings == o.settings && columnWidths == o.columnWidths &&
           textColor == o.textColor && textBkColor == o.textBkColor && bkColor == o.bkColor &&
           bkImage == o.bkImage && bkImageTiled == o.bkImageTiled;
}

bool ReadCategoryRecord(ByteReader& in, CategoryRecord& out) {
    CategoryRecord r;
    if (!in.ReadI32(r.sortColumn) || !in.ReadU8(r.sortAscending) || !in.ReadU64(r.cardMask) ||
        !in.ReadU32(r.osMask) || !ReadCategoryKey(in, r.key) || !ReadSettings(in, r.settings))
        return false;
    for (std::int32_t& w : r.columnWidths)
        if (!in.ReadI32(w)) return false;
    if (!in.ReadU32(r.textColor) || !in.ReadU32(r.textBkColor) || !in.ReadU32(r.bkColor) ||
        !in.ReadString(r.bkImage) || !in.ReadU32(r.bkImageTiled))
        return false;
    out = std::move(r);
    return true;
}

bool WriteCategoryRecord(ByteWriter& out, const CategoryRecord& r) {
    ByteWriter w;
    w.WriteI32(r.sortColumn);
    w.WriteU8(r.sortAscending);
    w.WriteU64(r.cardMask);
    w.WriteU32(r.osMask);
    WriteCategoryKey(w, r.key);
    WriteSettings(w, r.settings);
    for (std::int32_t width : r.columnWidths) w.WriteI32(width);
    w.WriteU32(r.textColor);
    w.WriteU32(r.textBkColor);
    w.WriteU32(r.bkColor);
    w.WriteString(r.bkImage);
    w.WriteU32(r.bkImageTiled);
    return out.Append(w);
}

bool ReadNamedCategory(ByteReader& in, std::string& name, CategoryRecord& out) {
    std::string n;
    CategoryRecord r;
    if (!ReadTagAndName(in, n) || !ReadCategoryRecord(in, r)) return false;
    name = std::move(n);
    out = std::move(r);
    return true;
}

bool WriteNamedCategory(ByteWriter& out, const std::string& name, const CategoryRecord& r) {
    ByteWriter w;
    w.WriteU32(kTabTypeCategory);
    w.WriteString(name);
    WriteCategoryRecord(w, r);
    return out.Append(w);
}

bool ReadExportBody(ByteReader& in, CategoryExportBody& out) {
    CategoryExportBody b;
    if (!in.ReadU64(b.cardMask) || !in.ReadU32(b.osMask) || !ReadSettings(in, b.settings))
        return false;
    out = std::move(b);
    return true;
}

bool WriteExportBody(ByteWriter& out, const CategoryExportBody& b) {
    ByteWriter w;
    w.WriteU64(b.cardMask);
    w.WriteU32(b.osMask);
    WriteSettings(w, b.settings);
    return out.Append(w);
}

bool ReadCategoryExport(ByteReader& in, CategoryExportRecord& out) {
    CategoryExportRecord r;
    if (!ReadCategoryKey(in, r.key) || !ReadExportBody(in, r.body)) return false;
    out = std::move(r);
    return true;
}

bool WriteCategoryExport(ByteWriter& out, const CategoryExportRecord& r) {
    ByteWriter w;
    WriteCategoryKey(w, r.key);
    WriteExportBody(w, r.body);
    return out.Append(w);
}

bool ReadNamedExport(ByteReader& in, std::string& name, CategoryExportRecord& out) {
    std::string n;
    CategoryExportRecord r;
    if (!ReadTagAndName(in, n) || !ReadCategoryExport(in, r)) return false;
    name = std::move(n);
    out = std::move(r);
    return true;
}

bool WriteNamedExport(ByteWriter& out, const std::string& name,
                      const CategoryExportRecord& r) {
    ByteWriter w;
    w.WriteU32(kTabTypeCategory);
    w.WriteString(name);
    WriteCategoryExport(w, r);
    return out.Append(w);
}

bool ReadValuesBody(ByteReader& in, std::vector<SettingValueRecord>& out,
                    std::size_t maxStringValue) {
    return ReadCounted(in, out, [maxStringValue](ByteReader& r, SettingValueRecord& v) {
        return ReadSettingValueRecord(r, v, maxStringValue);
    });
}

bool WriteValuesBody(ByteWriter& out, const std::vector<SettingValueRecord>& values) {
    ByteWriter w;
    WriteCounted(w, values, [](ByteWriter& wr, const SettingValueRecord& v) {
        return WriteSettingValueRecord(wr, v);
    });
    return out.Append(w);
}

bool ReadCategoryValues(ByteReader& in, CategoryValuesRecord& out,
                        std::size_t maxStringValue) {
    CategoryValuesRecord r;
    if (!ReadCategoryKey(in, r.key) || !ReadValuesBody(in, r.values, maxStringValue))
        return false;
    out = std::move(r);
    return true;
}

bool WriteCategoryValues(ByteWriter& out, const CategoryValuesRecord& r) {
    ByteWriter w;
    WriteCategoryKey(w, r.key);
    WriteValuesBody(w, r.values);
    return out.Append(w);
}

}  // namespace quillon
