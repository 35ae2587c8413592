#include <gtest/gtest.h>

#include <functional>

#include "category_record.h"
#include "record_samples.h"
#include "root_key_table.h"
#include "test_bytes.h"

using namespace quillon;
using quillon_test::Bytes;

namespace {

using Buffer = std::vector<std::uint8_t>;

Buffer Written(const std::function<bool(ByteWriter&)>& write) {
    ByteWriter w;
    EXPECT_TRUE(write(w));
    return w.bytes();
}

Buffer SettingBytes(const SettingRecord& s) {
    return Written([&](ByteWriter& w) { return WriteSettingRecord(w, s); });
}

// Reads one record form from a buffer; returns success, and whether the
// output object was left as it was before the call.
struct Form {
    const char* name;
    Buffer bytes;
    std::function<bool(ByteReader&, bool& untouched)> read;
};

template <typename Record>
std::function<bool(ByteReader&, bool&)> Reader(bool (*read)(ByteReader&, Record&),
                                               const Record& expected) {
    return [read, expected](ByteReader& r, bool& untouched) {
        Record out;
        out.key.subKey = "sentinel";
        const Record before = out;
        const bool ok = read(r, out);
        untouched = out == before;
        if (ok) {
            EXPECT_EQ(out, expected);
        }
        return ok;
    };
}

template <typename Record>
std::function<bool(ByteReader&, bool&)> NamedReader(
    bool (*read)(ByteReader&, std::string&, Record&), const std::string& name,
    const Record& expected) {
    return [read, name, expected](ByteReader& r, bool& untouched) {
        std::string n = "sentinel";
        Record out;
        const bool ok = read(r, n, out);
        untouched = n == "sentinel" && out == Record();
        if (ok) {
            EXPECT_EQ(n, name);
            EXPECT_EQ(out, expected);
        }
        return ok;
    };
}

bool ReadValuesDefault(ByteReader& r, CategoryValuesRecord& out) {
    return ReadCategoryValues(r, out);
}

std::vector<Form> AllForms() {
    using namespace quillon_test;
    const CategoryRecord st = SampleStaticCategory(), dy = SampleDynamicCategory();
    const CategoryExportRecord ex = SampleExport();
    const CategoryValuesRecord va = SampleValues();
    return {
        {"static category", Written([&](ByteWriter& w) { return WriteCategoryRecord(w, st); }),
         Reader<CategoryRecord>(ReadCategoryRecord, st)},
        {"dynamic category", Written([&](ByteWriter& w) { return WriteCategoryRecord(w, dy); }),
         Reader<CategoryRecord>(ReadCategoryRecord, dy)},
        {"named category",
         Written([&](ByteWriter& w) { return WriteNamedCategory(w, "Direct3D", st); }),
         NamedReader<CategoryRecord>(ReadNamedCategory, "Direct3D", st)},
        {"export", Written([&](ByteWriter& w) { return WriteCategoryExport(w, ex); }),
         Reader<CategoryExportRecord>(ReadCategoryExport, ex)},
        {"named export",
         Written([&](ByteWriter& w) { return WriteNamedExport(w, "OpenGL", ex); }),
         NamedReader<CategoryExportRecord>(ReadNamedExport, "OpenGL", ex)},
        {"values", Written([&](ByteWriter& w) { return WriteCategoryValues(w, va); }),
         Reader<CategoryValuesRecord>(ReadValuesDefault, va)},
    };
}

}  // namespace

