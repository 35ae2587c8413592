// The command line of the console program: a command and its operand.
//   list | show <profile> | apply <profile> | verify <profile> | journal |
//   undo [<entry number>] | undo-game <executable>
// No Windows headers.
#pragma once

#include <string>
#include <vector>

namespace quilloncmd {

enum class Command { List, Show, Apply, Verify, Journal, Undo, UndoGame };

struct Arguments {
    Command command = Command::List;
    std::string profile;  // or the executable of undo-game
    unsigned entry = 0;  // undo: 0 the newest entry
};

// False, with what is wrong in 'error', for an unknown command, a missing or
// extra operand, or an entry number that is not a positive number.
bool ParseArguments(const std::vector<std::string>& arguments, Arguments& parsed, std::string& error);

// The usage text printed with exit code 2.
extern const char kUsage[];

}  // namespace quilloncmd
