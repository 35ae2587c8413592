#include <gtest/gtest.h>

#include <vector>

#include "range_grammar.h"

using quillon::DWordRanges;
using Triples = std::vector<std::uint32_t>;

TEST(DWordRangeParse, Table) {
    struct Case {
        const char* text;
        bool ok;
        Triples triples;
        std::uint32_t count;
        const char* rendered;
    };
    const Case cases[] = {
        {"0-10:5;20;", true, {0, 10, 5, 20, 20, 1}, 4, "0-10:5;20;"},
        {"0-1;", true, {0, 1, 1}, 2, "0-1;"},
        {"0-1", true, {0, 1, 1}, 2, "0-1;"},          // ';' appended
        {"", true, {0, 0, 1}, 1, "0;"},                // empty text: the value 0
        {"-5", true, {0, 5, 1}, 6, "0-5;"},            // leading '-' is a range
        {"7", true, {7, 7, 1}, 1, "7;"},
        {" 3 - 7 : 2", true, {3, 7, 2}, 3, "3-7:2;"},  // atoi skips blanks
        {"12abc;", true, {12, 12, 1}, 1, "12;"},       // atoi stops at non-digit
        {"abc;", true, {0, 0, 1}, 1, "0;"},
        {"+7;", true, {7, 7, 1}, 1, "7;"},
        {"1;;2;", true, {1, 1, 1, 0, 0, 1, 2, 2, 1}, 3, "1;0;2;"},
        {"0-10;20:3;", true, {0, 10, 1, 20, 20, 1}, 12, "0-10;20;"},  // ':' of a later item
        {"5-5:3;", true, {5, 5, 3}, 1, "5;"},
        {"1:2-5;", true, {1, 5, 1}, 5, "1-5;"},        // ':' before '-' ends from's digits
        {"0-2147483647:2147483647;", true, {0, 0x7FFFFFFFu, 0x7FFFFFFFu}, 2,
         "0-2147483647:2147483647;"},
        {"4294967295;", true, {0xFFFFFFFFu, 0xFFFFFFFFu, 1}, 1, "-1;"},  // wraps mod 2^32
        {"1--5;", false, {}, 0, ""},                   // to = -5 < from
        {"5-1;", false, {}, 0, ""},
        {"0-10:0;", false, {}, 0, ""},
        {"0-10:3;", false, {}, 0, ""},
        {"0-10:-5;", false, {}, 0, ""},
        {"0-10:abc;", false, {}, 0, ""},               // step atoi 0
        {"1;5-1;", false, {}, 0, ""},                  // one bad item fails all
        {"0-4294967295;", false, {}, 0, ""},           // to wraps to -1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DWordRanges r;
        ASSERT_EQ(r.Parse(c.text), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(r.triples(), c.triples);
        EXPECT_EQ(r.rangeIntCount(), c.triples.size());
        EXPECT_EQ(r.valueCount(), c.count);
        EXPECT_EQ(r.RangeText(), c.rendered);
        EXPECT_EQ(r.ValueAt(0), c.triples[0]);
    }
}

TEST(DWordRangeParse, ValueCountMustFitThirtyTwoBits) {
    // INT_MIN..INT_MAX (written with wrapping digits) has 2^32 values.
    DWordRanges all;
    EXPECT_FALSE(all.Parse("2147483648-2147483647;"));

    // One value fewer fits exactly...
    DWordRanges almost;
    ASSERT_TRUE(almost.Parse("2147483648-2147483646;"));
    EXPECT_EQ(almost.valueCount(), 0xFFFFFFFFu);
    EXPECT_EQ(almost.RangeText(), "-2147483648-2147483646;");
    EXPECT_EQ(almost.ValueAt(0xFFFFFFFEu), 0x7FFFFFFEu);

    // ...and any further item overflows the sum.
    DWordRanges sum;
    EXPECT_FALSE(sum.Parse("2147483648-2147483646;0;"));
}

TEST(DWordRangeParse, FailureKeepsPreviousRanges) {
    DWordRanges r;
    ASSERT_TRUE(r.Parse("0-10:5;"));
    const DWordRanges before = r;
    EXPECT_FALSE(r.Parse("0-10:3;"));
    EXPECT_EQ(r, before);
}

TEST(DWordRanges, IndexOf) {
    struct Case {
        const char* text;
        std::uint32_t value;
        std::uint32_t index;
    };
    const Case cases[] = {
        {"0-10:5;", 7, 1},  // between steps: the step below
        {"0-10:5;", 10, 2},
        {"0-10:5;", 11, 0},  // outside every range
        {"0-10:5;", 0xFFFFFFFFu, 0},
        {"0-10:5;20;", 20, 3},
        {"0-10:5;20;", 21, 0},
        {"0-10;5;", 5, 5},  // overlapping items: the first wins
        {"2147483648-2147483650;", 0x80000001u, 1},  // compared unsigned
        // A range crossing the sign boundary holds no value unsigned, but
        // still counts its 11 values for the items after it.
        {"4294967291-5;100;", 0, 0},
        {"4294967291-5;100;", 0xFFFFFFFCu, 0},
        {"4294967291-5;100;", 100, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " value " + std::to_string(c.value));
        DWordRanges r;
        ASSERT_TRUE(r.Parse(c.text));
        EXPECT_EQ(r.IndexOf(c.value), c.index);
    }
}

TEST(DWordRanges, ValueAtWalksAllItemsInOrder) {
    DWordRanges r;
    ASSERT_TRUE(r.Parse("0-10:5;20;"));
    const std::uint32_t expected[] = {0, 5, 10, 20};
    for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(r.ValueAt(i), expected[i]) << i;
    EXPECT_EQ(r.ValueAt(4), 0u);
    EXPECT_EQ(r.ValueAt(0xFFFFFFFFu), 0u);

    DWordRanges empty;
    EXPECT_EQ(empty.ValueAt(0), 0u);
    EXPECT_EQ(empty.IndexOf(0), 0u);
}

TEST(DWordRanges, IndexOfInvertsValueAtForDisjointRanges) {
    const char* texts[] = {"0-10:5;20;", "1;2;3;", "100-200:10;5-7;1000;", "0-1;"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        DWordRanges r;
        ASSERT_TRUE(r.Parse(text));
        for (std::uint32_t i = 0; i < r.valueCount(); ++i)
            EXPECT_EQ(r.IndexOf(r.ValueAt(i)), i);
    }
}

TEST(DWordRanges, ValidTriples) {
    struct Case {
        const char* what;
        Triples triples;
        bool ok;
        std::uint32_t count;
    };
    const Case cases[] = {
        {"none", {}, true, 0},
        {"good", {0, 10, 5, 20, 20, 1}, true, 4},
        {"not a multiple of three", {0, 10}, false, 0},
        {"step 0", {0, 10, 0}, false, 0},
        {"negative step", {0, 10, 0xFFFFFFFBu}, false, 0},
        {"from > to", {5, 1, 1}, false, 0},
        {"from > to signed", {0, 0xFFFFFFFFu, 1}, false, 0},
        {"step does not divide", {0, 10, 3}, false, 0},
        {"2^32 values", {0x80000000u, 0x7FFFFFFFu, 1}, false, 0},
        {"sum over 2^32 - 1", {0x80000000u, 0x7FFFFFFEu, 1, 0, 0, 1}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::uint32_t count = 12345;
        EXPECT_EQ(quillon::ValidTriples(c.triples, count), c.ok);
        EXPECT_EQ(count, c.ok ? c.count : 12345u);

        DWordRanges r;
        ASSERT_TRUE(r.Parse("1;"));
        EXPECT_EQ(r.AssignTriples(c.triples), c.ok);
        if (c.ok) {
            EXPECT_EQ(r.triples(), c.triples);
            EXPECT_EQ(r.valueCount(), c.count);
        } else {
            EXPECT_EQ(r.RangeText(), "1;");
        }
    }
}

TEST(Cycling, WrapsAround) {
    struct Case {
        std::uint32_t index, count, next, prev;
    };
    const Case cases[] = {
        {0, 4, 1, 3},
        {3, 4, 0, 2},  // last wraps to first, first to last
        {1, 4, 2, 0},
        {0, 1, 0, 0},
        {0, 0, 0, 0},
        {7, 4, 0, 3},  // already out of range
        {0xFFFFFFFEu, 0xFFFFFFFFu, 0, 0xFFFFFFFDu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " of " + std::to_string(c.count));
        EXPECT_EQ(quillon::NextIndex(c.index, c.count), c.next);
        EXPECT_EQ(quillon::PrevIndex(c.index, c.count), c.prev);
    }
}

TEST(SignedDecimal, RendersRegisterValuesSigned) {
    EXPECT_EQ(quillon::SignedDecimal(0xFFFFFFFFu), "-1");
    EXPECT_EQ(quillon::SignedDecimal(0x80000000u), "-2147483648");
    EXPECT_EQ(quillon::SignedDecimal(0x7FFFFFFFu), "2147483647");
    EXPECT_EQ(quillon::SignedDecimal(0), "0");
}
