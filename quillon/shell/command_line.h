// What the program's command line asks for. No Windows headers: the tokens
// are plain text searches, case-sensitive, anywhere in the line.
#pragma once

#include <string>

struct ProfileRequest {
    bool present = false;  // "Profile=" occurs in the line
    std::string name;      // may be empty: then nothing is applied
};

// "Profile=" followed by a name: a double-quoted name runs to the next
// double quote (or the end of the line when there is none); an unquoted
// name runs to the next blank (or the end).
ProfileRequest FindProfileRequest(const std::string& commandLine);
