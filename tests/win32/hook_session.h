// A Pellam session with the real hook library, and test programs started
// under it, for the tests of what the library does inside programs.
#pragma once

#include "pellam_harness.h"

#include <fstream>
#include <sstream>
#include <string>

namespace hooktest {

inline bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Pellam from a folder of its own with the real library beside it. The test
// program and the display probe are left alone by the library.
class HookSession {
public:
    HookSession() {
        ::CopyFileA(testsupport::WindowsPathFromEnvironment("PELLAM_DLL").c_str(),
                    (pellam.folder + "\\Pellam.dll").c_str(), FALSE);
        ::CopyFileA((testsupport::TestBinFolder() + "\\command_fixture.exe").c_str(),
                    (pellam.folder + "\\command_fixture.exe").c_str(), FALSE);
        PellamHarness::SetNumber("Debug", 1);
        const char exclude[] = "hook_tests.exe\0display_probe.exe\0";
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Pellam Suite", 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr);
        ::RegSetValueExA(key, "Exclude", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(exclude),
                         sizeof exclude);
        ::RegCloseKey(key);
    }
    ~HookSession() { ::ChangeDisplaySettingsA(nullptr, 0); }

    // Pellam's window appears just before Install sets the hooks.
    bool Start() {
        if (!pellam.Start() || !testsupport::PumpUntil([&] { return pellam.Window() != nullptr; }, 30000))
            return false;
        testsupport::PumpUntil([] { return false; }, 2000);
        return true;
    }

    // Starts a test program and waits until it has handled its first message.
    bool StartGame(const char* program, const std::string& actions = "") {
        report = pellam.folder + "\\report" + std::to_string(++serial_) + ".txt";
        if (!game.Start(testsupport::TestBinFolder() + "\\" + program, Quoted(report) + " " + actions))
            return false;
        return testsupport::PumpUntil([&] { return ReadText(report).find("ready") != std::string::npos; },
                                      60000);
    }

    HWND GameWindow() const { return testsupport::WaitForWindow("Hook Game", game.Id(), 10000); }

    long CloseGame() {
        ::PostMessageA(GameWindow(), WM_CLOSE, 0, 0);
        return game.WaitForExit(60000);
    }

    std::string Command(const std::string& marker, int delayMs = 0) const {
        return Quoted(pellam.folder + "\\command_fixture.exe") + " " + std::to_string(delayMs) + " " +
               Quoted(marker);
    }

    PellamHarness pellam;
    testsupport::ChildProcess game;
    std::string report;

private:
    int serial_ = 0;
};

}  // namespace hooktest
