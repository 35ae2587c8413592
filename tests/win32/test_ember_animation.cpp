// The fire and flash animation DLLs on the program's animation thread,
// drawing with Wine's OpenGL into a strip window of the size the main window
// gives it. What they draw is checked on the X server's picture
// (tests/wine/animation_strip.sh): a window's device context does not show
// OpenGL output.
#include "animation_thread.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The main window's whole wait for the thread: 1000 ms, then 5000 more.
// Under emulation Init alone takes seconds, and a stop cannot cut it short.
constexpr DWORD kOwnersWaitMs = 6000;

struct AnimationDll {
    const char* variable;  // where the build says the DLL is
    const char* module;
};

class Animations : public testing::TestWithParam<AnimationDll> {
protected:
    void SetUp() override {
        dll_ = testsupport::WindowsPathFromEnvironment(GetParam().variable);
        ASSERT_FALSE(dll_.empty()) << GetParam().variable << " is not set";
        frame_ = ::CreateWindowA("STATIC", "ember host", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 300,
                                 200, nullptr, nullptr, nullptr, nullptr);
        strip_ = ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 200, 0, 96, 64,
                                 frame_, nullptr, nullptr, nullptr);
        ASSERT_NE(strip_, nullptr);
        ::ShowWindow(frame_, SW_SHOW);
    }
    void TearDown() override { ::DestroyWindow(frame_); }

    std::string dll_;
    HWND frame_ = nullptr;
    HWND strip_ = nullptr;
};

TEST_P(Animations, RunOnTheirThreadAndStopWithinTheWait) {
    const char* module = GetParam().module;
    for (int run = 0; run < 2; ++run) {  // the second run reloads the DLL on a new thread
        AnimationThread animation(strip_, dll_);
        ASSERT_TRUE(animation.Start());
        EXPECT_FALSE(animation.Start()) << "one thread per object";
        ASSERT_TRUE(testsupport::PumpUntil(
            [module] { return ::GetModuleHandleA(module) != nullptr; }, 20000));
        testsupport::PumpUntil([] { return false; }, 1500);  // some frames
        EXPECT_TRUE(animation.Running());

        EXPECT_TRUE(animation.Stop(kOwnersWaitMs)) << "run " << run;
        EXPECT_FALSE(animation.Running());
        EXPECT_EQ(::GetModuleHandleA(module), nullptr) << "unloaded by its thread";
    }
    EXPECT_TRUE(::IsWindow(strip_));
}

INSTANTIATE_TEST_SUITE_P(FireAndFlash, Animations,
                         testing::Values(AnimationDll{"EMBER_ANIMATION_DLL", "Ember_Animation.dll"},
                                         AnimationDll{"STROBE_ANIMATION_DLL", "Strobe_Animation.dll"}));

}  // namespace
