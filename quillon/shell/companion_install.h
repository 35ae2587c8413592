// Installing and starting the companion Pellam, its Startup-folder shortcut,
// and Quillon's own start with Windows (the Run value "Quillon").
#pragma once

#include <windows.h>

#include <string>

// Finds Pellam's window. Found: with 'start' false it is asked to close;
// true. Not found: with 'start' true the installed Pellam is started
// hidden; false.
bool ControlCompanion(bool start);

// Waits up to 'timeoutMs' for a running Pellam to end, so that its files can
// be replaced; true when none runs any more.
bool WaitForCompanionToEnd(DWORD timeoutMs);

// A shell link at 'linkPath' to 'target' with a description. Needs COM.
HRESULT CreateShortcut(const std::string& target, const std::string& linkPath,
                       const std::string& description);

// The installed companion: the system directory and "\Pellam.exe" or
// "\Pellam.dll"; empty when the system directory is unknown.
std::string InstalledCompanionFile(const char* fileName);

// The first run's installation: resets the splash setting, drops the obsolete
// Run value, closes a running Pellam and waits for it, copies Pellam.dll and
// Pellam.exe from the program folder to the system directory, puts a
// shortcut into the Startup folder and starts Pellam. False when a copy
// failed (the rest is still done).
bool InstallCompanion();
extern const char kCompanionCopyFailedText[];

// Writes the Run value "Quillon" = "\"<path>\" -minimize" for the current
// user, or deletes it when 'path' is empty.
void WriteStartWithWindows(const std::string& path);
