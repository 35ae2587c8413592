// Small texts of the companion: hot-key codes, gamma triples, command-line
// splitting and log lines.
#include "command_split.h"
#include "gamma_triple.h"
#include "hot_key.h"
#include "log_text.h"

#include <gtest/gtest.h>

using namespace pellam;

TEST(HotKey, CodesHoldTheKeyAndTheModifiers) {
    EXPECT_EQ(MakeHotKey('G', kHotKeyAlt), 0x10047u);
    EXPECT_EQ(MakeHotKey('G', kHotKeyAlt | kHotKeyCtrl | kHotKeyShift), 0x70047u);
    EXPECT_EQ(HotKeyVirtualKey(0x70051), 0x51u);
    EXPECT_EQ(HotKeyModifiers(0x70051), 0x70000u);
    EXPECT_EQ(HotKeyText(0x10047), "Alt+G");
    EXPECT_EQ(HotKeyText(0xF0052), "Alt+Ctrl+Shift+Win+R");
    EXPECT_EQ(HotKeyText(0x53), "S");
    EXPECT_EQ(HotKeyText(0x20070), "Ctrl+#112");
}

TEST(GammaTriple, ReadsLikeAtoi) {
    struct Case {
        const char* text;
        double gamma, contrast, brightness;
    } cases[] = {
        {"128 128 0", 1, 1, 0},
        {" 64 128   0", 0.5, 1, 0},
        {"256", 2, 1, 0},
        {"192 64", 1.5, 0.5, 0},
        {"0 64 64", 1, 1, 0},  // a first number of 0 is the neutral triple
        {"abc", 1, 1, 0},
        {"128 -128 512", 1, -1, 2},
        {"99999999999999 1 1", 100000000 / 128.0, 1 / 128.0, 1 / 256.0},  // held, not overflowed
    };
    for (const auto& c : cases) {
        GammaTriple t;
        ASSERT_TRUE(ParseGammaTriple(c.text, t)) << c.text;
        EXPECT_DOUBLE_EQ(t.gamma, c.gamma) << c.text;
        EXPECT_DOUBLE_EQ(t.contrast, c.contrast) << c.text;
        EXPECT_DOUBLE_EQ(t.brightness, c.brightness) << c.text;
    }
    GammaTriple t;
    EXPECT_FALSE(ParseGammaTriple("", t));
}

TEST(GammaTriple, WritesPaddedFieldsThatReadBack) {
    GammaTriple half{0.5, 1, 0};
    EXPECT_EQ(FormatGammaTriple(half), " 64 128   0");
    GammaTriple back;
    ASSERT_TRUE(ParseGammaTriple(FormatGammaTriple(half), back));
    EXPECT_DOUBLE_EQ(back.gamma, 0.5);
    EXPECT_DOUBLE_EQ(back.contrast, 1);
    EXPECT_DOUBLE_EQ(back.brightness, 0);
}

TEST(CommandSplit, QuotesAndBlanksDelimitTheFile) {
    struct Case {
        const char* line;
        const char* file;
        const char* parameters;
    } cases[] = {
        {"\"C:\\Program Files\\Quillon\\Quillon.exe\" Profile=\"Fast\"",
         "C:\\Program Files\\Quillon\\Quillon.exe", "Profile=\"Fast\""},
        {"  notepad.exe   a b ", "notepad.exe", "a b "},
        {"notepad.exe", "notepad.exe", ""},
        {"\"c:\\a b\\x.exe\"", "c:\\a b\\x.exe", ""},
        {"\"\"\"c:\\x.exe\" p", "c:\\x.exe", "p"},
        {"\"unterminated path", "unterminated path", ""},
        {"", "", ""},
        {"   ", "", ""},
    };
    for (const auto& c : cases) {
        SplitCommand split = SplitCommandLine(c.line);
        EXPECT_EQ(split.file, c.file) << c.line;
        EXPECT_EQ(split.parameters, c.parameters) << c.line;
    }
    EXPECT_EQ(TrimLeadingBlanks("  128 128 0"), "128 128 0");
    EXPECT_EQ(TrimLeadingBlanks(""), "");
}

TEST(CommandSplit, OnlyQuillonProfileCommandsHaveAnUndoAtTheGamesEnd) {
    struct Case {
        const char* start;
        const char* exe;
        const char* undo;
    } cases[] = {
        {"\"C:\\Program Files\\Quillon\\Quillon.exe\" Profile=\"Fast\"", "game.exe",
         "\"C:\\Program Files\\Quillon\\QuillonCmd.exe\" undo-game \"game.exe\""},
        {"c:\\q\\QUILLON.EXE Profile=x", "a b.exe", "\"c:\\q\\QuillonCmd.exe\" undo-game \"a b.exe\""},
        {"Quillon.exe Profile=x", "g.exe", "\"QuillonCmd.exe\" undo-game \"g.exe\""},
        {"notepad.exe Profile=x", "g.exe", ""},
        {"c:\\q\\NotQuillon.exe", "g.exe", ""},
        {"c:\\q\\Quillon.exe", "", ""},
        {"c:\\q\\Quillon.exe", "g\".exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GameUndoCommand(c.start, c.exe), c.undo) << c.start;
}

namespace {
std::string Line(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string line = FormatLogLine(format, arguments);
    va_end(arguments);
    return line;
}
}  // namespace

TEST(LogText, LinesAreFormattedAndCutAt259Characters) {
    EXPECT_EQ(Line("%s = %d", "Debug", 1), "Debug = 1\r\n");
    std::string path(600, 'p');
    std::string cut = Line("Running %s (%s)", path.c_str(), "");
    EXPECT_EQ(cut.size(), 259u + 2);
    EXPECT_EQ(cut.substr(0, 10), "Running pp");
    EXPECT_EQ(cut.substr(259), "\r\n");
    std::string exact(259, 'x');
    EXPECT_EQ(Line("%s", exact.c_str()), exact + "\r\n");
    EXPECT_TRUE(LogLevelWrites(1, 1));
    EXPECT_FALSE(LogLevelWrites(2, 1));
    EXPECT_TRUE(LogLevelWrites(0, 0));
    EXPECT_FALSE(LogLevelWrites(1, 0));
}
