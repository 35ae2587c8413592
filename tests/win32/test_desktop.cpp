// The test desktop itself: display modes that change, a gamma ramp that
// reads back, a master volume that reads back, and keys pressed as a person
// presses them. Mode and ramp changes are checked from outside this process
// by display_probe.exe, and every change is undone at the end.
#include "desktop_support.h"
#include "gamma_page.h"
#include "master_volume.h"
#include "page_frame.h"
#include "screen_gamma_device.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

using testsupport::DisplayProbe;

#define SKIP_WITHOUT_DISPLAY_MODES()                                                    \
    if (!testsupport::DesktopHasDisplayModes())                                         \
    GTEST_SKIP() << "the test display is Xvfb, which has one mode and no gamma ramp " \
                    "(Xorg's dummy driver is not installed here)"

// The dummy display keeps 8 bits a channel: an entry reads back as its high
// byte times 257.
std::vector<int> HighBytes(const std::array<WORD, 768>& ramp) {
    std::vector<int> bytes;
    for (WORD entry : ramp) bytes.push_back(entry >> 8);
    return bytes;
}

std::array<WORD, 768> IdentityRamp() {
    std::array<WORD, 768> ramp{};
    for (int i = 0; i < 768; ++i) ramp[i] = static_cast<WORD>((i % 256) * 257);
    return ramp;
}

bool SetScreenRamp(const std::array<WORD, 768>& ramp) {
    HDC screen = ::GetDC(nullptr);
    std::array<WORD, 768> copy = ramp;
    bool ok = ::SetDeviceGammaRamp(screen, copy.data()) != FALSE;
    ::ReleaseDC(nullptr, screen);
    return ok;
}

class DisplayModes : public testing::Test {
protected:
    void TearDown() override { ::ChangeDisplaySettingsA(nullptr, 0); }
};

TEST_F(DisplayModes, AListedModeIsSetAndTheRegistryModeComesBack) {
    SKIP_WITHOUT_DISPLAY_MODES();
    DisplayProbe before;
    ASSERT_TRUE(testsupport::ProbeDisplay(before));
    ASSERT_TRUE(before.modeRead);

    std::map<std::pair<DWORD, DWORD>, std::set<DWORD>> rates;
    DEVMODEA target{};
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; ::EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        rates[{mode.dmPelsWidth, mode.dmPelsHeight}].insert(mode.dmDisplayFrequency);
        if (mode.dmPelsWidth == 800 && mode.dmPelsHeight == 600 && mode.dmDisplayFrequency == 75 &&
            mode.dmBitsPerPel == before.bitsPerPixel)
            target = mode;
    }
    EXPECT_GE(rates.size(), 3u) << "several resolutions";
    std::pair<DWORD, DWORD> xga(1024, 768);
    EXPECT_GE(rates[xga].size(), 2u) << "1024x768 at 60 and 85 Hz";
    ASSERT_EQ(target.dmPelsWidth, 800u) << "800x600 at 75 Hz is listed";

    target.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    ASSERT_EQ(::ChangeDisplaySettingsA(&target, 0), DISP_CHANGE_SUCCESSFUL);
    DisplayProbe changed;
    ASSERT_TRUE(testsupport::ProbeDisplay(changed));
    EXPECT_EQ(changed.width, 800u);
    EXPECT_EQ(changed.height, 600u);
    EXPECT_EQ(changed.frequency, 75u);

    ASSERT_EQ(::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    DisplayProbe after;
    ASSERT_TRUE(testsupport::ProbeDisplay(after));
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
}

class GammaRamps : public testing::Test {
protected:
    void TearDown() override { SetScreenRamp(IdentityRamp()); }
};

TEST_F(GammaRamps, ARampSetIsWhatAnotherProgramReads) {
    SKIP_WITHOUT_DISPLAY_MODES();
    ramp::GammaRamp dark = ramp::BuildRamp(0.6);
    std::array<WORD, 768> set{};
    std::copy(dark.begin(), dark.end(), set.begin());
    ASSERT_TRUE(SetScreenRamp(set));
    DisplayProbe probe;
    ASSERT_TRUE(testsupport::ProbeDisplay(probe));
    ASSERT_TRUE(probe.rampRead);
    EXPECT_EQ(HighBytes(probe.ramp), HighBytes(set));
    EXPECT_NE(HighBytes(probe.ramp), HighBytes(IdentityRamp()));
}

