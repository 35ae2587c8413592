// The text form of tweak databases: round trips both ways and clear errors.
#include "database_text.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

std::vector<DatabaseEntry> Sample() {
    DatabaseEntry wine;
    wine.name = "Wine \"Direct3D\"";
    wine.record.key.root = 0x80000001u;
    wine.record.key.subKey = "Software\\Wine\\Direct3D";
    wine.record.body.cardMask = 0xFFFFFFFFFFFFFFFFull;
    wine.record.body.osMask = 0x3F;
    SettingRecord csmt;
    csmt.type = kSettingTypeDWord;
    csmt.name = "Command stream";
    csmt.valueName = "csmt";
    csmt.value = 1;
    csmt.triples = {0, 1, 1};
    csmt.valueCount = 2;
    csmt.tweakMap = "Off;On;";
    csmt.comment = "Runs Direct3D on a thread of its own.\tTab and caf\xe9.";
    SettingRecord odd;
    odd.type = kSettingTypeDWord;
    odd.name = "Negative steps";
    odd.valueName = "Odd";
    odd.value = 0xFFFFFFFFu;
    odd.triples = {5, 5, 3, 0xFFFFFFF6u, 10, 5};  // a single value kept with its step
    odd.valueCount = 6;
    SettingRecord none;  // a DWORD setting without allowed values
    none.type = kSettingTypeDWord;
    none.name = "No values";
    none.valueName = "None";
    SettingRecord renderer;
    renderer.type = kSettingTypeString;
    renderer.name = "Renderer";
    renderer.valueName = "renderer";
    renderer.stringValue = "gl";
    renderer.rangeText = "gl;vulkan;no3d;";
    wine.record.body.settings = {csmt, odd, none, renderer};
    DatabaseEntry display;
    display.name = "Display driver";
    display.record.key.dynamic = true;
    display.record.key.dllFile = "DisplayKey.dll";
    display.record.key.parameter = "";
    return {wine, display};
}

}  // namespace

TEST(DatabaseText, RoundTripsBothWays) {
    std::vector<DatabaseEntry> entries = Sample();
    std::string text = DatabaseText(entries);
    std::vector<DatabaseEntry> parsed;
    std::string error;
    ASSERT_TRUE(ParseDatabaseText(text, "sample.txt", parsed, error)) << error << "\n" << text;
    EXPECT_EQ(parsed, entries);
    EXPECT_EQ(DatabaseText(parsed), text);
    std::vector<std::uint8_t> first, second;
    ASSERT_TRUE(DatabaseBytes(entries, first));
    ASSERT_TRUE(DatabaseBytes(parsed, second));
    EXPECT_EQ(first, second);
    EXPECT_NE(text.find("caf\\xe9"), std::string::npos) << "bytes outside ASCII are escaped";
    EXPECT_NE(text.find("triples 5 5 3 -10 10 5\n"), std::string::npos) << text;

    std::vector<DatabaseEntry> none;
    ASSERT_TRUE(ParseDatabaseText("# nothing but a comment\n\n", "empty.txt", none, error));
    EXPECT_TRUE(none.empty());
}

TEST(DatabaseText, ErrorsNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"categor \"x\"\n", "t.txt:1: expected 'category', found 'categor'"},
        {"category \"x\"\nend\n", "t.txt:2: the category has no 'key'"},
        {"category \"x\"\n  key HKEY_NOWHERE \"a\"\n", "t.txt:2: unknown root 'HKEY_NOWHERE'"},
        {"category \"x\n", "t.txt:1: a string is not closed"},
        {"category \"x\"\n key HKEY_CURRENT_USER \"a\"\n setting dword \"s\"\n  value-name \"v\"\n"
         "  default 1\n  range \"5-1;\"\n", "t.txt:6: '5-1;' is not a range of numbers"},
        {"category \"x\"\n key HKEY_CURRENT_USER \"a\"\n setting dword \"s\"\n  value-name \"v\"\n"
         "  range \"0-1;\"\n end\n", "t.txt:6: the setting has no 'default'"},
        {"category \"x\"\n key HKEY_CURRENT_USER \"a\"\n cards 0x1ffffffffffffffff\n",
         "t.txt:3: '0x1ffffffffffffffff' is not a number"},
        {"category \"x\"\n key HKEY_CURRENT_USER \"a\"\n os 12abc\n", "t.txt:3: '12abc' is not a number"},
        {"category \"x\"\n key HKEY_CURRENT_USER \"a\"\n", "t.txt:3: the file ends inside a category"},
        {"category \"a\\q\"\n", "t.txt:1: unknown escape \\q"},
    };
    for (const Case& c : cases) {
        std::vector<DatabaseEntry> entries = Sample();
        std::string error;
        EXPECT_FALSE(ParseDatabaseText(c.text, "t.txt", entries, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(entries, Sample()) << "nothing changes on an error";
    }
    std::string longName = "category \"" + std::string(256, 'n') + "\"\n";
    std::vector<DatabaseEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseDatabaseText(longName, "t.txt", entries, error));
    EXPECT_EQ(error, "t.txt:1: a text of 256 bytes is over the 255 a database keeps");
}
