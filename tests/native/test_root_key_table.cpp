#include <gtest/gtest.h>

#include <string>

#include "root_key_table.h"

TEST(RootKeyTable, Rows) {
    struct Case {
        std::uint32_t handle;
        const char* longName;
        const char* prefix;
        int position;
    };
    const Case cases[] = {
        {0x80000002u, "HKEY_LOCAL_MACHINE", "HKLM\\", 0},
        {0x80000001u, "HKEY_CURRENT_USER", "HKCU\\", 1},
        {0x80000000u, "HKEY_CLASSES_ROOT", "HKCR\\", 2},
        {0x80000005u, "HKEY_CURRENT_CONFIG", "HKCC\\", 3},
        {0x80000003u, "HKEY_USERS", "HKU\\", 4},
        {0x80000004u, "HKEY_PERFORMANCE_DATA", "HKPD\\", 5},
        {0x80000006u, "HKEY_DYN_DATA", "HKDD\\", 6},
        // Anything else is shown as HKEY_DYN_DATA.
        {0, "HKEY_DYN_DATA", "HKDD\\", 6},
        {0x80000007u, "HKEY_DYN_DATA", "HKDD\\", 6},
        {0xFFFFFFFFu, "HKEY_DYN_DATA", "HKDD\\", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handle);
        EXPECT_STREQ(quillon::RootLongName(c.handle), c.longName);
        EXPECT_STREQ(quillon::RootShortPrefix(c.handle), c.prefix);
        EXPECT_EQ(quillon::RootListPosition(c.handle), c.position);
    }
}

TEST(RootKeyTable, ListPositionsRoundTrip) {
    for (int i = 0; i < quillon::kRootKeyCount; ++i) {
        const std::uint32_t h = quillon::RootFromListPosition(i);
        EXPECT_EQ(quillon::RootListPosition(h), i);
        EXPECT_EQ(quillon::RootKeyRowAt(i).handle, h);
    }
    EXPECT_EQ(quillon::RootFromListPosition(-1), quillon::kRootDynData);
    EXPECT_EQ(quillon::RootFromListPosition(7), quillon::kRootDynData);
}

TEST(RootKeyTable, KeyPathText) {
    EXPECT_EQ(quillon::KeyPathText(quillon::kRootLocalMachine, "SOFTWARE\\Quillon"),
              "HKLM\\SOFTWARE\\Quillon");
    EXPECT_EQ(quillon::KeyPathText(quillon::kRootUsers, ""), "HKU\\");
    EXPECT_EQ(quillon::KeyPathText(0x12345u, "x"), "HKDD\\x");
    const std::string longSub(255, 'k');
    EXPECT_EQ(quillon::KeyPathText(quillon::kRootCurrentUser, longSub), "HKCU\\" + longSub);
}
