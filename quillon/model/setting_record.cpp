#include "setting_record.h"

#include <utility>

#include "range_grammar.h"

namespace quillon {
namespace {

bool KnownType(std::uint32_t type) {
    return type == kSettingTypeString || type == kSettingTypeDWord;
}

bool ConsistentRanges(const SettingRecord& r) {
    std::uint32_t count = 0;
    return ValidTriples(r.triples, count) && count == r.valueCount;
}

// Reads rangeIntCount and the triples. The count is checked against the
// bytes actually left before the vector is sized, so a damaged count cannot
// trigger a huge allocation.
bool ReadTriples(ByteReader& in, std::vector<std::uint32_t>& triples) {
    std::uint32_t count = 0;
    if (!in.ReadU32(count)) return false;
    if (count % 3 != 0 || count > 0x7FFFFFFFu || count > in.remaining() / 4) {
        in.Fail();
        return false;
    }
    triples.resize(count);
    for (std::uint32_t& v : triples)
        if (!in.ReadU32(v)) return false;
    return true;
}

}  // namespace

bool SettingRecord::operator==(const SettingRecord& o) const {
    return type == o.type && name == o.name && comment == o.comment &&
           valueName == o.valueName && value == o.value && valueCount == o.valueCount &&
           triples == o.triples && rangeText == o.rangeText && stringValue == o.stringValue &&
           tweakMap == o.tweakMap;
}

bool ReadSettingRecord(ByteReader& in, SettingRecord& out) {
    SettingRecord r;
    if (!in.ReadU32(r.type)) return false;
    if (!KnownType(r.type)) {
        in.Fail();
        return false;
    }
    if (!in.ReadString(r.name) || !in.ReadString(r.comment) || !in.ReadString(r.valueName))
        return false;
    if (r.type == kSettingTypeDWord) {
        if (!in.ReadU32(r.value) || !in.ReadU32(r.valueCount) || !ReadTriples(in, r.triples))
            return false;
        if (!ConsistentRanges(r)) {
            in.Fail();
            return false;
        }
        if (!in.ReadString(r.tweakMap)) return false;
    } else {
        if (!in.ReadString(r.rangeText) || !in.ReadString(r.stringValue) ||
            !in.ReadString(r.tweakMap))
            return false;
    }
    out = std::move(r);
    return true;
}

bool WriteSettingRecord(ByteWriter& out, const SettingRecord& r) {
    if (!KnownType(r.type) || (r.type == kSettingTypeDWord && !ConsistentRanges(r))) {
        out.Fail();
        return false;
    }
    ByteWriter w;
    w.WriteU32(r.type);
    w.WriteString(r.name);
    w.WriteString(r.comment);
    w.WriteString(r.valueName);
    if (r.type == kSettingTypeDWord) {
        w.WriteU32(r.value);
        w.WriteU32(r.valueCount);
        w.WriteU32(static_cast<std::uint32_t>(r.triples.size()));
        for (std::uint32_t v : r.triples) w.WriteU32(v);
        w.WriteString(r.tweakMap);
    } else {
        w.WriteString(r.rangeText);
        w.WriteString(r.stringValue);
        w.WriteString(r.tweakMap);
    }
    return out.Append(w);
}

bool SettingValueRecord::operator==(const SettingValueRecord& o) const {
    return type == o.type && present == o.present && valueName == o.valueName &&
           stringValue == o.stringValue && dwordValue == o.dwordValue;
}

bool ReadSettingValueRecord(ByteReader& in, SettingValueRecord& out,
                            std::size_t maxStringValue) {
    SettingValueRecord r;
    std::uint8_t present = 0;
    if (!in.ReadU32(r.type) || !in.ReadU8(present)) return false;
    if (!KnownType(r.type) || present > 1) {
        in.Fail();
        return false;
    }
    r.present = present == 1;
    // The limit holds for every string of the record: a profile keeps none
    // longer, not even a value name.
    if (!in.ReadString(r.valueName, maxStringValue)) return false;
    if (r.present) {
        const bool ok = r.type == kSettingTypeDWord
                            ? in.ReadU32(r.dwordValue)
                            : in.ReadString(r.stringValue, maxStringValue);
        if (!ok) return false;
    }
    out = std::move(r);
    return true;
}

bool WriteSettingValueRecord(ByteWriter& out, const SettingValueRecord& r) {
    if (!KnownType(r.type)) {
        out.Fail();
        return false;
    }
    ByteWriter w;
    w.WriteU32(r.type);
    w.WriteU8(r.present ? 1 : 0);
    w.WriteString(r.valueName);
    if (r.present) {
        if (r.type == kSettingTypeDWord)
            w.WriteU32(r.dwordValue);
        else
            w.WriteString(r.stringValue);
    }
    return out.Append(w);
}

}  // namespace quillon
