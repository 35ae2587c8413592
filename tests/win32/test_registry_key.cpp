// The registry class on Wine's real registry: what each typed read accepts
// and refuses, writes read back, and enumeration.
#include "registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kTestKey[] = "Software\\Quillon Tests\\RegistryKey";

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        ASSERT_EQ(key_.Create(HKEY_CURRENT_USER, kTestKey, KEY_ALL_ACCESS), ERROR_SUCCESS);
    }
    void TearDown() override {
        key_.Close();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    void Raw(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(key_.SetValue(name, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    }
    winlib::RegistryKey key_;
};

TEST_F(RegistryKeyTest, TypedReadsTakeOnlyTheirTypeAndSize) {
    Raw("dword", REG_DWORD, std::string("\x2a\0\0\0", 4));
    Raw("short", REG_BINARY, std::string("\x2a\0", 2));
    Raw("text", REG_SZ, std::string("85\0", 3));
    Raw("unterminated", REG_SZ, "abc");
    Raw("expand", REG_EXPAND_SZ, std::string("%WINDIR%\0", 9));
    Raw("list", REG_MULTI_SZ, std::string("a.exe\0b.exe\0\0", 13));
    Raw("long", REG_SZ, std::string(40, 'x') + '\0');

    DWORD number = 7;
    EXPECT_TRUE(key_.QueryDword("dword", number));
    EXPECT_EQ(number, 42u);
    for (const char* other : {"short", "text", "missing"}) {
        number = 7;
        EXPECT_FALSE(key_.QueryDword(other, number)) << other;
        EXPECT_EQ(number, 7u) << "left alone: " << other;
    }

    struct Case {
        const char* name;
        DWORD maxBytes;
        bool found;
        const char* text;
    } cases[] = {
        {"text", 16, true, "85"},          {"unterminated", 16, true, "abc"},
        {"expand", 16, true, "%WINDIR%"},  {"dword", 16, false, ""},
        {"long", 16, false, ""},           {"long", 41, true, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
        {"missing", 16, false, ""},
    };
    for (const Case& c : cases) {
        std::string text = "unchanged";
        EXPECT_EQ(key_.QueryString(c.name, text, c.maxBytes), c.found) << c.name << " " << c.maxBytes;
        if (c.found) {
            EXPECT_EQ(text, c.text) << c.name;
        }
    }

    std::vector<std::string> names;
    EXPECT_TRUE(key_.QueryMultiString("list", names));
    EXPECT_EQ(names, (std::vector<std::string>{"a.exe", "b.exe"}));
    EXPECT_FALSE(key_.QueryMultiString("text", names));
    EXPECT_FALSE(key_.QueryMultiString("list", names, 8)) << "longer than allowed";
}

TEST_F(RegistryKeyTest, WritesReadBackAndValuesEnumerate) {
    EXPECT_EQ(key_.SetDword("a", 0xFFFFFFFFu), ERROR_SUCCESS);
    EXPECT_EQ(key_.SetString("b", ""), ERROR_SUCCESS);
    EXPECT_EQ(key_.SetMultiString("c", {"one", "two"}), ERROR_SUCCESS);
    DWORD number = 0;
    std::string text = "x";
    std::vector<std::string> list;
    EXPECT_TRUE(key_.QueryDword("a", number));
    EXPECT_EQ(number, 0xFFFFFFFFu);
    EXPECT_TRUE(key_.QueryString("b", text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(key_.QueryMultiString("c", list));
    EXPECT_EQ(list, (std::vector<std::string>{"one", "two"}));

    std::vector<std::string> seen;
    std::string name;
    for (DWORD index = 0; key_.EnumValue(index, name); ++index) seen.push_back(name);
    EXPECT_EQ(seen.size(), 3u);

    EXPECT_EQ(key_.DeleteValue("a"), ERROR_SUCCESS);
    EXPECT_FALSE(key_.HasValue("a"));
    EXPECT_NE(key_.DeleteValue("a"), ERROR_SUCCESS);

    winlib::RegistryKey moved = std::move(key_);
    EXPECT_FALSE(key_.IsOpen());
    EXPECT_TRUE(moved.HasValue("b")) << "the key moved with its handle";
    key_ = std::move(moved);
    winlib::RegistryKey absent;
    EXPECT_NE(absent.Open(HKEY_CURRENT_USER, "Software\\Quillon Tests\\No Such Key", KEY_READ), ERROR_SUCCESS);
    EXPECT_FALSE(absent.IsOpen());
}

}  // namespace
