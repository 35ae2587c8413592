// Settings against Wine's registry: reading, writing, deleting, cycling and
// the Value column.
#include "model_test_support.h"
#include "reg_key.h"
#include "setting.h"

#include <gtest/gtest.h>

namespace {

class SettingTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(regKey.Create(HKEY_CURRENT_USER, scratch.path()), ERROR_SUCCESS); }
    ScratchKey scratch{"Settings"};
    RegKey regKey;
};

TEST_F(SettingTest, DWordCyclesThroughRangesAndWritesEachValue) {
    scratch.SetDWord("Mode", 7);
    DWordSetting setting("Mode", "Mode", "comment", regKey.handle());
    EXPECT_TRUE(setting.present);
    EXPECT_EQ(setting.value, 7u);

    ASSERT_TRUE(setting.ParseRange("0-10:5;20;"));
    EXPECT_EQ(setting.value, 0u) << "parsing makes the first allowed value current";
    setting.tweakMap = "Zero;Five;Ten;Twenty;";

    // Re-reading 7 lands on the step below it: index 1.
    setting.Read(regKey.handle());
    EXPECT_EQ(setting.index, 1);
    EXPECT_EQ(setting.ColumnText(1), "Five");

    const DWORD expected[] = {10, 20, 0, 5};
    for (DWORD want : expected) {
        setting.SelectNext();
        setting.Write(regKey.handle());
        DWORD stored = 0;
        ASSERT_TRUE(scratch.GetDWord("Mode", stored));
        EXPECT_EQ(stored, want);
    }
    setting.SelectPrevious();
    EXPECT_EQ(setting.value, 0u);
    setting.SelectPrevious();
    EXPECT_EQ(setting.value, 20u) << "previous on the first wraps to the last";
}

TEST_F(SettingTest, ValueColumnFallsBackToNumberAndShowsSignedDecimal) {
    scratch.SetDWord("Big", 0xFFFFFFFF);
    DWordSetting setting("Big", "Big", "", regKey.handle());
    ASSERT_TRUE(setting.ParseRange("0-1;"));
    setting.tweakMap = "Off;On";  // no final ';': entry 1 does not exist
    setting.Read(regKey.handle());
    EXPECT_EQ(setting.index, 0) << "a value outside every range has index 0";
    EXPECT_EQ(setting.ColumnText(1), "Off");
    setting.tweakMap = "";
    EXPECT_EQ(setting.ColumnText(1), "-1");
    EXPECT_EQ(setting.ColumnText(2), "Big");
    EXPECT_EQ(setting.ColumnText(3), "DWord");
    EXPECT_EQ(setting.ColumnText(9), "");
}

TEST_F(SettingTest, DeleteRemovesValueAndMissingValueShowsEmpty) {
    scratch.SetDWord("Gone", 1);
    DWordSetting setting("Gone", "Gone", "", regKey.handle());
    ASSERT_TRUE(setting.ParseRange("0-1;"));
    setting.Delete(regKey.handle());
    EXPECT_FALSE(setting.present);
    EXPECT_FALSE(scratch.HasValue("Gone"));
    EXPECT_EQ(setting.ColumnText(1), "");
    setting.Read(regKey.handle());
    EXPECT_FALSE(setting.present);
}

TEST_F(SettingTest, WriteWithoutKeyStillMarksPresent) {
    DWordSetting setting("X", "X", "", nullptr);
    EXPECT_FALSE(setting.present);
    setting.Write(nullptr);
    EXPECT_TRUE(setting.present);
    StringSetting text("Y", "Y", "", nullptr);
    text.Write(nullptr);
    EXPECT_TRUE(text.present);
}

TEST_F(SettingTest, StringMatchesIgnoringCaseAndQuotesWithoutTweakMap) {
    scratch.SetString("Filter", "ON");
    StringSetting setting("Filter", "Filter", "", regKey.handle());
    setting.ParseRange("off;on;");
    setting.Read(regKey.handle());
    EXPECT_EQ(setting.value, "ON");
    EXPECT_EQ(setting.index, 1);
    EXPECT_EQ(setting.ColumnText(1), "\"ON\"");
    EXPECT_EQ(setting.ColumnText(3), "String");

    setting.SelectNext();
    setting.Write(regKey.handle());
    std::string stored;
    ASSERT_TRUE(scratch.GetString("Filter", stored));
    EXPECT_EQ(stored, "off");
}

TEST_F(SettingTest, OverlongRegistryStringIsNotPresent) {
    scratch.SetString("Long", std::string(300, 'x'));
    StringSetting setting("Long", "Long", "", regKey.handle());
    EXPECT_FALSE(setting.present) << "the value does not fit the 256-byte buffer";
    EXPECT_EQ(setting.value, "");
    scratch.SetString("Fits", std::string(255, 'y'));
    StringSetting fits("Fits", "Fits", "", regKey.handle());
    EXPECT_TRUE(fits.present);
    EXPECT_EQ(fits.value, std::string(255, 'y'));
}

TEST_F(SettingTest, RecordRoundTripRereadsRegistry) {
    scratch.SetDWord("Level", 10);
    DWordSetting original("Level", "Level", "note", regKey.handle());
    ASSERT_TRUE(original.ParseRange("0-10:5;"));
    original.tweakMap = "Low;Mid;High;";
    original.Read(regKey.handle());

    quillon::ByteWriter out;
    ASSERT_TRUE(original.Save(out));
    quillon::ByteReader in(out.bytes().data(), out.bytes().size());
    quillon::SettingRecord record;
    ASSERT_TRUE(quillon::ReadSettingRecord(in, record));

    scratch.SetDWord("Level", 5);
    auto copy = Setting::FromRecord(record, regKey.handle());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetRangeText(), "0-10:5;");
    EXPECT_EQ(copy->ColumnText(1), "Mid") << "values come from the registry, not the file";
    ::RegDeleteValueA(regKey.handle(), "Level");
    auto absent = Setting::FromRecord(record, regKey.handle());
    EXPECT_FALSE(absent->present);
    EXPECT_EQ(static_cast<DWordSetting*>(absent.get())->value, 10u) << "the stored value stays";
}

}  // namespace
