// Names of the files the shell reads and writes: tweak databases and
// profiles. No Windows headers.
#pragma once

#include <string>

// Whether the names are the same but for the case of ASCII letters, as
// Windows compares file names.
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);

// The export dialog's name with ".tweakdb" appended unless the text from its
// last '.' already is ".tweakdb" in any letter case.
std::string WithDatabaseExtension(const std::string& chosen);

// "Profiles\<name>.qlp", relative to the program folder.
std::string ProfilePath(const std::string& name);

// A profile file's menu text: its name cut at the last '.'.
std::string ProfileMenuText(const std::string& fileName);

// What a file in the program folder is to the start-up search, by the end
// of its name in any letter case: "_Tab.dll", "_Animation.dll", ".tweakdb".
enum class ProgramFileKind { TabPlugin, Animation, Database, Other };
ProgramFileKind ClassifyProgramFile(const std::string& fileName);
