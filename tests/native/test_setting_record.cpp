#include <gtest/gtest.h>

#include "record_samples.h"
#include "setting_record.h"
#include "test_bytes.h"

using namespace quillon;
using quillon_test::Bytes;

namespace {

std::vector<std::uint8_t> Written(const SettingRecord& r) {
    ByteWriter w;
    EXPECT_TRUE(WriteSettingRecord(w, r));
    return w.bytes();
}

// A DWORD setting record with freely chosen (possibly inconsistent) fields.
Bytes DWordBytes(std::uint32_t valueCount, std::uint32_t rangeIntCount,
                 const std::vector<std::uint32_t>& triples, std::uint32_t type = 1) {
    Bytes b;
    b.U32(type).Str("n").Str("c").Str("v").U32(0).U32(valueCount).U32(rangeIntCount);
    for (std::uint32_t t : triples) b.U32(t);
    b.Str("");
    return b;
}

SettingRecord Sentinel() {
    SettingRecord s;
    s.name = "sentinel";
    return s;
}

}  // namespace

TEST(SettingRecord, DWordLayout) {
    SettingRecord s;
    s.type = kSettingTypeDWord;
    s.name = "N";
    s.comment = "";
    s.valueName = "VN";
    s.value = 0x0A;
    s.valueCount = 2;
    s.triples = {0, 1, 1};
    s.tweakMap = "a;";
    const std::vector<std::uint8_t> expected = {
        1, 0, 0, 0,                 // type
        1, 0, 0, 0, 'N',            // name
        0, 0, 0, 0,                 // comment
        2, 0, 0, 0, 'V', 'N',       // valueName
        0x0A, 0, 0, 0,              // value
        2, 0, 0, 0,                 // valueCount
        3, 0, 0, 0,                 // rangeIntCount
        0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,  // from, to, step
        2, 0, 0, 0, 'a', ';'};      // tweakMap
    EXPECT_EQ(Written(s), expected);
}

TEST(SettingRecord, StringLayout) {
    SettingRecord s;
    s.type = kSettingTypeString;
    s.name = "N";
    s.valueName = "V";
    s.rangeText = "x;";
    s.stringValue = "x";
    s.tweakMap = "";
    const std::vector<std::uint8_t> expected = {
        0, 0, 0, 0,               // type
        1, 0, 0, 0, 'N',          // name
        0, 0, 0, 0,               // comment
        1, 0, 0, 0, 'V',          // valueName
        2, 0, 0, 0, 'x', ';',     // range text
        1, 0, 0, 0, 'x',          // value
        0, 0, 0, 0};              // tweakMap
    EXPECT_EQ(Written(s), expected);
}

TEST(SettingRecord, RoundTripConsumesExactly) {
    const SettingRecord samples[] = {quillon_test::SampleDWordSetting(),
                                     quillon_test::SampleStringSetting()};
    for (const SettingRecord& s : samples) {
        SCOPED_TRACE(s.name);
        std::vector<std::uint8_t> bytes = Written(s);
        bytes.push_back(0x99);  // the next record's first byte is left alone
        ByteReader r(bytes);
        SettingRecord back;
        ASSERT_TRUE(ReadSettingRecord(r, back));
        EXPECT_EQ(back, s);
        EXPECT_EQ(r.remaining(), 1u);
    }
}

TEST(SettingRecord, EveryTruncationFailsAndLeavesOutputAlone) {
    const SettingRecord samples[] = {quillon_test::SampleDWordSetting(),
                                     quillon_test::SampleStringSetting()};
    for (const SettingRecord& s : samples) {
        const std::vector<std::uint8_t> bytes = Written(s);
        for (std::size_t len = 0; len < bytes.size(); ++len) {
            SCOPED_TRACE(s.name + " cut at " + std::to_string(len));
            ByteReader r(bytes.data(), len);
            SettingRecord out = Sentinel();
            EXPECT_FALSE(ReadSettingRecord(r, out));
            EXPECT_FALSE(r.ok());
            EXPECT_EQ(out, Sentinel());
        }
    }
}

TEST(SettingRecord, DamagedRecordsAreRejected) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"unknown type 2", DWordBytes(1, 3, {0, 0, 1}, 2)},
        {"type 0xFFFFFFFF", Bytes().U32(0xFFFFFFFFu).Str("n").Str("c").Str("v")},
        {"rangeIntCount not a multiple of 3", DWordBytes(1, 4, {0, 0, 1, 0})},
        {"rangeIntCount negative", DWordBytes(1, 0x80000001u, {0, 0, 1})},
        {"rangeIntCount 0xFFFFFFFF", DWordBytes(1, 0xFFFFFFFFu, {0, 0, 1})},
        {"rangeIntCount past the data", DWordBytes(1, 0x3FFFFFFCu, {0, 0, 1})},
        {"rangeIntCount one triple short", DWordBytes(2, 6, {0, 0, 1})},
        {"step 0", DWordBytes(3, 3, {0, 10, 0})},
        {"step not dividing", DWordBytes(4, 3, {0, 10, 3})},
        {"from > to", DWordBytes(1, 3, {5, 1, 1})},
        {"valueCount too small", DWordBytes(2, 3, {0, 10, 5})},
        {"valueCount too large", DWordBytes(4, 3, {0, 10, 5})},
        {"name of 256 bytes", Bytes().U32(0).Str(std::string(256, 'n')).Str("").Str("")
                                  .Str("").Str("").Str("")},
        {"tweak map count past end", Bytes().U32(0).Str("n").Str("c").Str("v").Str("a;")
                                         .Str("a").StrWithCount(5, "ab")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader r(c.bytes);
        SettingRecord out = Sentinel();
        EXPECT_FALSE(ReadSettingRecord(r, out));
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(out, Sentinel());
    }
}