// The gamma tab on the real screen: its slider changes the ramp every program
// sees, and "Reset" gives back the neutral one.
TEST_F(GammaRamps, TheGammaTabChangesTheScreensRamp) {
    SKIP_WITHOUT_DISPLAY_MODES();
    ASSERT_TRUE(SetScreenRamp(IdentityRamp()));
    PageFrame frame("gamma on the screen");
    frame.ShowWindow(SW_SHOW);
    ramp::ScreenGammaDevice screen;
    ramp::GammaPage page(screen);
    ASSERT_TRUE(page.Init(frame.m_hWnd));
    page.Show();
    EXPECT_EQ(::SendMessageA(::GetDlgItem(page.container(), ramp::kSliderId), TBM_GETPOS, 0, 0),
              ramp::kSliderIdentity)
        << "the X server's identity ramp (i * 257) reads as gamma 1";
    HWND slider = ::GetDlgItem(page.container(), ramp::kSliderId);
    HWND reset = ::GetDlgItem(page.container(), ramp::kResetButtonId);

    ::SendMessageA(slider, WM_KEYDOWN, VK_END, 0);
    ::SendMessageA(slider, WM_KEYUP, VK_END, 0);
    DisplayProbe bright;
    ASSERT_TRUE(testsupport::ProbeDisplay(bright));
    ramp::GammaRamp top = ramp::BuildRamp(ramp::GammaFromSlider(ramp::kSliderMax));
    EXPECT_EQ(bright.ramp[128] >> 8, top[128] >> 8);
    EXPECT_EQ(bright.ramp[512 + 200] >> 8, top[512 + 200] >> 8);
    EXPECT_GT(bright.ramp[128], IdentityRamp()[128]) << "a higher gamma brightens the middle";

    ::SendMessageA(reset, BM_CLICK, 0, 0);
    DisplayProbe neutral;
    ASSERT_TRUE(testsupport::ProbeDisplay(neutral));
    EXPECT_EQ(HighBytes(neutral.ramp), HighBytes(IdentityRamp()));
    EXPECT_EQ(frame.statusTexts.back(), "Gamma: 1.00");
}

class MasterVolume : public testing::Test {
protected:
    void SetUp() override { saved_ = winlib::GetMasterVolume(volume_); }
    void TearDown() override {
        if (saved_) winlib::SetMasterVolume(volume_);
    }
    bool saved_ = false;
    DWORD volume_ = 0;
};

// Wine keeps the mixer's master volume per process (its audio session), so
// the volume is read back by the program that set it: that is how a game and
// the hook library inside it see it.
TEST_F(MasterVolume, AVolumeSetIsWhatIsReadBack) {
    if (!testsupport::DesktopHasSound())
        GTEST_SKIP() << "no sound server on the test desktop (PulseAudio is not installed here)";
    ASSERT_TRUE(saved_) << "the mixer has a speakers line with a volume control";
    for (DWORD wanted : {DWORD{0x4000}, DWORD{0xC000}, DWORD{0}, DWORD{0xFFFF}}) {
        ASSERT_TRUE(winlib::SetMasterVolume(wanted));
        DWORD read = 0x12345678;
        ASSERT_TRUE(winlib::GetMasterVolume(read));
        EXPECT_NEAR(static_cast<double>(read), wanted, 256.0) << "set " << wanted;
    }
}

// A window that keeps the key messages it receives.
class KeyWindow : public winlib::CWnd {
public:
    KeyWindow() {
        CreateEx(0, RegisterWindowClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                        static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), nullptr),
                 "key target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr);
    }
    ~KeyWindow() override { DestroyWindow(); }

    struct Key {
        UINT message;
        WPARAM key;
        bool alt;  // context code: Alt was down
        bool operator==(const Key& other) const {
            return message == other.message && key == other.key && alt == other.alt;
        }
    };
    std::vector<Key> keys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
            keys.push_back({message, wParam, (lParam & (1 << 29)) != 0});
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::ostream& operator<<(std::ostream& out, const KeyWindow::Key& key) {
    const char* names[] = {"WM_KEYDOWN", "WM_KEYUP", "", "", "WM_SYSKEYDOWN", "WM_SYSKEYUP"};
    return out << names[key.message - WM_KEYDOWN] << "(" << key.key << (key.alt ? ", alt" : "") << ")";
}

TEST(PressedKeys, ACombinationArrivesAsTheMessagesOfARealPress) {
    if (!testsupport::DesktopCanPressKeys())
        GTEST_SKIP() << "xdotool is not installed here";
    KeyWindow window;
    testsupport::PumpUntil([] { return false; }, 200);

    ASSERT_TRUE(testsupport::PressKeys(window.m_hWnd, "ctrl+shift+F5"));
    using Key = KeyWindow::Key;
    std::vector<Key> control = {{WM_KEYDOWN, VK_CONTROL, false}, {WM_KEYDOWN, VK_SHIFT, false},
                                {WM_KEYDOWN, VK_F5, false},      {WM_KEYUP, VK_F5, false},
                                {WM_KEYUP, VK_SHIFT, false},     {WM_KEYUP, VK_CONTROL, false}};
    testsupport::PumpUntil([&] { return window.keys.size() >= control.size(); });
    EXPECT_EQ(window.keys, control);

    window.keys.clear();
    ASSERT_TRUE(testsupport::PressKeys(window.m_hWnd, "alt+g"));
    std::vector<Key> alt = {{WM_SYSKEYDOWN, VK_MENU, true}, {WM_SYSKEYDOWN, 'G', true},
                            {WM_SYSKEYUP, 'G', true},       {WM_KEYUP, VK_MENU, false}};
    testsupport::PumpUntil([&] { return window.keys.size() >= alt.size(); });
    EXPECT_EQ(window.keys, alt);
}

}  // namespace
