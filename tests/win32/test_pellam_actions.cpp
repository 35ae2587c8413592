// What Pellam does for games: commands sent with WM_COPYDATA 2 (split,
// waited for, logged) and the refresh-rate override after a display change.
#include "desktop_support.h"
#include "pellam_harness.h"

#include <gtest/gtest.h>

namespace {

// Sends a command the way a game's process does; the text goes without its
// terminating zero, so Pellam must stop at cbData.
DWORD SendCommand(HWND pellam, const std::string& command) {
    std::string data = command + "XYZ";  // bytes beyond cbData that must not be read
    COPYDATASTRUCT copy{2, static_cast<DWORD>(command.size()), &data[0]};
    DWORD start = ::GetTickCount();
    ::SendMessageA(pellam, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    return ::GetTickCount() - start;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(PellamCommands, ACommandReturnsOnlyAfterItsProcessEnded) {
    PellamHarness pellam;
    PellamHarness::SetNumber("Debug", 1);
    std::string blanks = pellam.folder + "\\with blanks";
    ::CreateDirectoryA(blanks.c_str(), nullptr);
    std::string helper = blanks + "\\command fixture.exe";
    ASSERT_TRUE(::CopyFileA((testsupport::TestBinFolder() + "\\command_fixture.exe").c_str(),
                            helper.c_str(), FALSE));
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));

    std::string marker = pellam.folder + "\\waited.txt";
    std::string parameters = "1500 \"" + marker + "\"";
    DWORD took = SendCommand(pellam.Window(), "  \"" + helper + "\"  " + parameters);
    EXPECT_TRUE(Exists(marker)) << "the command ended before SendMessage returned";
    EXPECT_GE(took, 1400u);

    SendCommand(pellam.Window(), "\"" + helper + "\"");
    EXPECT_TRUE(Exists(blanks + "\\ran.txt"));
    EXPECT_EQ(pellam.Stop(), 0);

    std::string log = PellamHarness::Log();
    EXPECT_NE(log.find("Running " + helper + " (" + parameters + ")\r\n" + helper + " (" +
                       parameters + ") completed.\r\n"),
              std::string::npos) << log;
    EXPECT_NE(log.find("Running " + helper + " ()\r\n" + helper + " () completed.\r\n"),
              std::string::npos);
    EXPECT_EQ(log.find("XYZ"), std::string::npos);
}

TEST(PellamCommands, ACommandThatCannotStartIsLoggedWithTheSystemText) {
    PellamHarness pellam;
    PellamHarness::SetNumber("Debug", 1);
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    SendCommand(pellam.Window(), "c:\\nowhere\\missing.exe -x");
    EXPECT_EQ(pellam.Stop(), 0);
    EXPECT_NE(PellamHarness::Log().find("Couldn't run c:\\nowhere\\missing.exe (-x)=>"),
              std::string::npos);
}

class PellamRefresh : public testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::DesktopHasDisplayModes())
            GTEST_SKIP() << "the test display has one mode only (Xvfb)";
    }
    void TearDown() override { ::ChangeDisplaySettingsA(nullptr, 0); }

    // Switches to 800x600 and back to 1024x768 at 60 Hz; returns the rate
    // the display shows a while later.
    DWORD RateAfterModeChanges() {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        ::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
        mode.dmPelsWidth = 800, mode.dmPelsHeight = 600, mode.dmDisplayFrequency = 60;
        EXPECT_EQ(::ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
        mode.dmPelsWidth = 1024, mode.dmPelsHeight = 768;
        EXPECT_EQ(::ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
        testsupport::DisplayProbe probe;
        testsupport::PumpUntil([&] {
            return testsupport::ProbeDisplay(probe) && probe.frequency != 60;
        }, 6000);
        return probe.frequency;
    }
    static std::string ModeKey() {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        ::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
        return "Custom Display Modes\\Modes\\" + std::to_string(mode.dmBitsPerPel) + "\\1024,768";
    }
};

TEST_F(PellamRefresh, AStoredRateIsAppliedAfterADisplayChange) {
    PellamHarness pellam;
    PellamHarness::SetText("RefreshRate", "85", ModeKey().c_str());
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(RateAfterModeChanges(), 85u);
    EXPECT_EQ(pellam.Stop(), 0);
}

TEST_F(PellamRefresh, AFiveCharacterRateIsTreatedAsMissing) {
    PellamHarness pellam;
    PellamHarness::SetText("RefreshRate", "00085", ModeKey().c_str());
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(RateAfterModeChanges(), 60u);
    EXPECT_EQ(pellam.Stop(), 0);
}

}  // namespace
