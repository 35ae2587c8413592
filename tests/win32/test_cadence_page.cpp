// The refresh-rate tab on the dummy display: its rows come from the modes the
// display lists, a choice is stored under every colour depth at once, and
// "Set display mode" switches the desktop (read back from outside).
#include "cadence_page.h"
#include "desktop_support.h"
#include "page_frame.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include <map>
#include <memory>
#include <set>

namespace {

const char kOverrideModes[] = "Software\\Pellam Suite\\Custom Display Modes\\Modes";
const char kDriverModes[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES";

// "RefreshRate" under <root>\<modes>\<bits>\<resolution>; "(none)" when missing.
std::string StoredRate(HKEY root, const char* modes, int bits, const char* resolution) {
    std::string path = std::string(modes) + "\\" + std::to_string(bits) + "\\" + resolution;
    char value[64] = "";
    DWORD size = sizeof value;
    if (::RegGetValueA(root, path.c_str(), "RefreshRate", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return "(none)";
    return value;
}

// A frame that reports a platform family to the page, as the main window does.
class PlatformFrame : public PageFrame {
public:
    PlatformFrame(const char* title, int32_t osFamily) : PageFrame(title), osFamily_(osFamily) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == UM_GETPLATFORM) {
            int32_t record[6] = {0, 0, 0, 0, 0, osFamily_};
            std::memcpy(reinterpret_cast<void*>(lParam), record,
                        std::min<size_t>(wParam, sizeof record));
            return 0;
        }
        return PageFrame::WindowProc(message, wParam, lParam);
    }

private:
    int32_t osFamily_;
};

class CadencePages : public testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::DesktopHasDisplayModes())
            GTEST_SKIP() << "the test display is Xvfb, which lists one mode";
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellam Suite\\Custom Display Modes");
    }
    void TearDown() override { ::ChangeDisplaySettingsA(nullptr, 0); }

    std::unique_ptr<cadence::CadencePage> MakePage(PageFrame& frame) {
        frame.ShowWindow(SW_SHOW);
        auto page = std::make_unique<cadence::CadencePage>(cadence::EnumerateDisplayModes());
        EXPECT_TRUE(page->Init(frame.m_hWnd));
        page->Show();
        page->Resize();
        return page;
    }
    static HWND List(const cadence::CadencePage& page, size_t row) {
        return ::GetDlgItem(page.container(), cadence::kFirstListId + static_cast<int>(row));
    }
    static std::vector<std::string> Items(HWND list) {
        std::vector<std::string> items;
        int count = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = "";
            ::SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    static std::string Selected(HWND list) {
        int selected = static_cast<int>(::SendMessageA(list, CB_GETCURSEL, 0, 0));
        return selected < 0 ? "(none)" : Items(list)[selected];
    }
    // Picks an item as the user does: the list notifies its parent.
    static void Pick(HWND list, const std::string& text) {
        int item = static_cast<int>(
            ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(text.c_str())));
        ASSERT_GE(item, 0) << text;
        ::SendMessageA(list, CB_SETCURSEL, item, 0);
        ::SendMessageA(::GetParent(list), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
    }
    // The row of a resolution, or -1.
    static int RowOf(const cadence::CadencePage& page, const std::string& resolution) {
        for (size_t row = 0; row < page.rowCount(); ++row)
            if (Items(List(page, row))[0].rfind(resolution + " @ ", 0) == 0) return static_cast<int>(row);
        return -1;
    }
};

