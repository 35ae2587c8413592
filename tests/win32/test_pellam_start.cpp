// Pellam.exe as its own process: start-up with the recording "Pellam.dll",
// a second start, a library that is missing or fails, configuration
// changes, the reset and quit events, and the log.
#include "pellam_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const DWORD kDefaults[23] = {0, 0, 0, 1, 1, 1, 1, 1, 0, 0x10053, 0x50053, 0x70053,
                             0x10047, 0x50047, 0x70047, 0x10042, 0x50042, 0x70042,
                             0x10043, 0x50043, 0x70043, 0x70051, 0x70052};

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// The message box of the process 'pid' with caption 'caption'.
HWND FindMessageBox(DWORD pid, const char* caption) {
    HWND found = nullptr;
    testsupport::PumpUntil([&] {
        for (HWND w = nullptr; (w = ::FindWindowExA(nullptr, w, "#32770", caption)) != nullptr;) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(w, &owner);
            if (owner == pid) found = w;
        }
        return found != nullptr;
    }, 20000);
    return found;
}

TEST(PellamStart, AnEmptyKeyGivesTheDefaultsAndTheEventsToInstall) {
    PellamHarness pellam;
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    InstallCall call = pellam.Installs()[0];
    EXPECT_EQ(call.window, reinterpret_cast<ULONG_PTR>(pellam.Window()));
    EXPECT_NE(call.module, 0u);
    EXPECT_FALSE(call.hasText);
    ASSERT_EQ(call.settings.size(), 26u);
    for (int i = 0; i < 23; ++i) EXPECT_EQ(call.settings[i], kDefaults[i]) << "entry " << i;
    for (int i = 23; i < 26; ++i) EXPECT_NE(call.settings[i], 0u) << "event " << i;
    EXPECT_NE(call.settings[23], call.settings[24]);
    EXPECT_NE(call.settings[24], call.settings[25]);
    EXPECT_EQ(pellam.Stop(), 0);
    EXPECT_EQ(pellam.Records().back(), "Uninstall " + std::to_string(call.window));
}

TEST(PellamStart, ASecondStartForwardsItsCommandLineAndExits) {
    PellamHarness pellam;
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    for (const char* arguments : {"  64 128 0", ""}) {
        testsupport::ChildProcess second;
        ASSERT_TRUE(second.Start(pellam.folder + "\\Pellam.exe", arguments, pellam.folder));
        EXPECT_EQ(second.WaitForExit(20000), 0) << "'" << arguments << "'";
    }
    std::vector<InstallCall> calls = pellam.Installs();
    ASSERT_EQ(calls.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(calls[i].window, calls[0].window);
        EXPECT_EQ(calls[i].module, 0u);
        EXPECT_FALSE(calls[i].hasSettings);
        EXPECT_TRUE(calls[i].hasText);
    }
    EXPECT_EQ(calls[1].text, "64 128 0") << "leading blanks removed";
    EXPECT_EQ(calls[2].text, "");
    EXPECT_EQ(pellam.Stop(), 0);
}

TEST(PellamStart, AMissingOrFailingLibraryIsReportedAndPellamEnds) {
    for (bool missing : {true, false}) {
        PellamHarness pellam(!missing);
        if (!missing) ::SetEnvironmentVariableA("PELLAM_FIXTURE_FAIL", "1");
        ASSERT_TRUE(pellam.Start());
        HWND box = FindMessageBox(pellam.process.Id(), "Pellam");
        ASSERT_NE(box, nullptr) << (missing ? "missing" : "failing");
        char text[64] = "";
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ(text, "Didn't install");
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(pellam.process.WaitForExit(20000), 0);
        EXPECT_EQ(pellam.Window(), nullptr);
        EXPECT_EQ(pellam.Installs().size(), missing ? 0u : 1u);
        ::SetEnvironmentVariableA("PELLAM_FIXTURE_FAIL", nullptr);
    }
}

