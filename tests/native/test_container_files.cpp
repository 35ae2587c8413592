// The container header, tweak databases and Tabs.stream as plain
// descriptions: round trips, and what survives truncation, huge counts,
// over-long strings and unknown type tags.
#include <gtest/gtest.h>

#include "container_header.h"
#include "database_file.h"
#include "layout_file.h"
#include "record_samples.h"
#include "test_bytes.h"

using namespace quillon;
using quillon_test::Bytes;

namespace {

using Buffer = std::vector<std::uint8_t>;

Layout SampleLayout() {
    Layout layout;
    layout.listStyle = 0x24;
    LayoutTab category;
    category.name = "OpenGL";
    category.category = quillon_test::SampleStaticCategory();
    LayoutTab plugin;
    plugin.type = kTabTypePlugin;
    plugin.pluginFile = "Ramp_Tab.dll";
    LayoutTab hidden = category;
    hidden.name = "Direct3D";
    hidden.category = quillon_test::SampleDynamicCategory();
    layout.tabs = {category, plugin, hidden};
    layout.shownCount = 2;
    layout.currentIndex = 1;
    layout.animation = "Ember_Animation.dll";
    layout.startWithWindows = true;
    return layout;
}

Buffer FileOf(const Layout& layout) {
    Buffer bytes;
    EXPECT_TRUE(LayoutBytes(layout, bytes));
    return bytes;
}

TEST(ContainerHeader, RoundTripsAndTakesAnyFormatNumber) {
    ByteWriter out;
    ASSERT_TRUE(WriteContainerHeader(out, 3));
    EXPECT_EQ(out.bytes(), (Buffer)Bytes().U32(kContainerFormat).U32(3));

    const Buffer newer = Bytes().U32(7).U32(0xFFFFFFFFu);
    ByteReader in(newer);
    ContainerHeader header;
    ASSERT_TRUE(ReadContainerHeader(in, header));
    EXPECT_EQ(header.format, 7u);
    EXPECT_EQ(header.count, 0xFFFFFFFFu);

    for (std::size_t cut = 0; cut < 8; ++cut) {
        ByteReader short_(newer.data(), cut);
        ContainerHeader untouched;
        EXPECT_FALSE(ReadContainerHeader(short_, untouched)) << cut;
        EXPECT_EQ(untouched.count, 0u) << cut;
    }
}

TEST(DatabaseFile, RoundTripsItsEntries) {
    const std::vector<DatabaseEntry> entries = {{"Direct3D", quillon_test::SampleExport()},
                                                {"Empty", CategoryExportRecord()}};
    Buffer bytes;
    ASSERT_TRUE(DatabaseBytes(entries, bytes));
    Database read = ReadDatabase(bytes);
    EXPECT_TRUE(read.intact);
    EXPECT_EQ(read.categories, entries);
}

TEST(DatabaseFile, DamageKeepsTheEntriesBeforeIt) {
    const DatabaseEntry entry{"Direct3D", quillon_test::SampleExport()};
    ByteWriter one;
    ASSERT_TRUE(WriteNamedExport(one, entry.name, entry.record));
    const Buffer record = one.bytes();
    struct Case {
        const char* what;
        Buffer bytes;
        bool intact;
        std::size_t entries;
    };
    const Case cases[] = {
        {"empty file", {}, false, 0},
        {"header cut", Bytes().U32(1).U8(2), false, 0},
        {"no records", Bytes().U32(1).U32(0), true, 0},
        {"huge count, one record", Bytes().U32(1).U32(0xFFFFFFFFu).Raw(record), false, 1},
        {"second record cut",
         Bytes().U32(1).U32(2).Raw(record).Raw(Buffer(record.begin(), record.end() - 1)), false,
         1},
        {"unknown tag ends the list", Bytes().U32(1).U32(3).Raw(record).U32(1).Str("x"), true, 1},
        {"name over 255 bytes",
         Bytes().U32(1).U32(1).U32(kTabTypeCategory).Str(std::string(256, 'n')), false, 0},
        {"name length past the end", Bytes().U32(1).U32(1).U32(0).StrWithCount(0xFFFFFFF0u, "ab"),
         false, 0},
    };
    for (const Case& c : cases) {
        ByteReader in(c.bytes);
        Database read = ReadDatabase(in);
        EXPECT_EQ(read.intact, c.intact) << c.what;
        ASSERT_EQ(read.categories.size(), c.entries) << c.what;
        if (c.entries) {
            EXPECT_EQ(read.categories[0], entry) << c.what;
        }
    }
}

TEST(LayoutFile, RoundTripsEveryField) {
    const Layout layout = SampleLayout();
    const Buffer bytes = FileOf(layout);
    Layout read;
    ASSERT_EQ(ReadLayout(bytes, read), LayoutRead::Complete);
    EXPECT_EQ(read, layout);
}

TEST(LayoutFile, WritesTheCountsOfShownAndHiddenTabs) {
    Layout layout;
    layout.tabs.resize(3);
    for (LayoutTab& tab : layout.tabs) tab.type = kTabTypePlugin;
    layout.shownCount = 7;  // more than there are: all shown
    const Buffer bytes = FileOf(layout);
    ByteReader in(bytes);
    std::uint32_t style = 0;
    std::int32_t shown = 0, hidden = 0;
    ASSERT_TRUE(in.ReadU32(style) && in.ReadI32(shown) && in.ReadI32(hidden));
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(hidden, 0);

    LayoutTab unknown;
    unknown.type = 9;
    ByteWriter out;
    EXPECT_FALSE(WriteLayoutTab(out, unknown));
    EXPECT_TRUE(out.bytes().empty());
}

TEST(LayoutFile, KeepsWhatCameBeforeTheDamage) {
    const Layout layout = SampleLayout();
    const Buffer whole = FileOf(layout);
    Layout trailerless = layout;
    trailerless.currentIndex = -1;
    trailerless.animation.clear();
    trailerless.startWithWindows = false;

    // Every cut inside the tabs keeps the whole tabs before it and no
    // trailing field; a cut in the trailer keeps the fields before it.
    for (std::size_t cut = 12; cut < whole.size(); ++cut) {
        ByteReader in(whole.data(), cut);
        Layout read;
        ASSERT_EQ(ReadLayout(in, read), LayoutRead::Damaged) << cut;
        EXPECT_EQ(read.listStyle, layout.listStyle);
        ASSERT_LE(read.tabs.size(), layout.tabs.size());
        for (std::size_t i = 0; i < read.tabs.size(); ++i) EXPECT_EQ(read.tabs[i], layout.tabs[i]);
        if (read.tabs.size() < layout.tabs.size()) {
            EXPECT_EQ(read.currentIndex, -1) << cut;
            EXPECT_TRUE(read.animation.empty()) << cut;
        }
        EXPECT_FALSE(read.startWithWindows) << cut;
    }
    for (std::size_t cut = 0; cut < 12; ++cut) {
        ByteReader in(whole.data(), cut);
        Layout read;
        EXPECT_EQ(ReadLayout(in, read), LayoutRead::NoHeader) << cut;
    }
}

TEST(LayoutFile, OddCountsAndTagsEndTheTabs) {
    struct Case {
        const char* what;
        Buffer bytes;
        LayoutRead result;
        std::size_t tabs;
        std::int32_t current;
    };
    const Case cases[] = {
        // What follows a negative count cannot be told from tab records: a
        // category's bytes would be read as the current index and animation.
        {"a negative count is damage; nothing after it is read",
         Bytes().U32(0x24).U32(0xFFFFFFFFu).U32(1).U32(kTabTypeCategory).Str("A").U8(0), LayoutRead::Damaged,
         0, -1},
        {"a negative hidden count too",
         Bytes().U32(0x24).U32(0).U32(0x80000000u).U32(1).Str("").U8(0), LayoutRead::Damaged, 0, -1},
        {"huge counts over one plug-in",
         Bytes().U32(0x24).U32(0x7FFFFFFF).U32(0x7FFFFFFF).U32(kTabTypePlugin).Str("A_Tab.dll"),
         LayoutRead::Damaged, 1, -1},
        {"an unknown tag ends everything",
         Bytes().U32(0x24).U32(2).U32(0).U32(kTabTypePlugin).Str("A_Tab.dll").U32(7).U32(0).Str(
             "").U8(0),
         LayoutRead::Damaged, 1, -1},
        {"a plug-in name over 255 bytes",
         Bytes().U32(0x24).U32(1).U32(0).U32(kTabTypePlugin).Str(std::string(256, 'p')).U32(0),
         LayoutRead::Damaged, 0, -1},
    };
    for (const Case& c : cases) {
        ByteReader in(c.bytes);
        Layout read;
        EXPECT_EQ(ReadLayout(in, read), c.result) << c.what;
        EXPECT_EQ(read.tabs.size(), c.tabs) << c.what;
        EXPECT_EQ(read.currentIndex, c.current) << c.what;
    }
}

}  // namespace
