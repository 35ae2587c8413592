#include "console_arguments.h"

#include <gtest/gtest.h>

namespace quilloncmd {
namespace {

TEST(ConsoleArguments, CommandsTakeTheirOperandsAndNothingElse) {
    struct Case {
        std::vector<std::string> arguments;
        bool ok;
        Command command;
        std::string profile;
        unsigned entry;
    } cases[] = {
        {{"list"}, true, Command::List, "", 0},
        {{"SHOW", "My profile"}, true, Command::Show, "My profile", 0},
        {{"apply", "Fast"}, true, Command::Apply, "Fast", 0},
        {{"verify", "Fast"}, true, Command::Verify, "Fast", 0},
        {{"journal"}, true, Command::Journal, "", 0},
        {{"undo"}, true, Command::Undo, "", 0},
        {{"undo", "12"}, true, Command::Undo, "", 12},
        {{"undo-game", "game.exe"}, true, Command::UndoGame, "game.exe", 0},
        {{"undo-game"}, false, Command::List, "", 0},
        {{}, false, Command::List, "", 0},
        {{"apply"}, false, Command::List, "", 0},
        {{"apply", ""}, false, Command::List, "", 0},
        {{"show", "a", "b"}, false, Command::List, "", 0},
        {{"list", "extra"}, false, Command::List, "", 0},
        {{"undo", "0"}, false, Command::List, "", 0},
        {{"undo", "-3"}, false, Command::List, "", 0},
        {{"undo", "123456789"}, false, Command::List, "", 0},
        {{"undo", "1", "2"}, false, Command::List, "", 0},
        {{"remove", "x"}, false, Command::List, "", 0},
    };
    for (const Case& c : cases) {
        Arguments parsed;
        std::string error;
        std::string line = c.arguments.empty() ? "(none)" : c.arguments[0];
        ASSERT_EQ(ParseArguments(c.arguments, parsed, error), c.ok) << line << ": " << error;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << line;
            continue;
        }
        EXPECT_EQ(parsed.command, c.command) << line;
        EXPECT_EQ(parsed.profile, c.profile) << line;
        EXPECT_EQ(parsed.entry, c.entry) << line;
    }
}

}  // namespace
}  // namespace quilloncmd
