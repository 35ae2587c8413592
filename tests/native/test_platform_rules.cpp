// Platform identification rules: device strings, versions, vendors, clock.
#include "platform_rules.h"

#include <gtest/gtest.h>

TEST(PlatformRules, DeviceStrings) {
    struct Case {
        const char* device;
        int32_t vendor, card;
    } cases[] = {
        {"NVIDIA GeForce2 MX", 2, 16},
        {"NVIDIA GeForce3", 2, 32},
        {"NVIDIA GeForce 3 Ti", 2, 8},
        {"NVIDIA GeForce 2 GTS", 2, 16},
        {"nvidia geforce", 2, 8},
        {"ATI RADEON 8500", 1, 4},
        {"ATI Radeon 7500 / 8500", 1, 2},
        {"ATI Radeon DDR", 1, 1},
        {"3dfx Voodoo5 5500", 4, 64},
        {"3dfx Voodoo4", 4, 64},
        {"3dfx Voodoo3", 4, 0},
        {"Wine Display Adapter", 0, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        CardId id = CardFromDeviceString(c.device);
        EXPECT_EQ(id.vendor, c.vendor) << c.device;
        EXPECT_EQ(id.card, c.card) << c.device;
    }
}

TEST(PlatformRules, VersionsVendorsAndMatching) {
    struct Case {
        uint32_t platform, major, minor, build;
        int32_t os, family;
    } versions[] = {
        {1, 4, 90, 3000, 1, 2},  // Windows ME counts as 98
        {1, 4, 10, 2222, 1, 2},
        {2, 4, 0, 1381, 0, 1},   // NT 4 is none of the names
        {2, 5, 0, 2195, 4, 1},
        {2, 5, 1, 2600, 8, 1},
        {2, 5, 2, 3790, 8, 1},
        {2, 6, 0, 6002, 16, 1},
        {2, 6, 1, 7601, 32, 1},
        {2, 6, 2, 9200, 64, 1},
        {2, 6, 3, 9600, 64, 1},   // 8.1 shares Windows 8's bit
        {2, 6, 4, 9841, 0, 1},    // a preview numbering, none of the names
        {2, 10, 0, 19045, 128, 1},
        {2, 10, 0, 21999, 128, 1},
        {2, 10, 0, 22000, 256, 1},
        {2, 10, 1, 30000, 0, 1},
        {2, 11, 0, 30000, 0, 1},
        {0, 3, 1, 0, 0, 0},
    };
    for (const auto& v : versions) {
        PlatformInfo info;
        OsFromVersion(v.platform, v.major, v.minor, v.build, info);
        EXPECT_EQ(info.os, v.os) << v.major << "." << v.minor;
        EXPECT_EQ(info.osFamily, v.family);
    }
    EXPECT_EQ(CardVendorFromCard(32), 2);
    EXPECT_EQ(CardVendorFromCard(64), 4);
    EXPECT_EQ(CardVendorFromCard(4), 1);
    EXPECT_EQ(CardVendorFromCard(3), 0);
    EXPECT_EQ(CpuVendorFromText("GenuineIntel"), 2);
    EXPECT_EQ(CpuVendorFromText("AuthenticAMD"), 1);
    EXPECT_EQ(CpuVendorFromText("CyrixInstead"), 4);
    EXPECT_EQ(CpuVendorFromText("GenuineTMx86"), 0);

    PlatformInfo info;
    info.card = 16;
    info.os = 8;
    EXPECT_TRUE(PlatformMatches(info, ~0ull, ~0u));
    EXPECT_FALSE(PlatformMatches(info, 0, ~0u)) << "card mask 0 hides everything";
    EXPECT_FALSE(PlatformMatches(info, 16, 4));
    EXPECT_TRUE(PlatformMatches(info, 16, 8));
    info.os = 128;  // Windows 10: old masks keep their meaning
    EXPECT_TRUE(PlatformMatches(info, 16, 0xffffffffu));
    EXPECT_FALSE(PlatformMatches(info, 16, 8)) << "a category for XP alone";
    info.card = 256;  // "Other card"
    EXPECT_TRUE(PlatformMatches(info, ~0ull, 0xffffffffu));
    EXPECT_FALSE(PlatformMatches(info, 0x7f, 0xffffffffu));
    EXPECT_EQ(CardVendorFromCard(128), 0);
    EXPECT_EQ(CardVendorFromCard(256), 0);
    info.card = 0;
    EXPECT_FALSE(PlatformMatches(info, ~0ull, ~0u)) << "an unknown card matches nothing";
}

TEST(PlatformRules, ClockRoundsToNearestMegahertzWithoutOverflow) {
    EXPECT_EQ(ClockMhz(1000000000, 3579545, 3579545), 1000);
    EXPECT_EQ(ClockMhz(1499999, 1000, 1000), 1);   // 1.499999 MHz
    EXPECT_EQ(ClockMhz(1500000, 1000, 1000), 2);   // halves go up
    EXPECT_EQ(ClockMhz(123, 0, 1000), 0);
    // A 3 GHz counter frequency times ten billion ticks passes 2^64.
    EXPECT_EQ(ClockMhz(10000000000ull, 10000000000ull, 3000000000ull), 3000);
}
