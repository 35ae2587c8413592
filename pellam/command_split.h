// Splitting a stored command line into the file to start and its
// parameters, and the program's own command line. No Windows headers.
#pragma once

#include <string>

namespace pellam {

struct SplitCommand {
    std::string file;
    std::string parameters;  // empty: none
};

// Leading white space is skipped. A line that starts with a double quote is
// delimited by double quotes, otherwise by blanks; leading delimiters are
// skipped. The file runs to the next delimiter or the end; the parameters
// are what follows that delimiter, without leading white space (quotes in
// them are kept).
SplitCommand SplitCommandLine(const std::string& line);

// 'text' with its ASCII capitals in lower case, as executable names are
// kept.
std::string LowerAscii(std::string text);

// The command that undoes a game's auto-profile when the game ends: for a
// start command that runs Quillon.exe (any letter case, any folder),
// QuillonCmd.exe of the same folder with "undo-game" and the game's
// executable name; empty for any other command, which has nothing to undo.
std::string GameUndoCommand(const std::string& startCommand, const std::string& exeName);

// The text after the program name as WinMain gets it, without leading
// blanks.
std::string TrimLeadingBlanks(const std::string& text);

}  // namespace pellam
