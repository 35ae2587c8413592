// The main window: title, frame style, menu bar, and closing by WM_CLOSE,
// Escape and "Exit", in this process and as the real program.
#include "resource.h"
#include "test_support.h"
#include "tweaker_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MenuEntry {
    const char* text;  // nullptr for a separator
    UINT id;
};

struct Popup {
    const char* title;
    std::vector<MenuEntry> items;
};

const std::vector<Popup> kMenuBar = {
    {"&File",
     {{"&Import ...", 40007},
      {"&Export current category ...", 40008},
      {"Export all shown categories ...", 40011},
      {"Export all categories ...", 40012},
      {nullptr, 0},
      {"&Exit", 40001}}},
    {"&Edit",
     {{"&Add category ...", 40003},
      {"&Edit category ...", 40009},
      {"&Remove category", 40004},
      {nullptr, 0},
      {"&Backup category", 40015},
      {"R&estore category ...", 40016}}},
    {"&Options", {{"&HotKeys ...", 40019}, {"&Preferences ...", 40002}}},
    {"&Profiles", {{"&Create profile ...", 40014}, {"&Autoprofiles ...", 40018}}},
    {"&Help", {{"&About", 40013}}},
};

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = "";
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<CTweakerWindow>(::GetModuleHandleA(nullptr), "");
        ASSERT_TRUE(window_->CreateFrame());
        hwnd_ = *window_;
    }
    std::unique_ptr<CTweakerWindow> window_;
    HWND hwnd_ = nullptr;
};

TEST_F(MainWindowTest, FrameHasTitleStyleAndDefaultRectangle) {
    EXPECT_EQ(window_->GetWindowText(), "Quillon - v1.1");
    LONG style = ::GetWindowLongA(hwnd_, GWL_STYLE);
    const LONG expected = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    EXPECT_EQ(style & expected, expected);
    EXPECT_FALSE(style & WS_VISIBLE) << "the frame is created hidden";
    RECT rect = window_->GetWindowRect();
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 740);
    EXPECT_EQ(rect.bottom - rect.top, 512);
    EXPECT_NE(::GetClassLongPtrA(hwnd_, GCLP_HICON), 0u) << "the class carries icon 124";
}

TEST_F(MainWindowTest, MenuBarHasEveryPopupItemAndId) {
    HMENU bar = ::GetMenu(hwnd_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(::GetMenuItemCount(bar), static_cast<int>(kMenuBar.size()));
    for (size_t p = 0; p < kMenuBar.size(); ++p) {
        SCOPED_TRACE(kMenuBar[p].title);
        EXPECT_EQ(MenuText(bar, static_cast<UINT>(p)), kMenuBar[p].title);
        HMENU popup = ::GetSubMenu(bar, static_cast<int>(p));
        ASSERT_NE(popup, nullptr);
        const auto& items = kMenuBar[p].items;
        ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(items.size()));
        for (size_t i = 0; i < items.size(); ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID;
            ASSERT_TRUE(::GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info));
            if (!items[i].text) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << "item " << i;
                continue;
            }
            EXPECT_EQ(MenuText(popup, static_cast<UINT>(i)), items[i].text);
            EXPECT_EQ(info.wID, items[i].id) << items[i].text;
        }
    }
}

TEST_F(MainWindowTest, WmCloseDestroysTheWindow) {
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hwnd_));
    EXPECT_EQ(window_->m_hWnd, nullptr);
}

TEST_F(MainWindowTest, EscapeAndExitCloseTheWindow) {
    ::PostMessageA(hwnd_, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !::IsWindow(hwnd_); }));

    ASSERT_TRUE(window_->CreateFrame());
    HWND second = *window_;
    ::PostMessageA(second, WM_COMMAND, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !::IsWindow(second); }));
}

TEST_F(MainWindowTest, OtherKeysDoNotClose) {
    ::PostMessageA(hwnd_, WM_KEYDOWN, 'A', 0);
    testsupport::PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(::IsWindow(hwnd_));
}

TEST(QuillonProgram, StartsVisibleAndEndsOnWmClose) {
    std::string program = testsupport::WindowsPathFromEnvironment("QUILLON_EXE");
    ASSERT_FALSE(program.empty()) << "QUILLON_EXE is not set";
    testsupport::ChildProcess quillon;
    ASSERT_TRUE(quillon.Start(program, ""));
    HWND window = testsupport::WaitForWindow("Quillon - v1.1", quillon.Id(), 20000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillon.WaitForExit(20000), 0);
}

}  // namespace
