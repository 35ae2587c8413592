#include "console_arguments.h"

#include <cctype>

namespace quilloncmd {

const char kUsage[] =
    "QuillonCmd list              the profiles\n"
    "QuillonCmd show <profile>    what the profile would change (nothing is written)\n"
    "QuillonCmd apply <profile>   apply it as one journalled change, and read every value back\n"
    "QuillonCmd verify <profile>  whether the registry holds every value of the profile\n"
    "QuillonCmd journal           the journal's changes, oldest first\n"
    "QuillonCmd undo [<number>]   undo the newest change, or the one with that number\n"
    "QuillonCmd undo-game <exe>   undo what the game's auto-profile wrote, where nothing changed it since\n"
    "Exit codes: 0 done, 1 the registry differs or a value could not be written,\n"
    "2 bad arguments or an unreadable or damaged file.\n";

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool ParseEntry(const std::string& text, unsigned& entry) {
    if (text.empty() || text.size() > 8) return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    entry = value;
    return value != 0;
}

}  // namespace

bool ParseArguments(const std::vector<std::string>& arguments, Arguments& parsed, std::string& error) {
    if (arguments.empty()) {
        error = "No command given.";
        return false;
    }
    struct Known {
        const char* name;
        Command command;
        bool takesProfile;
    };
    static const Known kCommands[] = {
        {"list", Command::List, false},     {"show", Command::Show, true},       {"apply", Command::Apply, true},
        {"verify", Command::Verify, true},  {"journal", Command::Journal, false}, {"undo", Command::Undo, false},
        {"undo-game", Command::UndoGame, true},
    };
    std::string name = Lower(arguments[0]);
    for (const Known& known : kCommands) {
        if (name != known.name) continue;
        Arguments result;
        result.command = known.command;
        size_t operands = arguments.size() - 1;
        if (known.takesProfile) {
            if (operands != 1 || arguments[1].empty()) {
                error = "\"" + name + "\" takes one " +
                        (known.command == Command::UndoGame ? "executable name." : "profile name.");
                return false;
            }
            result.profile = arguments[1];
        } else if (known.command == Command::Undo && operands == 1) {
            if (!ParseEntry(arguments[1], result.entry)) {
                error = "\"" + arguments[1] + "\" is no journal entry number.";
                return false;
            }
        } else if (operands != 0) {
            error = "\"" + name + "\" takes " + (known.command == Command::Undo ? "at most one number." : "nothing more.");
            return false;
        }
        parsed = result;
        return true;
    }
    error = "Unknown command \"" + arguments[0] + "\".";
    return false;
}

}  // namespace quilloncmd