TEST_F(CadencePages, OneRowPerResolutionWithEachRateOnce) {
    PageFrame frame("refresh rates");
    auto page = MakePage(frame);

    std::set<std::string> resolutions;
    for (size_t row = 0; row < page->rowCount(); ++row) {
        std::vector<std::string> items = Items(List(*page, row));
        ASSERT_FALSE(items.empty());
        EXPECT_NE(items[0].find(" @ Default"), std::string::npos) << items[0];
        EXPECT_EQ(Selected(List(*page, row)), items[0]) << "nothing stored: Default";
        std::set<std::string> unique(items.begin(), items.end());
        EXPECT_EQ(unique.size(), items.size()) << "each rate once in " << items[0];
        EXPECT_TRUE(resolutions.insert(items[0]).second) << "one row per resolution";
    }
    int row = RowOf(*page, "1024 x 768");
    ASSERT_GE(row, 0);
    std::vector<std::string> items = Items(List(*page, row));
    EXPECT_NE(std::find(items.begin(), items.end(), "1024 x 768 @ 85Hz"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "1024 x 768 @ 60Hz"), items.end());

    // Layout: list and button of each row, 42 pixels apart.
    RECT client{};
    ::GetClientRect(page->container(), &client);
    RECT list{};
    ::GetWindowRect(List(*page, 1), &list);
    ::MapWindowPoints(nullptr, page->container(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, client.right / 2 - 140);
    EXPECT_EQ(list.top, 10 + 42);
    EXPECT_EQ(page->MinimumHeight(), 42 * static_cast<int>(page->rowCount()) + 6);
}

TEST_F(CadencePages, AChoiceIsStoredUnderEveryDepthAndDefaultRemovesIt) {
    PageFrame frame("refresh rates");
    auto page = MakePage(frame);
    int row = RowOf(*page, "1024 x 768");
    ASSERT_GE(row, 0);

    Pick(List(*page, row), "1024 x 768 @ 85Hz");
    for (int bits : {8, 16, 24, 32})
        EXPECT_EQ(StoredRate(HKEY_CURRENT_USER, kOverrideModes, bits, "1024,768"), "85") << bits;

    // A new page shows what is stored.
    page.reset();
    page = MakePage(frame);
    EXPECT_EQ(Selected(List(*page, row)), "1024 x 768 @ 85Hz");

    Pick(List(*page, row), "1024 x 768 @ Default");
    for (int bits : {8, 16, 24, 32})
        EXPECT_EQ(StoredRate(HKEY_CURRENT_USER, kOverrideModes, bits, "1024,768"), "(none)") << bits;
}

TEST_F(CadencePages, SetDisplayModeSwitchesTheDesktop) {
    PageFrame frame("refresh rates");
    auto page = MakePage(frame);
    int row = RowOf(*page, "800 x 600");
    ASSERT_GE(row, 0);
    Pick(List(*page, row), "800 x 600 @ 75Hz");
    HWND button = ::GetDlgItem(page->container(), cadence::kFirstButtonId + row);
    char caption[32] = "";
    ::GetWindowTextA(button, caption, sizeof caption);
    EXPECT_STREQ(caption, "Set display mode");
    ::SendMessageA(button, BM_CLICK, 0, 0);

    testsupport::DisplayProbe probe;
    ASSERT_TRUE(testsupport::ProbeDisplay(probe));
    EXPECT_EQ(probe.width, 800u);
    EXPECT_EQ(probe.height, 600u);
    EXPECT_EQ(probe.frequency, 75u);
}

TEST_F(CadencePages, Windows9xUsesTheDriversTableAndShowsOnlyWhatIsStored) {
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kDriverModes);
    HKEY key = nullptr;
    std::string stored = std::string(kDriverModes) + "\\32\\1024,768";
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, stored.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr), ERROR_SUCCESS);
    ::RegSetValueExA(key, "RefreshRate", 0, REG_SZ, reinterpret_cast<const BYTE*>("85"), 3);
    ::RegCloseKey(key);

    PlatformFrame frame("refresh rates 9x", 2);
    auto page = MakePage(frame);
    int row = RowOf(*page, "1024 x 768");
    ASSERT_GE(row, 0);
    std::vector<std::string> items = Items(List(*page, row));
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items.front(), "1024 x 768 @ 60Hz");
    EXPECT_EQ(items.back(), "1024 x 768 @ 160Hz");
    EXPECT_EQ(Selected(List(*page, row)), "1024 x 768 @ 85Hz");
    int other = RowOf(*page, "800 x 600");
    ASSERT_GE(other, 0);
    EXPECT_EQ(Selected(List(*page, other)), "(none)") << "nothing stored: no rate shown";

    Pick(List(*page, row), "1024 x 768 @ 100Hz");
    for (int bits : {8, 16, 24, 32})
        EXPECT_EQ(StoredRate(HKEY_LOCAL_MACHINE, kDriverModes, bits, "1024,768"), "100") << bits;
    EXPECT_EQ(StoredRate(HKEY_CURRENT_USER, kOverrideModes, 32, "1024,768"), "(none)");
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kDriverModes);
}

}  // namespace
