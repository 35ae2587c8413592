// The hook library in programs of every kind and in many at once: patched
// programs outlive the library's release, odd programs are entered without
// harm, and each program waits for its own start command only.
#include "desktop_support.h"
#include "hook_session.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace hooktest;

bool HasLine(const std::string& report, const std::string& line) {
    return report.find(line + "\n") != std::string::npos;
}

// A patched program frees the library as Windows does once the hooks are
// removed, then changes the display mode through the patched slot.
TEST(HookHosts, APatchedProgramSurvivesTheLibraryBeingFreed) {
    if (!testsupport::DesktopHasDisplayModes()) GTEST_SKIP() << "no display modes on this desktop";
    HookSession session;
    PellamHarness::SetNumber("Patch", 1);
    PellamHarness::SetNumber("UnPatch", 0);
    PellamHarness::SetText("RefreshRate", "85", "Custom Display Modes\\Modes\\32\\1024,768");
    ASSERT_TRUE(session.Start());

    // UnPatch off: the slots stay, so the library stays.
    ASSERT_TRUE(session.StartGame("hook_game.exe", "free mode")) << PellamHarness::Log();
    std::string report = ReadText(session.report);
    EXPECT_TRUE(HasLine(report, "library kept")) << report;
    EXPECT_TRUE(HasLine(report, "mode 0 85 85")) << report;
    EXPECT_EQ(session.CloseGame(), 0);
    ::ChangeDisplaySettingsA(nullptr, 0);

    // UnPatch on: the slots are restored as the library goes.
    PellamHarness::SetNumber("UnPatch", 1);
    ASSERT_TRUE(testsupport::PumpUntil([] { return PellamHarness::Log().find("UnPatch = 1") != std::string::npos; },
                                       20000));
    ASSERT_TRUE(session.StartGame("hook_game.exe", "free mode")) << PellamHarness::Log();
    report = ReadText(session.report);
    EXPECT_TRUE(HasLine(report, "library gone")) << report;
    EXPECT_TRUE(HasLine(report, "mode 0 60 60")) << report;
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_EQ(session.pellam.Stop(), 0);
    EXPECT_NE(PellamHarness::Log().find("hook_game.exe ChangeDisplaySettingsA unpatched"), std::string::npos);
}

TEST(HookHosts, ConsoleEarlyExitingAndDamagedProgramsAreEnteredWithoutHarm) {
    HookSession session;
    PellamHarness::SetNumber("Patch", 1);
    PellamHarness::SetNumber("RecursivePatch", 1);
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.StartGame("hook_plain.exe", "damage"));
    EXPECT_EQ(session.CloseGame(), 0);
    ASSERT_TRUE(session.StartGame("hook_plain.exe", "exit"));
    EXPECT_EQ(session.game.WaitForExit(60000), 7);
    std::string report = session.pellam.folder + "\\console.txt";
    testsupport::ChildProcess console;
    ASSERT_TRUE(console.Start(testsupport::TestBinFolder() + "\\hook_console.exe", Quoted(report)));
    EXPECT_EQ(console.WaitForExit(60000), 0);
    EXPECT_TRUE(HasLine(ReadText(report), "ready"));
    EXPECT_EQ(session.pellam.Stop(), 0);

    std::string log = PellamHarness::Log();
    EXPECT_NE(log.find("hook_plain.exe: the import table of the module at 400000 lies outside it; its imports "
                       "are skipped"),
              std::string::npos) << log;
    size_t exited = log.rfind("Attached to hook_plain.exe");
    EXPECT_NE(log.find("Detached from hook_plain.exe", exited), std::string::npos) << log;
    EXPECT_NE(log.find("Attached to hook_console.exe"), std::string::npos) << log;
}

// One game's start command is held until the test lets it end. Programs
// started meanwhile, each with a command of its own, start without waiting
// for it, and Pellam keeps answering; then Pellam ends while the game is
// still starting.
TEST(HookHosts, EachProgramWaitsOnlyForItsOwnCommandAndPellamEndsMidStart) {
    HookSession session;
    std::string release = session.pellam.folder + "\\release.txt";
    std::string started = session.pellam.folder + "\\started.txt";
    PellamHarness::SetText("hook_game.exe",
                           Quoted(session.pellam.folder + "\\command_fixture.exe") + " until " + Quoted(release) +
                               " " + Quoted(started),
                           "Game Profile");
    PellamHarness::SetText("hook_plain.exe", session.Command(session.pellam.folder + "\\plain.txt"),
                           "Game Profile");
    ASSERT_TRUE(session.Start());
    HWND pellam = session.pellam.Window();
    auto answers = [&] {
        DWORD_PTR ignored = 0;
        // Starting 30 programs at once keeps an emulated machine busy for
        // seconds; what counts is that no running command holds Pellam.
        return ::SendMessageTimeoutA(pellam, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored) != 0;
    };

    std::string gameReport = session.pellam.folder + "\\held.txt";
    testsupport::ChildProcess game;
    ASSERT_TRUE(game.Start(testsupport::TestBinFolder() + "\\hook_game.exe", Quoted(gameReport)));
    ASSERT_TRUE(testsupport::PumpUntil([] { return PellamHarness::Log().find("until") != std::string::npos; },
                                       60000)) << PellamHarness::Log();

    constexpr int kPrograms = 29;
    std::vector<std::unique_ptr<testsupport::ChildProcess>> programs;
    std::vector<std::string> reports;
    for (int i = 0; i < kPrograms; ++i) {
        reports.push_back(session.pellam.folder + "\\many" + std::to_string(i) + ".txt");
        programs.push_back(std::make_unique<testsupport::ChildProcess>());
        ASSERT_TRUE(programs.back()->Start(testsupport::TestBinFolder() + "\\hook_plain.exe", Quoted(reports[i])));
    }
    bool pellamAnswered = true;
    EXPECT_TRUE(testsupport::PumpUntil(
        [&] {
            pellamAnswered = pellamAnswered && answers();
            for (const std::string& report : reports)
                if (!HasLine(ReadText(report), "ready")) return false;
            return true;
        },
        300000)) << "every program started while the held command still ran";
    EXPECT_TRUE(pellamAnswered);
    EXPECT_FALSE(HasLine(ReadText(gameReport), "ready")) << "the held game waits for its command";
    for (auto& program : programs) {
        ::PostMessageA(testsupport::WaitForWindow("Hook Game", program->Id(), 10000), WM_CLOSE, 0, 0);
        EXPECT_EQ(program->WaitForExit(60000), 0);
    }

    // Pellam ends while the game is still in its start; the game goes on
    // once its command ends.
    EXPECT_EQ(session.pellam.Stop(), 0);
    ::CloseHandle(::CreateFileA(release.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(testsupport::PumpUntil([&] { return HasLine(ReadText(gameReport), "ready"); }, 60000));
    ::PostMessageA(testsupport::WaitForWindow("Hook Game", game.Id(), 10000), WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(60000), 0);

    // The hooks went with Pellam: a program started now is not entered.
    size_t attached = PellamHarness::Log().rfind("Attached to hook_plain.exe");
    ASSERT_TRUE(session.StartGame("hook_plain.exe"));
    EXPECT_EQ(session.CloseGame(), 0);
    EXPECT_EQ(PellamHarness::Log().rfind("Attached to hook_plain.exe"), attached);
}

}  // namespace
