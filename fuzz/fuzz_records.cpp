// libFuzzer target for the record readers and the range grammars.
//
// Every reader gets the whole input. When one succeeds, what it read must
// write back to exactly the bytes it consumed (the encodings have no slack:
// flags are strictly 0/1 and every count is checked), and reading that
// output again must give an equal record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "byte_io.h"
#include "category_record.h"
#include "command_line.h"
#include "database_file.h"
#include "layout_file.h"
#include "range_grammar.h"
#include "setting_record.h"

using namespace quillon;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Reads a record, rewrites it and compares bytes and records.
template <typename Record, typename Read, typename Write>
void RoundTrip(const std::uint8_t* data, std::size_t size, Read read, Write write) {
    ByteReader in(data, size);
    Record first;
    if (!read(in, first)) {
        Check(!in.ok());
        Check(in.offset() <= size);
        return;
    }
    Check(in.ok());
    ByteWriter out;
    Check(write(out, first));
    const std::vector<std::uint8_t>& bytes = out.bytes();
    Check(bytes.size() == in.offset());
    Check(std::equal(bytes.begin(), bytes.end(), data));

    ByteReader again(bytes);
    Record second;
    Check(read(again, second));
    Check(again.AtEnd());
    Check(second == first);
}

struct Named {
    std::string name;
    CategoryRecord category;
    CategoryExportRecord exported;
    bool operator==(const Named& o) const {
        return name == o.name && category == o.category && exported == o.exported;
    }
};

void FuzzRecords(const std::uint8_t* data, std::size_t size) {
    RoundTrip<SettingRecord>(
        data, size, [](ByteReader& r, SettingRecord& s) { return ReadSettingRecord(r, s); },
        [](ByteWriter& w, const SettingRecord& s) { return WriteSettingRecord(w, s); });
    RoundTrip<SettingValueRecord>(
        data, size,
        [](ByteReader& r, SettingValueRecord& s) { return ReadSettingValueRecord(r, s); },
        [](ByteWriter& w, const SettingValueRecord& s) { return WriteSettingValueRecord(w, s); });
    RoundTrip<CategoryRecord>(
        data, size, [](ByteReader& r, CategoryRecord& c) { return ReadCategoryRecord(r, c); },
        [](ByteWriter& w, const CategoryRecord& c) { return WriteCategoryRecord(w, c); });
    RoundTrip<Named>(
        data, size,
        [](ByteReader& r, Named& n) { return ReadNamedCategory(r, n.name, n.category); },
        [](ByteWriter& w, const Named& n) { return WriteNamedCategory(w, n.name, n.category); });
    RoundTrip<Named>(
        data, size,
        [](ByteReader& r, Named& n) { return ReadNamedExport(r, n.name, n.exported); },
        [](ByteWriter& w, const Named& n) { return WriteNamedExport(w, n.name, n.exported); });
    RoundTrip<CategoryExportRecord>(
        data, size,
        [](ByteReader& r, CategoryExportRecord& c) { return ReadCategoryExport(r, c); },
        [](ByteWriter& w, const CategoryExportRecord& c) { return WriteCategoryExport(w, c); });
    RoundTrip<CategoryValuesRecord>(
        data, size,
        [](ByteReader& r, CategoryValuesRecord& c) { return ReadCategoryValues(r, c, 251); },
        [](ByteWriter& w, const CategoryValuesRecord& c) { return WriteCategoryValues(w, c); });
}

// The file readers keep what came before damage, so they are checked for
// staying inside the input and for writing back what they kept.
void FuzzFiles(const std::uint8_t* data, std::size_t size) {
    {
        ByteReader in(data, size);
        Database database = ReadDatabase(in);
        Check(in.offset() <= size);
        ByteWriter out;
        Check(WriteDatabase(out, database.categories));
        ByteReader again(out.bytes());
        Database reread = ReadDatabase(again);
        Check(reread.intact && reread.categories == database.categories);
    }
    {
        ByteReader in(data, size);
        Layout layout;
        const LayoutRead result = ReadLayout(in, layout);
        Check(in.offset() <= size);
        if (result == LayoutRead::NoHeader) return;
        Check(layout.tabs.size() <= size);
        ByteWriter out;
        Check(WriteLayout(out, layout));
        ByteReader again(out.bytes());
        Layout reread;
        Check(ReadLayout(again, reread) == LayoutRead::Complete);
        if (layout.shownCount <= layout.tabs.size()) Check(reread == layout);
    }
}

bool AllNonNegative(const std::vector<std::uint32_t>& triples) {
    for (std::uint32_t v : triples)
        if (v > 0x7FFFFFFFu) return false;
    return true;
}

void FuzzDWordGrammar(const std::string& text) {
    DWordRanges r;
    if (!r.Parse(text)) return;
    std::uint32_t count = 0;
    Check(ValidTriples(r.triples(), count) && count == r.valueCount());
    Check(r.valueCount() >= 1);  // every text has at least one item

    // Sampled positions map to values whose index is in range.
    const std::uint32_t n = r.valueCount();
    const std::uint32_t probes[] = {0, 1, n / 2, n - 1, n, 0xFFFFFFFFu};
    for (std::uint32_t i : probes) {
        const std::uint32_t index = r.IndexOf(r.ValueAt(i));
        Check(index < n);
    }
    Check(NextIndex(n - 1, n) == 0 && PrevIndex(0, n) == n - 1);

    // The rendering parses back to the same allowed values. Negative
    // numbers render with a '-' that the grammar reads as a range
    // separator, so only non-negative ranges are expected to survive.
    if (!AllNonNegative(r.triples())) return;
    DWordRanges again;
    Check(again.Parse(r.RangeText()));
    Check(again.valueCount() == r.valueCount());
    Check(again.RangeText() == r.RangeText());
    for (std::uint32_t i : probes) Check(again.ValueAt(i) == r.ValueAt(i));
}

void FuzzStringGrammar(const std::string& text) {
    const std::vector<std::string> items = ParseStringList(text);
    Check(!items.empty());
    const std::string rendered = StringListText(items);
    Check(ParseStringList(rendered) == items);
    Check(StringIndexOf(items, items.back()) < items.size());
    Check(TweakMapEntry(rendered, static_cast<std::uint32_t>(items.size() - 1)) == items.back());
    Check(TweakMapEntry(rendered, static_cast<std::uint32_t>(items.size())).empty());
}

}  // namespace

// The profile name is always a piece of the line after "Profile=".
void FuzzCommandLine(const std::string& line) {
    ProfileRequest request = FindProfileRequest(line);
    size_t token = line.find("Profile=");
    Check(request.present == (token != std::string::npos));
    if (!request.present) return;
    Check(request.name.size() <= line.size() - token - 8);
    Check(line.find(request.name, token + 8) != std::string::npos);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecords(data, size);
    FuzzFiles(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    FuzzDWordGrammar(text);
    FuzzStringGrammar(text);
    FuzzCommandLine(text);
    return 0;
}
