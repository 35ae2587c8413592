// Runs Pellam.exe from a folder of its own beside the recording fixture
// "Pellam.dll", with a fresh "Software\Pellam Suite" key, and reads back
// what the fixture recorded and what Pellam logged.
#pragma once

#include "test_support.h"

#include <windows.h>

#include <string>
#include <vector>

struct InstallCall {
    unsigned long window = 0, module = 0;
    bool hasSettings = false;
    std::vector<DWORD> settings;
    bool hasText = false;
    std::string text;
};

class PellamHarness {
public:
    explicit PellamHarness(bool withLibrary = true);
    ~PellamHarness();
    PellamHarness(const PellamHarness&) = delete;
    PellamHarness& operator=(const PellamHarness&) = delete;

    // Values under "Software\Pellam Suite" (or one of its subkeys).
    static void SetNumber(const char* name, DWORD value, const char* subkey = nullptr);
    static void SetText(const char* name, const std::string& value, const char* subkey = nullptr);

    bool Start(const std::string& arguments = "");
    // Waits until the fixture has recorded 'count' Install calls.
    bool WaitForInstalls(size_t count, DWORD timeoutMs = 20000);
    std::vector<InstallCall> Installs() const;
    std::vector<std::string> Records() const;
    HWND Window() const;
    // Asks Pellam to close and returns its exit code (-1: still running).
    long Stop();
    // Sets one of the events Pellam handed to Install (entry 23, 24 or 25),
    // the way the hook library does from a game's process.
    bool SignalEvent(int entry);

    static std::string Log();
    std::string folder;
    testsupport::ChildProcess process;

private:
    std::string record_;
};
