// Each built tab DLL through the program's own plug-in host: it loads, names
// itself, gives its minimum size, shows its page with what the page is for,
// hides it, and takes the page down before the DLL goes. Only reading and
// showing: nothing here changes the test machine's display.
#include "cadence_page.h"
#include "caps3d_page.h"
#include "caps_tables.h"
#include "extlist_page.h"
#include "page_frame.h"
#include "tab_plugin.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string WindowText(HWND window) {
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

void CheckRefreshRates(PageFrame&, HWND container) {
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(container, cadence::kFirstListId)));
}

// What the page shows is what the test reads from Wine's Direct3D 8 itself.
void CheckDirect3D(PageFrame&, HWND container) {
    D3DCAPS8 caps{};
    D3DADAPTER_IDENTIFIER8 adapter{};
    caps3d::Direct3DCapsSource direct3d;
    ASSERT_TRUE(direct3d.Read(caps, adapter)) << "Wine has Direct3D 8";
    std::string header = WindowText(::GetDlgItem(container, caps3d::kHeaderId));
    EXPECT_EQ(header.rfind(adapter.Description, 0), 0u) << header;
    std::vector<caps3d::Row> rows = caps3d::GroupRows(caps, 0);
    EXPECT_EQ(testsupport::ListViewCell(::GetDlgItem(container, caps3d::kCapabilityListId), 0, 1), rows[0].second);
    EXPECT_NE(rows[0].second, "0 x 0") << "Wine's device has texture limits";
}

void CheckOpenGl(PageFrame&, HWND container) {
    EXPECT_EQ(WindowText(::GetDlgItem(container, extlist::kUpdateId)), "Update from OpenGL registry");
    EXPECT_GT(::SendMessageA(::GetDlgItem(container, extlist::kListId), LVM_GETITEMCOUNT, 0, 0), 0);
}

void CheckGamma(PageFrame& frame, HWND) {
    ASSERT_FALSE(frame.statusTexts.empty());
    EXPECT_EQ(frame.statusTexts.back().rfind("Gamma: ", 0), 0u) << frame.statusTexts.back();
}

struct TabDll {
    const char* environment;  // where the test run names the built DLL
    const char* file;
    const char* name;
    int minimumWidth;
    int minimumHeight;  // 0: one row of 42 or more, plus 6
    std::function<void(PageFrame&, HWND)> checkShown;
};

const TabDll kTabDlls[] = {
    {"CADENCE_TAB_DLL", "Cadence_Tab.dll", "Refresh rates", 320, 0, CheckRefreshRates},
    {"CAPS3D_TAB_DLL", "Caps3D_Tab.dll", "DirectX info", 680, 70, CheckDirect3D},
    {"EXTLIST_TAB_DLL", "Extlist_Tab.dll", "OpenGL info", 680, 70, CheckOpenGl},
    {"RAMP_TAB_DLL", "Ramp_Tab.dll", "Gamma correction", 128, 82, CheckGamma},
};

TEST(TabDlls, EachLoadsNamesItselfShowsItsPageAndGoesCleanly) {
    for (const TabDll& tab : kTabDlls) {
        SCOPED_TRACE(tab.file);
        std::string dll = testsupport::WindowsPathFromEnvironment(tab.environment);
        ASSERT_FALSE(dll.empty()) << tab.environment << " is not set";
        PageFrame frame(tab.file);
        frame.ShowWindow(SW_SHOW);
        QuillonHostWindow host{};
        host.m_hWnd = frame.m_hWnd;
        {
            TabPlugin plugin(dll, &host);
            ASSERT_TRUE(plugin.IsValid());
            EXPECT_EQ(plugin.GetName(), tab.name);
            int minWidth = 0, minHeight = 0, maxWidth = 5000, maxHeight = 5000;
            plugin.GetConstraints(&minWidth, &minHeight, &maxWidth, &maxHeight);
            EXPECT_EQ(minWidth, tab.minimumWidth);
            if (tab.minimumHeight) {
                EXPECT_EQ(minHeight, tab.minimumHeight);
            } else {
                EXPECT_GE(minHeight, 42 + 6);
                EXPECT_EQ((minHeight - 6) % 42, 0);
            }
            EXPECT_EQ(maxWidth, 5000);

            HWND container = ::GetDlgItem(frame.m_hWnd, tabplugin::kContainerId);
            ASSERT_NE(container, nullptr);
            EXPECT_FALSE(::IsWindowVisible(container)) << "hidden until shown";
            plugin.Show();
            plugin.Resize();
            EXPECT_TRUE(::IsWindowVisible(container));
            tab.checkShown(frame, container);
            plugin.Hide();
            EXPECT_FALSE(::IsWindowVisible(container));
        }
        EXPECT_EQ(::GetDlgItem(frame.m_hWnd, tabplugin::kContainerId), nullptr)
            << "Exit takes the page down before the DLL goes";
        EXPECT_EQ(::GetModuleHandleA(tab.file), nullptr);
    }
}

}  // namespace
