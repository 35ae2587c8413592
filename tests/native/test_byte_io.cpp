#include <gtest/gtest.h>

#include <climits>

#include "byte_io.h"
#include "test_bytes.h"

using quillon::ByteReader;
using quillon::ByteWriter;
using quillon_test::Bytes;

TEST(ByteReader, DecodesLittleEndianIntegers) {
    const std::vector<std::uint8_t> bytes = {
        0x78, 0x56, 0x34, 0x12,                          // u32
        0xFF, 0xFF, 0xFF, 0xFF,                          // i32 -1
        0x00, 0x00, 0x00, 0x80,                          // i32 INT_MIN
        0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x81,  // u64
        0xAB};
    ByteReader r(bytes);
    std::uint32_t u = 0;
    std::int32_t a = 0, b = 0;
    std::uint64_t q = 0;
    std::uint8_t c = 0;
    ASSERT_TRUE(r.ReadU32(u));
    ASSERT_TRUE(r.ReadI32(a));
    ASSERT_TRUE(r.ReadI32(b));
    ASSERT_TRUE(r.ReadU64(q));
    ASSERT_TRUE(r.ReadU8(c));
    EXPECT_EQ(u, 0x12345678u);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, INT_MIN);
    EXPECT_EQ(q, 0x8102030405060708ull);
    EXPECT_EQ(c, 0xAB);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_TRUE(r.ok());
}

TEST(ByteReader, ShortReadFailsWithoutMovingAndStaysFailed) {
    struct Case {
        const char* what;
        std::size_t size;
        bool (*read)(ByteReader&);
    };
    const Case cases[] = {
        {"u8 of empty", 0, [](ByteReader& r) { std::uint8_t v = 7; return r.ReadU8(v) || v != 7; }},
        {"u32 of 3", 3, [](ByteReader& r) { std::uint32_t v = 7; return r.ReadU32(v) || v != 7; }},
        {"i32 of 3", 3, [](ByteReader& r) { std::int32_t v = 7; return r.ReadI32(v) || v != 7; }},
        {"u64 of 7", 7, [](ByteReader& r) { std::uint64_t v = 7; return r.ReadU64(v) || v != 7; }},
        {"string of 3", 3, [](ByteReader& r) { std::string v = "x"; return r.ReadString(v) || v != "x"; }},
    };
    const std::vector<std::uint8_t> data(16, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader r(data.data(), c.size);
        EXPECT_FALSE(c.read(r));  // failed and left its output alone
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.offset(), 0u);
        // Sticky: a one-byte read that would fit the data now fails too.
        std::uint8_t b = 0;
        EXPECT_FALSE(r.ReadU8(b));
        EXPECT_EQ(r.offset(), 0u);
    }
}

TEST(ByteReader, FailureAfterGoodReadsKeepsLaterReadsFailing) {
    const std::vector<std::uint8_t> data = {1, 0, 0, 0, 2};
    ByteReader r(data);
    std::uint32_t u = 0;
    ASSERT_TRUE(r.ReadU32(u));
    EXPECT_FALSE(r.ReadU32(u));  // only one byte left
    EXPECT_EQ(r.offset(), 4u);
    std::uint8_t b = 0;
    EXPECT_FALSE(r.ReadU8(b));  // that byte is no longer readable
    EXPECT_EQ(b, 0);
}