TEST(SettingRecord, HandMadeConsistentRecordIsAccepted) {
    // Guards the damaged-record table above against rejecting everything.
    const std::vector<std::uint8_t> bytes = DWordBytes(4, 6, {0, 10, 5, 20, 20, 1});
    ByteReader r(bytes);
    SettingRecord out;
    ASSERT_TRUE(ReadSettingRecord(r, out));
    EXPECT_EQ(out.valueCount, 4u);
    EXPECT_TRUE(r.AtEnd());
}

TEST(SettingRecord, StringLengthLimit) {
    for (std::size_t len : {std::size_t(255), std::size_t(256)}) {
        SCOPED_TRACE(len);
        SettingRecord s = quillon_test::SampleStringSetting();
        s.comment.assign(len, 'c');
        ByteWriter w;
        const bool ok = len <= 255;
        EXPECT_EQ(WriteSettingRecord(w, s), ok);
        if (!ok) {
            EXPECT_TRUE(w.bytes().empty());  // nothing half-written
            continue;
        }
        ByteReader r(w.bytes());
        SettingRecord back;
        ASSERT_TRUE(ReadSettingRecord(r, back));
        EXPECT_EQ(back.comment, s.comment);
    }
}

TEST(SettingRecord, WriterRefusesWhatReaderRejects) {
    struct Case {
        const char* what;
        void (*damage)(SettingRecord&);
    };
    const Case cases[] = {
        {"unknown type", [](SettingRecord& s) { s.type = 7; }},
        {"step 0", [](SettingRecord& s) { s.triples = {0, 10, 0}; s.valueCount = 1; }},
        {"stale valueCount", [](SettingRecord& s) { s.valueCount = 5; }},
        {"partial triple", [](SettingRecord& s) { s.triples.push_back(3); }},
        {"long tweak map", [](SettingRecord& s) { s.tweakMap.assign(300, ';'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingRecord s = quillon_test::SampleDWordSetting();
        c.damage(s);
        ByteWriter w;
        w.WriteU8(0x42);
        EXPECT_FALSE(WriteSettingRecord(w, s));
        EXPECT_FALSE(w.ok());
        EXPECT_EQ(w.bytes(), std::vector<std::uint8_t>{0x42});
    }
}

TEST(SettingValueRecord, Layouts) {
    struct Case {
        const char* what;
        SettingValueRecord record;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"dword present", {1, true, "V", "", 0xFFFFFFFFu},
         {1, 0, 0, 0, 1, 1, 0, 0, 0, 'V', 0xFF, 0xFF, 0xFF, 0xFF}},
        {"string present", {0, true, "V", "on", 0},
         {0, 0, 0, 0, 1, 1, 0, 0, 0, 'V', 2, 0, 0, 0, 'o', 'n'}},
        {"absent: no value bytes", {0, false, "V", "", 0},
         {0, 0, 0, 0, 0, 1, 0, 0, 0, 'V'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ByteWriter w;
        ASSERT_TRUE(WriteSettingValueRecord(w, c.record));
        EXPECT_EQ(w.bytes(), c.bytes);

        ByteReader r(c.bytes);
        SettingValueRecord back;
        ASSERT_TRUE(ReadSettingValueRecord(r, back));
        EXPECT_EQ(back, c.record);
        EXPECT_TRUE(r.AtEnd());

        for (std::size_t len = 0; len < c.bytes.size(); ++len) {
            ByteReader cut(c.bytes.data(), len);
            SettingValueRecord out;
            out.valueName = "sentinel";
            EXPECT_FALSE(ReadSettingValueRecord(cut, out)) << len;
            EXPECT_EQ(out.valueName, "sentinel");
        }
    }
}

TEST(SettingValueRecord, DamagedAndLimits) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::size_t maxValue;
        bool ok;
    };
    const std::string v251(251, 's'), v252(252, 's');
    const Case cases[] = {
        {"present byte 2", Bytes().U32(1).U8(2).Str("V").U32(0), 255, false},
        {"type 2", Bytes().U32(2).U8(0).Str("V"), 255, false},
        {"value name 256", Bytes().U32(1).U8(0).Str(std::string(256, 'v')), 255, false},
        {"251-byte value, limit 251", Bytes().U32(0).U8(1).Str("V").Str(v251), 251, true},
        {"252-byte value, limit 251", Bytes().U32(0).U8(1).Str("V").Str(v252), 251, false},
        {"252-byte value, default limit", Bytes().U32(0).U8(1).Str("V").Str(v252), 255, true},
        // The limit holds for names too: a profile keeps no longer string.
        {"252-byte name, limit 251", Bytes().U32(1).U8(0).Str(v252), 251, false},
        {"251-byte name, limit 251", Bytes().U32(1).U8(0).Str(v251), 251, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader r(c.bytes);
        SettingValueRecord out;
        EXPECT_EQ(ReadSettingValueRecord(r, out, c.maxValue), c.ok);
        EXPECT_EQ(r.ok(), c.ok);
    }
}
