// Pellam.dll as Pellam installs it: test programs started afterwards get the
// library, their start and end actions run, their display-mode and gamma
// calls are intercepted, and hot keys pressed into them act.
#include "desktop_support.h"
#include "master_volume.h"
#include "hook_session.h"

#include <gtest/gtest.h>

namespace {

using namespace hooktest;

std::string GameValue(const char* subkey, const char* name) {
    char text[261] = "";
    DWORD size = sizeof text - 1;
    std::string path = std::string("Software\\Pellam Suite\\") + subkey;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "<none>";
    LONG result = ::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(text) : "<none>";
}

TEST(HookLibrary, AGameWaitsForItsStartCommandAndItsEndRunsTheResetCommand) {
    HookSession session;
    std::string started = session.pellam.folder + "\\started.txt";
    std::string reset = session.pellam.folder + "\\reset.txt";
    PellamHarness::SetText("hook_game.exe", session.Command(started, 1500), "Game Profile");
    PellamHarness::SetText("Reset", session.Command(reset), "Game Profile");
    ::SetEnvironmentVariableA("HOOK_GAME_MARKER", started.c_str());
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.StartGame("hook_game.exe")) << PellamHarness::Log();
    EXPECT_NE(ReadText(session.report).find("marker 1"), std::string::npos)
        << "the command had ended before the first message came back";
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return Exists(reset); }, 30000)) << PellamHarness::Log();

    ASSERT_TRUE(session.StartGame("hook_plain.exe"));
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_EQ(session.pellam.Stop(), 0);

    std::string log = PellamHarness::Log();
    size_t game = log.find("Attached to hook_game.exe");
    ASSERT_NE(game, std::string::npos) << log;
    size_t detached = log.find("Detached from hook_game.exe");
    EXPECT_NE(detached, std::string::npos);
    EXPECT_LT(log.find("Looks like a game to me..", game), detached) << log;
    size_t plain = log.find("Attached to hook_plain.exe");
    ASSERT_NE(plain, std::string::npos);
    EXPECT_EQ(log.find("Looks like a game", plain), std::string::npos) << "no DirectX import";
    EXPECT_EQ(log.find("Attached to hook_tests.exe"), std::string::npos) << "excluded";
}

TEST(HookLibrary, AKilledGameStillGetsItsGammaBackAndItsResetCommandRun) {
    if (!testsupport::DesktopHasDisplayModes()) GTEST_SKIP() << "no gamma ramps on this desktop";
    HookSession session;
    std::string started = session.pellam.folder + "\\started.txt";
    std::string reset = session.pellam.folder + "\\reset.txt";
    PellamHarness::SetText("hook_game.exe", session.Command(started), "Game Profile");
    PellamHarness::SetText("Reset", session.Command(reset), "Game Profile");
    PellamHarness::SetText("hook_game.exe", "64 128 0", "Game Gamma");
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.StartGame("hook_game.exe"));
    testsupport::DisplayProbe probe;
    ASSERT_TRUE(testsupport::ProbeDisplay(probe));
    EXPECT_EQ(probe.ramp[128] >> 8, 63) << "the stored gamma 0.5";
    HANDLE game = ::OpenProcess(PROCESS_TERMINATE, FALSE, session.game.Id());
    ASSERT_TRUE(game && ::TerminateProcess(game, 9));
    ::CloseHandle(game);
    EXPECT_EQ(session.game.WaitForExit(30000), 9);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return Exists(reset); }, 30000)) << PellamHarness::Log();
    EXPECT_TRUE(testsupport::PumpUntil([&] { return testsupport::ProbeDisplay(probe) &&
                                                    probe.ramp[128] >> 8 == 127; }, 10000))
        << "the neutral ramp of before the game";
    EXPECT_EQ(session.pellam.Stop(), 0);
    EXPECT_NE(PellamHarness::Log().find("hook_game.exe ["), std::string::npos);
    EXPECT_NE(PellamHarness::Log().find("ended without detaching"), std::string::npos);
}