TEST(PellamStart, AChangedValueOfTheMainKeyIsPushedToTheLibraryButNotOneOfASubkey) {
    PellamHarness pellam;
    PellamHarness::SetNumber("Debug", 1);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    // The worker arms its watch on its own thread, which may come after
    // Install: a change made before that is not seen, so another value of the
    // key is changed until the watch has answered. It must differ each time,
    // since the registry reports no change for a value written unchanged.
    PellamHarness::SetNumber("DoGamma", 0);
    bool refreshed = false;
    for (DWORD attempt = 1; attempt <= 10 && !refreshed; ++attempt) {
        PellamHarness::SetNumber("TestNudge", attempt);
        refreshed = pellam.WaitForInstalls(2, 3000);
    }
    ASSERT_TRUE(refreshed);
    InstallCall refresh = pellam.Installs()[1];
    EXPECT_EQ(refresh.window, 0u);
    EXPECT_EQ(refresh.module, 0u);
    EXPECT_FALSE(refresh.hasText);
    ASSERT_EQ(refresh.settings.size(), 26u);
    EXPECT_EQ(refresh.settings[6], 0u);
    EXPECT_EQ(refresh.settings[21], 0x70051u);
    EXPECT_EQ(Count(PellamHarness::Log(), " = ") % 25, 0u) << "all 25 numbers read each time";
    EXPECT_GE(Count(PellamHarness::Log(), " = "), 50u);

    PellamHarness::SetText("game.exe", "notepad.exe", "Game Profile");
    EXPECT_FALSE(pellam.WaitForInstalls(3, 3000));
    PellamHarness::SetNumber("DoSound", 0);
    EXPECT_TRUE(pellam.WaitForInstalls(3, 10000)) << "the watch is armed again";
    EXPECT_EQ(pellam.Stop(), 0);
}

TEST(PellamStart, TheProfileResetEventRunsResetWithoutWaitingForIt) {
    PellamHarness pellam;
    std::string marker = pellam.folder + "\\reset.txt";
    std::string helper = testsupport::TestBinFolder() + "\\command_fixture.exe";
    PellamHarness::SetText("Reset", "\"" + helper + "\" 4000 " + marker, "Game Profile");
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    ASSERT_TRUE(pellam.SignalEvent(24));
    testsupport::PumpUntil([] { return false; }, 500);
    PellamHarness::SetNumber("Debug", 0);
    EXPECT_TRUE(pellam.WaitForInstalls(2, 3000)) << "the worker is free while Reset runs";
    EXPECT_EQ(::GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(testsupport::PumpUntil(
        [&] { return ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000));
    EXPECT_EQ(pellam.Stop(), 0);
}

TEST(PellamStart, TheQuitEventEndsPellamThroughTheWorker) {
    PellamHarness pellam;
    PellamHarness::SetNumber("Debug", 2);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    ASSERT_TRUE(pellam.SignalEvent(25));
    EXPECT_EQ(pellam.process.WaitForExit(20000), 0);
    EXPECT_EQ(pellam.Records().back(), "Uninstall " + std::to_string(pellam.Installs()[0].window));
    std::string log = PellamHarness::Log();
    size_t thread = log.find("Ending thread...\r\n"), program = log.find("Ending Pellam..\r\n");
    EXPECT_NE(thread, std::string::npos);
    EXPECT_NE(program, std::string::npos);
    EXPECT_LT(thread, program);
}

// A log left by an earlier run.
void WriteEarlierLog() {
    HANDLE file = ::CreateFileA("c:\\Pellam.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "earlier\r\n", 9, &written, nullptr);
    ::CloseHandle(file);
}

TEST(PellamLog, DebugZeroWritesNothingAndKeepsTheFile) {
    PellamHarness pellam;
    WriteEarlierLog();
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(pellam.Stop(), 0);
    EXPECT_EQ(PellamHarness::Log(), "earlier\r\n");
}

TEST(PellamLog, DebugOneStartsAFreshLogWithTheNumbers) {
    PellamHarness pellam;
    WriteEarlierLog();
    PellamHarness::SetNumber("Debug", 1);
    PellamHarness::SetNumber("QuitHotKey", 0x10051);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(pellam.Stop(), 0);
    std::string log = PellamHarness::Log();
    EXPECT_EQ(log.rfind("Debug = 1\r\nPatch = 0\r\n", 0), 0u) << log;
    EXPECT_NE(log.find("QuitHotKey = 65617\r\n"), std::string::npos);
    EXPECT_NE(log.find("DoRadeonOverclockingOnRegChange = 0\r\nStarting Pellam..\r\n"),
              std::string::npos);
    EXPECT_EQ(log.find("earlier"), std::string::npos);
    EXPECT_EQ(log.find("Incoming signal"), std::string::npos) << "level 2";
}

}  // namespace