TEST(ByteReader, StringLimits) {
    struct Case {
        const char* what;
        std::uint32_t count;
        std::size_t bytesPresent;
        std::size_t maxLength;
        bool ok;
    };
    const Case cases[] = {
        {"empty", 0, 0, 255, true},
        {"255 bytes", 255, 255, 255, true},
        {"256 bytes", 256, 256, 255, false},
        {"count past end", 10, 9, 255, false},
        {"huge count", 0xFFFFFFFFu, 4, 255, false},
        {"huge count, no limit", 0xFFFFFFFFu, 4, static_cast<std::size_t>(-1), false},
        {"smaller limit met", 251, 251, 251, true},
        {"smaller limit exceeded", 252, 252, 251, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint8_t> bytes =
            Bytes().StrWithCount(c.count, std::string(c.bytesPresent, 'q'));
        ByteReader r(bytes);
        std::string s = "untouched";
        EXPECT_EQ(r.ReadString(s, c.maxLength), c.ok);
        EXPECT_EQ(r.ok(), c.ok);
        if (c.ok) {
            EXPECT_EQ(s, std::string(c.count, 'q'));
            EXPECT_TRUE(r.AtEnd());
        } else {
            EXPECT_EQ(s, "untouched");
            EXPECT_EQ(r.offset(), 0u);
        }
    }
}

TEST(ByteReader, StringKeepsEmbeddedZeroAndHighBytes) {
    const std::string text("a\0\xFF" "b", 4);
    const std::vector<std::uint8_t> bytes = Bytes().Str(text);
    ByteReader r(bytes);
    std::string s;
    ASSERT_TRUE(r.ReadString(s));
    EXPECT_EQ(s, text);
}

TEST(ByteReader, NullBufferIsEmpty) {
    ByteReader r(nullptr, 100);
    std::uint8_t b = 0;
    EXPECT_EQ(r.size(), 0u);
    EXPECT_FALSE(r.ReadU8(b));
}

TEST(ByteWriter, EncodesLittleEndian) {
    ByteWriter w;
    w.WriteU8(0xAB);
    w.WriteU32(0x12345678u);
    w.WriteI32(-2);
    w.WriteU64(0x0102030405060708ull);
    ASSERT_TRUE(w.WriteString("hi"));
    const std::vector<std::uint8_t> expected = {
        0xAB, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF,
        0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,
        0x02, 0x00, 0x00, 0x00, 'h', 'i'};
    EXPECT_EQ(w.bytes(), expected);
}

TEST(ByteWriter, RefusesOverlongStringWithoutTruncating) {
    ByteWriter w;
    ASSERT_TRUE(w.WriteString(std::string(255, 'a')));
    const std::size_t before = w.bytes().size();
    EXPECT_FALSE(w.WriteString(std::string(256, 'b')));
    EXPECT_FALSE(w.ok());
    EXPECT_EQ(w.bytes().size(), before);
    // Later writes are ignored so a half-written record cannot follow.
    w.WriteU32(1);
    EXPECT_FALSE(w.WriteString("x"));
    EXPECT_EQ(w.bytes().size(), before);
}

TEST(ByteWriter, AppendPropagatesFailure) {
    ByteWriter good;
    good.WriteU8(1);
    ByteWriter bad;
    bad.WriteU8(2);
    bad.Fail();

    ByteWriter target;
    EXPECT_TRUE(target.Append(good));
    EXPECT_FALSE(target.Append(bad));
    EXPECT_FALSE(target.ok());
    EXPECT_EQ(target.bytes(), std::vector<std::uint8_t>{1});
}

TEST(ByteIo, WriterOutputReadsBack) {
    ByteWriter w;
    w.WriteU32(0);
    w.WriteU32(0xFFFFFFFFu);
    w.WriteI32(INT_MIN);
    w.WriteU64(~0ull);
    w.WriteString("");
    w.WriteString(std::string(255, '\xE9'));
    ASSERT_TRUE(w.ok());

    ByteReader r(w.bytes());
    std::uint32_t a = 1, b = 0;
    std::int32_t c = 0;
    std::uint64_t d = 0;
    std::string e = "x", f;
    ASSERT_TRUE(r.ReadU32(a) && r.ReadU32(b) && r.ReadI32(c) && r.ReadU64(d) &&
                r.ReadString(e) && r.ReadString(f));
    EXPECT_EQ(a, 0u);
    EXPECT_EQ(b, 0xFFFFFFFFu);
    EXPECT_EQ(c, INT_MIN);
    EXPECT_EQ(d, ~0ull);
    EXPECT_EQ(e, "");
    EXPECT_EQ(f, std::string(255, '\xE9'));
    EXPECT_TRUE(r.AtEnd());
}
