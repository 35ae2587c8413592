// Texts of the auto-profiles dialog. No Windows headers.
#pragma once

#include <string>

// The command that starts Quillon with a profile: the program path in
// quotes, a blank, "Profile=" and the profile name in quotes.
std::string ProfileCommandLine(const std::string& programPath, const std::string& profileName);

// The part of a path after its last backslash (the whole text without one).
std::string FileNameOfPath(const std::string& path);