TEST(CategoryKey, Layouts) {
    CategoryKeyRecord st;
    st.root = kRootCurrentUser;
    st.subKey = "S";
    CategoryKeyRecord dy;
    dy.dynamic = true;
    dy.dllFile = "D";
    dy.parameter = "P";
    struct Case {
        const char* what;
        CategoryKeyRecord key;
        Buffer bytes;
    };
    const Case cases[] = {
        {"static", st, {0, 0x01, 0, 0, 0x80, 1, 0, 0, 0, 'S'}},
        {"dynamic", dy, {1, 1, 0, 0, 0, 'D', 1, 0, 0, 0, 'P'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Written([&](ByteWriter& w) { return WriteCategoryKey(w, c.key); }), c.bytes);
        ByteReader r(c.bytes);
        CategoryKeyRecord back;
        ASSERT_TRUE(ReadCategoryKey(r, back));
        EXPECT_EQ(back, c.key);
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST(CategoryKey, DynamicKeyDoesNotStoreRootOrSubKey) {
    CategoryKeyRecord k;
    k.dynamic = true;
    k.dllFile = "D";
    k.root = kRootLocalMachine;  // resolved at run time, not saved
    k.subKey = "resolved";
    const Buffer bytes = Written([&](ByteWriter& w) { return WriteCategoryKey(w, k); });
    ByteReader r(bytes);
    CategoryKeyRecord back;
    ASSERT_TRUE(ReadCategoryKey(r, back));
    EXPECT_EQ(back.root, 0u);
    EXPECT_EQ(back.subKey, "");
    EXPECT_EQ(back.dllFile, "D");
}

TEST(CategoryKey, DynamicFlagOtherThanZeroOrOneIsRejected) {
    const Buffer bytes = Bytes().U8(2).Str("D").Str("P");
    ByteReader r(bytes);
    CategoryKeyRecord k;
    EXPECT_FALSE(ReadCategoryKey(r, k));
    EXPECT_FALSE(r.ok());
}

TEST(CategoryRecord, LayoutWithoutSettings) {
    CategoryRecord c;
    c.sortColumn = 3;
    c.sortAscending = 1;
    c.cardMask = 0x0102030405060708ull;
    c.osMask = 0x11223344u;
    c.key.root = kRootLocalMachine;
    c.key.subKey = "K";
    c.columnWidths = {{1, 2, 3, 4, -1}};
    c.textColor = 0x0000FFFFu;
    c.textBkColor = kColorNone;
    c.bkColor = 0x00ABCDEFu;
    c.bkImage = "I";
    c.bkImageTiled = 1;
    const Buffer expected = Bytes()
                                .U32(3)                      // sortColumn
                                .U8(1)                       // sortAscending
                                .U64(0x0102030405060708ull)  // cardMask
                                .U32(0x11223344u)            // osMask
                                .U8(0).U32(0x80000002u).Str("K")
                                .U32(0)                      // no settings
                                .U32(1).U32(2).U32(3).U32(4).U32(0xFFFFFFFFu)
                                .U32(0x0000FFFFu).U32(0xFFFFFFFFu).U32(0x00ABCDEFu)
                                .Str("I")
                                .U32(1);
    EXPECT_EQ(Written([&](ByteWriter& w) { return WriteCategoryRecord(w, c); }), expected);
}

TEST(CategoryRecord, ExportAndValuesLayouts) {
    const SettingRecord s = quillon_test::SampleDWordSetting();
    CategoryExportRecord e;
    e.key.dynamic = true;
    e.key.dllFile = "D";
    e.key.parameter = "P";
    e.body.cardMask = 5;
    e.body.osMask = 6;
    e.body.settings = {s};
    const Buffer exportBytes = Bytes()
                                   .U32(0).Str("Name")  // tag and name
                                   .U8(1).Str("D").Str("P")
                                   .U64(5).U32(6)
                                   .U32(1).Raw(SettingBytes(s));
    EXPECT_EQ(Written([&](ByteWriter& w) { return WriteNamedExport(w, "Name", e); }),
              exportBytes);

    CategoryValuesRecord v;
    v.key.root = kRootUsers;
    SettingValueRecord sv;
    sv.type = kSettingTypeDWord;
    sv.present = true;
    sv.valueName = "V";
    sv.dwordValue = 9;
    v.values = {sv};
    const Buffer valuesBytes =
        Bytes().U8(0).U32(0x80000003u).Str("").U32(1).U32(1).U8(1).Str("V").U32(9);
    EXPECT_EQ(Written([&](ByteWriter& w) { return WriteCategoryValues(w, v); }), valuesBytes);
}

TEST(CategoryRecord, AllFormsRoundTrip) {
    for (const Form& f : AllForms()) {
        SCOPED_TRACE(f.name);
        Buffer bytes = f.bytes;
        bytes.push_back(0x77);
        ByteReader r(bytes);
        bool untouched = true;
        ASSERT_TRUE(f.read(r, untouched));
        EXPECT_FALSE(untouched);
        EXPECT_EQ(r.remaining(), 1u);
    }
}

TEST(CategoryRecord, EveryTruncationOfEveryFormFailsCleanly) {
    for (const Form& f : AllForms()) {
        for (std::size_t len = 0; len < f.bytes.size(); ++len) {
            SCOPED_TRACE(std::string(f.name) + " cut at " + std::to_string(len));
            ByteReader r(f.bytes.data(), len);
            bool untouched = false;
            EXPECT_FALSE(f.read(r, untouched));
            EXPECT_TRUE(untouched);
            EXPECT_FALSE(r.ok());
            EXPECT_LE(r.offset(), len);
        }
    }
}

TEST(CategoryRecord, MergeReadsBodyAfterCallerReadTagNameAndKey) {
    const CategoryExportRecord e = quillon_test::SampleExport();
    const Buffer bytes = Written([&](ByteWriter& w) { return WriteNamedExport(w, "OpenGL", e); });
    ByteReader r(bytes);
    std::uint32_t tag = 9;
    std::string name;
    CategoryKeyRecord key;
    CategoryExportBody body;
    ASSERT_TRUE(r.ReadU32(tag) && r.ReadString(name) && ReadCategoryKey(r, key));
    EXPECT_EQ(tag, kTabTypeCategory);
    EXPECT_EQ(name, "OpenGL");
    EXPECT_EQ(key, e.key);
    ASSERT_TRUE(ReadExportBody(r, body));
    EXPECT_EQ(body, e.body);
    EXPECT_TRUE(r.AtEnd());
}

TEST(CategoryRecord, DamagedInputIsRejected) {
    const Buffer good = SettingBytes(quillon_test::SampleStringSetting());
    const Buffer bad = Bytes().U32(5).Str("n").Str("c").Str("v");  // unknown setting type
    auto exportWith = [](std::uint32_t n, const Buffer& settings) -> Buffer {
        return Bytes().U8(0).U32(0x80000002u).Str("K").U64(0).U32(0).U32(n).Raw(settings);
    };
    struct Case {
        const char* what;
        Buffer bytes;
    };
    const Case cases[] = {
        {"huge count over one setting", exportWith(0xFFFFFFFFu, good)},
        {"count one more than present", exportWith(2, good)},
        {"unknown setting type", exportWith(2, Bytes().Raw(good).Raw(bad))},
        {"dynamic flag 7", Bytes().U8(7).Str("D").Str("P").U64(0).U32(0).U32(0)},
        {"subkey of 256 bytes", Bytes().U8(0).U32(0x80000002u).Str(std::string(256, 'k'))
                                    .U64(0).U32(0).U32(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader r(c.bytes);
        CategoryExportRecord out;
        EXPECT_FALSE(ReadCategoryExport(r, out));
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(out, CategoryExportRecord());
    }
    // Sanity: the same framing with a matching count reads.
    const Buffer ok = exportWith(1, good);
    ByteReader r(ok);
    CategoryExportRecord out;
    EXPECT_TRUE(ReadCategoryExport(r, out));
}

TEST(CategoryRecord, HugeValueCountWithShortData) {
    const Buffer bytes = Bytes().U8(0).U32(0x80000002u).Str("K").U32(0xFFFFFFFFu)
                             .U32(1).U8(0).Str("V");
    ByteReader r(bytes);
    CategoryValuesRecord out;
    EXPECT_FALSE(ReadCategoryValues(r, out));
    EXPECT_TRUE(out.values.empty());
}

TEST(CategoryRecord, NamedFormsRequireCategoryTag) {
    const CategoryRecord c = quillon_test::SampleDynamicCategory();
    Buffer bytes = Written([&](ByteWriter& w) { return WriteNamedCategory(w, "X", c); });
    bytes[0] = static_cast<std::uint8_t>(kTabTypePlugin);
    ByteReader r(bytes);
    std::string name;
    CategoryRecord out;
    EXPECT_FALSE(ReadNamedCategory(r, name, out));
    EXPECT_EQ(r.offset(), 4u);  // stopped right after the tag
}

TEST(CategoryRecord, ValuesBodyHonoursStringLimit) {
    CategoryValuesRecord v = quillon_test::SampleValues();
    v.values[1].stringValue.assign(252, 's');
    const Buffer bytes = Written([&](ByteWriter& w) { return WriteCategoryValues(w, v); });
    for (std::size_t limit : {std::size_t(251), std::size_t(255)}) {
        SCOPED_TRACE(limit);
        ByteReader r(bytes);
        CategoryValuesRecord out;
        EXPECT_EQ(ReadCategoryValues(r, out, limit), limit >= 252);
    }
}

TEST(CategoryRecord, WriterRefusesInvalidSettingAndAppendsNothing) {
    CategoryRecord c = quillon_test::SampleStaticCategory();
    c.settings[0].triples = {0, 10, 0};
    ByteWriter w;
    w.WriteU32(0xCAFEu);
    EXPECT_FALSE(WriteNamedCategory(w, "X", c));
    EXPECT_EQ(w.bytes().size(), 4u);

    CategoryRecord longName = quillon_test::SampleStaticCategory();
    ByteWriter w2;
    EXPECT_FALSE(WriteNamedCategory(w2, std::string(256, 'n'), longName));
    EXPECT_TRUE(w2.bytes().empty());
}