TEST(HookLibrary, WithPatchDisplayChangesGetTheStoredRateAndGammaChangesAreRefused) {
    if (!testsupport::DesktopHasDisplayModes()) GTEST_SKIP() << "no display modes on this desktop";
    HookSession session;
    PellamHarness::SetNumber("Patch", 1);
    PellamHarness::SetNumber("RecursivePatch", 1);
    PellamHarness::SetText("RefreshRate", "85", "Custom Display Modes\\Modes\\32\\1024,768");
    ASSERT_TRUE(session.Start());
    testsupport::DisplayProbe before, after;
    ASSERT_TRUE(testsupport::ProbeDisplay(before));

    ASSERT_TRUE(session.StartGame("hook_game.exe", "mode ramp"));
    std::string report = ReadText(session.report);
    EXPECT_NE(report.find("mode 0 85 85"), std::string::npos) << report;
    EXPECT_NE(report.find("ramp 1"), std::string::npos) << report;
    ASSERT_TRUE(testsupport::ProbeDisplay(after));
    EXPECT_EQ(after.ramp[128] >> 8, before.ramp[128] >> 8) << "the black ramp was not set";
    EXPECT_EQ(session.CloseGame(), 0);
    ::ChangeDisplaySettingsA(nullptr, 0);

    // Through a DLL of the game's own: found by the recursive walk.
    ASSERT_TRUE(session.StartGame("hook_helper_game.exe", "mode"));
    EXPECT_NE(ReadText(session.report).find("mode 0 85 85"), std::string::npos) << ReadText(session.report);
    EXPECT_EQ(session.CloseGame(), 0);
    ::ChangeDisplaySettingsA(nullptr, 0);

    // A rate the display does not offer falls back to the caller's own.
    PellamHarness::SetText("RefreshRate", "72", "Custom Display Modes\\Modes\\32\\1024,768");
    ASSERT_TRUE(session.StartGame("hook_game.exe", "mode"));
    EXPECT_NE(ReadText(session.report).find("mode 0 60 60"), std::string::npos) << ReadText(session.report);
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_EQ(session.pellam.Stop(), 0);

    std::string log = PellamHarness::Log();
    EXPECT_NE(log.find("hook_game.exe=>ChangeDisplayModeA(1024x768x32(85Hz)->(85Hz) (OK)"),
              std::string::npos) << log;
    EXPECT_NE(log.find("hook_game.exe=>ChangeDisplayModeA(1024x768x32(60Hz)->(72Hz) (No Refresh Override)"),
              std::string::npos);
    EXPECT_NE(log.find("hook_game.exe tried to set the gamma"), std::string::npos);
    EXPECT_NE(log.find("hook_helper_game.exe=>ChangeDisplayModeA(1024x768x32(85Hz)->(85Hz) (OK)"),
              std::string::npos);
}

TEST(HookLibrary, HotKeysChangeTheRampAndVolumeAndAreStoredForGamesOnly) {
    if (!testsupport::DesktopHasDisplayModes() || !testsupport::DesktopCanPressKeys())
        GTEST_SKIP() << "no gamma ramps or key presses on this desktop";
    HookSession session;
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.StartGame("hook_game.exe"));
    HWND window = session.GameWindow();
    ASSERT_TRUE(testsupport::PressKeys(window, "alt+g"));
    testsupport::DisplayProbe probe;
    // The ramp is set before the value is stored: wait for both.
    ASSERT_TRUE(testsupport::PumpUntil([&] { return testsupport::ProbeDisplay(probe) &&
                                                    probe.ramp[128] >> 8 == 130 &&
                                                    GameValue("Game Gamma", "hook_game.exe") != "<none>"; },
                                       10000))
        << "gamma 1 + 2/64 puts entry 128 at 130, got " << (probe.ramp[128] >> 8);
    EXPECT_EQ(GameValue("Game Gamma", "hook_game.exe"), "132 128   0");

    if (testsupport::DesktopHasSound()) {
        // The game's own volume: Wine keeps one per process.
        ASSERT_EQ(::SendMessageA(window, WM_APP + 2, 32768, 0), 1);
        ASSERT_TRUE(testsupport::PressKeys(window, "alt+s"));
        // The key events reach the game after PressKeys returns: read until
        // both steps are in (or ten seconds passed).
        LRESULT raised = 0;
        testsupport::PumpUntil([&] {
            raised = ::SendMessageA(window, WM_APP + 1, 0, 0);
            return raised > 32768 + 5000 &&
                   GameValue("Game Sound", "hook_game.exe") == std::to_string(raised);
        }, 10000);
        EXPECT_GT(raised, 32768 + 5000) << "one press and one release, 5% each";
        EXPECT_EQ(GameValue("Game Sound", "hook_game.exe"), std::to_string(raised));
    }

    ASSERT_TRUE(testsupport::PressKeys(window, "ctrl+shift+alt+r"));
    testsupport::PumpUntil([&] { return GameValue("Game Gamma", "hook_game.exe") == "<none>"; }, 10000);
    EXPECT_EQ(GameValue("Game Gamma", "hook_game.exe"), "<none>") << "the reset key forgets the game";
    EXPECT_EQ(session.CloseGame(), 0);
    ASSERT_TRUE(testsupport::ProbeDisplay(probe));
    EXPECT_EQ(probe.ramp[128] >> 8, 127) << "the neutral ramp again at the game's end";

    ASSERT_TRUE(session.StartGame("hook_plain.exe"));
    ASSERT_TRUE(testsupport::ProbeDisplay(probe));
    const int neutral = probe.ramp[128] >> 8;
    ASSERT_TRUE(testsupport::PressKeys(session.GameWindow(), "alt+g"));
    // Once the ramp moved, the key has been handled: nothing may be stored.
    EXPECT_TRUE(testsupport::PumpUntil([&] { return testsupport::ProbeDisplay(probe) &&
                                                   probe.ramp[128] >> 8 != neutral; }, 10000));
    EXPECT_EQ(GameValue("Game Gamma", "hook_plain.exe"), "<none>") << "not a game";
    ASSERT_TRUE(testsupport::PressKeys(session.GameWindow(), "ctrl+shift+alt+q"));
    EXPECT_NE(session.pellam.process.WaitForExit(60000), -1) << "the quit key ends Pellam";
    EXPECT_EQ(session.CloseGame(), 0);
}

}  // namespace
