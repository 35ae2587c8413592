#include "command_line.h"
#include "file_names.h"

#include <gtest/gtest.h>

TEST(ProfileRequest, QuotedUnquotedAndMissingNames) {
    struct Case {
        const char* line;
        bool present;
        const char* name;
    } cases[] = {
        {"", false, ""},
        {"-minimize", false, ""},
        {"profile=Game", false, ""},  // the token is case-sensitive
        {"Profile=Game", true, "Game"},
        {"Profile=Game -minimize", true, "Game"},
        {"-minimize Profile=Game", true, "Game"},
        {"Profile=\"My profile\" -minimize", true, "My profile"},
        {"Profile=\"My profile", true, "My profile"},  // no closing quote: rest of the line
        {"Profile=\"\"", true, ""},
        {"Profile=", true, ""},
        {"Profile= Game", true, ""},  // a blank right after the token: empty name
        {"xProfile=a.b", true, "a.b"},
    };
    for (const Case& c : cases) {
        ProfileRequest request = FindProfileRequest(c.line);
        EXPECT_EQ(request.present, c.present) << c.line;
        EXPECT_EQ(request.name, c.name) << c.line;
    }
}

TEST(DatabaseExtension, AppendedUnlessAlreadyThereInAnyCase) {
    EXPECT_EQ(WithDatabaseExtension("C:\\db\\mine"), "C:\\db\\mine.tweakdb");
    EXPECT_EQ(WithDatabaseExtension("mine.tweakdb"), "mine.tweakdb");
    EXPECT_EQ(WithDatabaseExtension("mine.TweakDB"), "mine.TweakDB");
    EXPECT_EQ(WithDatabaseExtension("mine.txt"), "mine.txt.tweakdb");
    EXPECT_EQ(WithDatabaseExtension("mine.tweakdb.bak"), "mine.tweakdb.bak.tweakdb");
    EXPECT_EQ(WithDatabaseExtension("mine.tweak"), "mine.tweak.tweakdb");
    EXPECT_EQ(WithDatabaseExtension(""), ".tweakdb");
}

TEST(ProfileNames, PathAndMenuText) {
    EXPECT_EQ(ProfilePath("My profile"), "Profiles\\My profile.qlp");
    EXPECT_EQ(ProfileMenuText("Game.qlp"), "Game");
    EXPECT_EQ(ProfileMenuText("v1.2.qlp"), "v1.2");
    EXPECT_EQ(ProfileMenuText("noext"), "noext");
}

TEST(ProgramFiles, KindsByTheEndOfTheNameInAnyCase) {
    EXPECT_EQ(ClassifyProgramFile("Ramp_Tab.dll"), ProgramFileKind::TabPlugin);
    EXPECT_EQ(ClassifyProgramFile("ramp_tab.DLL"), ProgramFileKind::TabPlugin);
    EXPECT_EQ(ClassifyProgramFile("_Tab.dll"), ProgramFileKind::TabPlugin);
    EXPECT_EQ(ClassifyProgramFile("Tab.dll"), ProgramFileKind::Other);
    EXPECT_EQ(ClassifyProgramFile("Ember_Animation.dll"), ProgramFileKind::Animation);
    EXPECT_EQ(ClassifyProgramFile("x_ANIMATION.dll"), ProgramFileKind::Animation);
    EXPECT_EQ(ClassifyProgramFile("cards.TweakDB"), ProgramFileKind::Database);
    EXPECT_EQ(ClassifyProgramFile("cards.tweakdb.bak"), ProgramFileKind::Other);
    EXPECT_EQ(ClassifyProgramFile("Quillon.exe"), ProgramFileKind::Other);
    EXPECT_EQ(ClassifyProgramFile(""), ProgramFileKind::Other);
}
