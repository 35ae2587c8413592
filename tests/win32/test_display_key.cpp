// DisplayKey.dll through the program's own key lookup: it names the key of
// Wine's display adapter, which opens.
#include "key_lookup.h"
#include "test_support.h"

#include <gtest/gtest.h>

TEST(DisplayKeyDll, NamesTheDisplayAdaptersKey) {
    std::string dll = testsupport::WindowsPathFromEnvironment("DISPLAY_KEY_DLL");
    ASSERT_FALSE(dll.empty()) << "DISPLAY_KEY_DLL is not set";
    DllKeyLookup lookup;
    HKEY root = nullptr;
    std::string subKey;
    ASSERT_TRUE(lookup.Lookup(dll, "", root, subKey));
    EXPECT_EQ(root, HKEY_LOCAL_MACHINE);
    ASSERT_FALSE(subKey.empty());
    HKEY key = nullptr;
    EXPECT_EQ(::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS) << subKey;
    if (key) ::RegCloseKey(key);

    std::string withParameter;
    ASSERT_TRUE(lookup.Lookup(dll, "Settings", root, withParameter));
    EXPECT_EQ(withParameter, subKey + "\\Settings");
}
