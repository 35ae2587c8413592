// Quillon.exe started as its own process: the default and the stored window
// placement, "-minimize", and a second start handing over to the first.
#include "app_messages.h"
#include "main_window_fixture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const char kTitle[] = "Quillon - v1.1";

class ProgramStart : public testing::Test {
protected:
    void SetUp() override {
        programkey::Prepare();
        program_ = copy_.exe();
    }
    void TearDown() override { programkey::Prepare(); }

    // Starts the program and waits for its main window.
    HWND Start(testsupport::ChildProcess& process, const std::string& arguments) {
        if (!process.Start(program_, arguments)) return nullptr;
        return testsupport::WaitForWindow(kTitle, process.Id(), 20000);
    }
    static void Close(testsupport::ChildProcess& process, HWND window) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(process.WaitForExit(20000), 0);
    }
    ProgramCopy copy_;
    std::string program_;
};

TEST_F(ProgramStart, OpensAtTheOriginAndReopensWhereItWasClosed) {
    testsupport::ChildProcess first;
    HWND window = Start(first, "");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    RECT rect{};
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 740);
    EXPECT_EQ(rect.bottom - rect.top, 512);

    ::SetWindowPos(window, nullptr, 60, 50, 640, 420, SWP_NOZORDER);
    Close(first, window);

    testsupport::ChildProcess second;
    window = Start(second, "");
    ASSERT_NE(window, nullptr);
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 60);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right, 700);
    EXPECT_EQ(rect.bottom, 470);
    Close(second, window);
}

TEST_F(ProgramStart, SecondStartWakesTheInstanceInTheTrayAndExits) {
    testsupport::ChildProcess first;
    HWND window = Start(first, "-minimize");
    ASSERT_NE(window, nullptr) << "a window hidden in the tray is still found by its title";
    testsupport::PumpUntil([] { return false; }, 500);
    EXPECT_FALSE(::IsWindowVisible(window));

    testsupport::ChildProcess second;
    ASSERT_TRUE(second.Start(program_, ""));
    EXPECT_EQ(second.WaitForExit(20000), 0) << "the second start ends by itself";
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ::IsWindowVisible(window) != FALSE; }))
        << "the first instance came out of the tray";
    HWND other = nullptr;
    int windows = 0;
    while ((other = ::FindWindowExA(nullptr, other, nullptr, kTitle)) != nullptr) ++windows;
    EXPECT_EQ(windows, 1);
    Close(first, window);
}

TEST_F(ProgramStart, MinimizeInCapitalsIsNotRecognised) {
    testsupport::ChildProcess process;
    HWND window = Start(process, "-MINIMIZE");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    Close(process, window);
}

}  // namespace

// Quillon.exe finds its user-interface entry points at their first call, by
// name: every one it uses must be there under that name, or the program
// would stop at the first call of a missing one.
TEST(LateImports, EveryEntryPointTheProgramUsesIsFoundByName) {
    std::string listPath = testsupport::WindowsPathFromEnvironment("QUILLON_LATE_IMPORTS");
    FILE* list = std::fopen(listPath.c_str(), "r");
    ASSERT_TRUE(list) << listPath;
    char dll[64], name[128];
    int checked = 0;
    while (std::fscanf(list, "%63s %127s", dll, name) == 2) {
        HMODULE module = ::LoadLibraryA(dll);
        EXPECT_TRUE(module && ::GetProcAddress(module, name)) << dll << " " << name;
        ++checked;
    }
    std::fclose(list);
    EXPECT_GT(checked, 50);  // the list is the program's, not an empty file
}
