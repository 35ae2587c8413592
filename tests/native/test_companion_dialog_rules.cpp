// The companion dialogs' and the Preferences dialog's portable rules.
#include "companion_settings.h"
#include "hot_key_choice.h"
#include "preferences_rules.h"
#include "profile_command.h"

#include <gtest/gtest.h>

TEST(HotKeyChoice, CodesBecomeChoicesAndBack) {
    struct Case {
        uint32_t code;
        uint32_t key, modifiers;
    } cases[] = {
        {0x30051, 'Q', kChoiceAlt | kChoiceCtrl},
        {0x10047, 'G', kChoiceAlt},
        {0x40041, 'A', kChoiceShift},
        {0x8005A, 'Z', kChoiceWin},
        {0xF0042, 'B', kChoiceAlt | kChoiceCtrl | kChoiceShift | kChoiceWin},
    };
    for (const Case& c : cases) {
        HotKeyChoice choice = ChoiceFromCode(c.code);
        EXPECT_EQ(choice.key, c.key) << std::hex << c.code;
        EXPECT_EQ(choice.modifiers, c.modifiers) << std::hex << c.code;
        EXPECT_EQ(CodeToStore(choice), std::optional<uint32_t>(c.code)) << std::hex << c.code;
    }
}

TEST(HotKeyChoice, NoModifierOrNoLetterDeletesTheValue) {
    EXPECT_EQ(CodeToStore({'Q', 0}), std::nullopt);
    EXPECT_EQ(CodeToStore({'A' - 1, kChoiceAlt}), std::nullopt);
    EXPECT_EQ(CodeToStore({'Z' + 1, kChoiceAlt}), std::nullopt);
    EXPECT_EQ(CodeToStore({'A', kChoiceAlt}), std::optional<uint32_t>(0x10041));
    EXPECT_EQ(CodeToStore({'Z', kChoiceAlt}), std::optional<uint32_t>(0x1005A));
}

TEST(HotKeyChoice, TheNineFunctionsEditTheirOwnValues) {
    const char* expected[][2] = {
        {"Gamma up", "GammaUpHotKey"},
        {"Gamma down", "GammaDownHotKey"},
        {"Gamma reset", "GammaResetHotKey"},
        {"Brightness up", "BrightnessUpHotKey"},
        {"Brightness down", "BrightnessDownHotKey"},
        {"Brightness reset", "BrightnessResetHotKey"},
        {"Contrast up", "ContrastUpHotKey"},
        {"Contrast down", "ContrastDownHotKey"},
        {"Contrast reset", "ContrastResetHotKey"},
    };
    for (int i = 0; i < kHotKeyFunctionCount; ++i) {
        EXPECT_STREQ(HotKeyFunctionAt(i).label, expected[i][0]);
        EXPECT_STREQ(pellam::StoredSetting(HotKeyFunctionAt(i).setting).name, expected[i][1]);
    }
    // Without a stored value the dialog shows Pellam's key, a letter with Alt.
    HotKeyChoice gammaUp = ChoiceFromCode(pellam::StoredSetting(HotKeyFunctionAt(0).setting).defaultValue);
    EXPECT_EQ(gammaUp.key, uint32_t('G'));
    EXPECT_EQ(gammaUp.modifiers, uint32_t(kChoiceAlt));
}

TEST(ProfileCommand, QuotedProgramAndProfile) {
    EXPECT_EQ(ProfileCommandLine("C:\\Program Files\\Quillon\\Quillon.exe", "Fast game"),
              "\"C:\\Program Files\\Quillon\\Quillon.exe\" Profile=\"Fast game\"");
    EXPECT_EQ(FileNameOfPath("C:\\Games\\quake3.exe"), "quake3.exe");
    EXPECT_EQ(FileNameOfPath("quake3.exe"), "quake3.exe");
    EXPECT_EQ(FileNameOfPath("C:\\Games\\"), "");
}

TEST(PreferencesRules, HiddenEntriesAndTheAnimationToSelect) {
    EXPECT_EQ(HiddenTabEntry("Gamma", true, "Load error"), "Gamma");
    EXPECT_EQ(HiddenTabEntry("Broken_Tab.dll", false, "Load error"), "Broken_Tab.dll  (Load error)");

    const std::vector<std::string> names = {"Ember_Animation.dll", "Strobe_Animation.dll"};
    EXPECT_EQ(AnimationEntryToSelect(names, ""), 0);
    EXPECT_EQ(AnimationEntryToSelect(names, "Ember_Animation.dll"), 1);
    EXPECT_EQ(AnimationEntryToSelect(names, "Strobe_Animation.dll"), 2);
    EXPECT_EQ(AnimationEntryToSelect(names, "Ember_animation.dll"), -1) << "letter case counts";
    EXPECT_EQ(AnimationEntryToSelect({}, "Ember_animation.dll"), -1);
}
