// The Direct3D tab: the groups and rows of a device whose capabilities the
// test chose, and clicks on the group list.
#include "caps3d_page.h"
#include "caps_tables.h"
#include "page_frame.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class KnownCaps : public caps3d::CapsSource {
public:
    bool Read(D3DCAPS8& out, D3DADAPTER_IDENTIFIER8& adapter) override {
        ++reads;
        out = caps;
        lstrcpyA(adapter.Description, "Test Adapter 9000");
        lstrcpyA(adapter.Driver, "test.dll");
        adapter.DriverVersion.QuadPart = (0x0006000EULL << 32) | 0x000A0B0CULL;
        return true;
    }
    D3DCAPS8 caps{};
    int reads = 0;
};

class Caps3DPages : public testing::Test {
protected:
    void SetUp() override {
        source_.caps.Caps = D3DCAPS_READ_SCANLINE;
        source_.caps.PresentationIntervals = D3DPRESENT_INTERVAL_IMMEDIATE | D3DPRESENT_INTERVAL_TWO;
        source_.caps.VertexShaderVersion = D3DVS_VERSION(1, 1);
        source_.caps.MaxTextureWidth = 2048;
        source_.caps.MaxTextureHeight = 1024;
        source_.caps.TextureOpCaps = 0xFFFFFFFF;
        source_.caps.FVFCaps = 2;  // a texture coordinate count, no flags
        source_.caps.GuardBandLeft = -2048.5f;
        frame_.ShowWindow(SW_SHOW);
        page_ = std::make_unique<caps3d::Caps3DPage>(source_);
        ASSERT_TRUE(page_->Init(frame_.m_hWnd));
        page_->Show();
        page_->Resize();
        list_ = ::GetDlgItem(page_->container(), caps3d::kCapabilityListId);
        groups_ = ::GetDlgItem(page_->container(), caps3d::kGroupListId);
    }
    std::string Cell(HWND list, int row, int column) const { return testsupport::ListViewCell(list, row, column); }
    int FilledRows() const {
        int filled = 0;
        for (int row = 0; row < 32; ++row)
            if (!Cell(list_, row, 0).empty() || !Cell(list_, row, 1).empty()) filled = row + 1;
        return filled;
    }
    // A click on the group list at a point of its client area, as the list
    // reports it: the message position is where the cursor was.
    void ClickGroups(POINT client) {
        POINT screen = client;
        ::ClientToScreen(groups_, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageA(frame_.m_hWnd, WM_NULL, 0, 0);
        MSG msg;
        ::GetMessageA(&msg, frame_.m_hWnd, WM_NULL, WM_NULL);
        NMHDR header{groups_, caps3d::kGroupListId, static_cast<UINT>(NM_CLICK)};
        ::SendMessageA(page_->container(), WM_NOTIFY, caps3d::kGroupListId,
                       reinterpret_cast<LPARAM>(&header));
    }
    // Scrolls the group into view first, as the user would.
    void ClickGroup(int group) {
        ::SendMessageA(groups_, LVM_ENSUREVISIBLE, group, FALSE);
        RECT item{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageA(groups_, LVM_GETITEMRECT, group, reinterpret_cast<LPARAM>(&item));
        ClickGroups(POINT{item.left + 5, (item.top + item.bottom) / 2});
    }

    PageFrame frame_{"directx info"};
    KnownCaps source_;
    std::unique_ptr<caps3d::Caps3DPage> page_;
    HWND list_ = nullptr;
    HWND groups_ = nullptr;
};

TEST_F(Caps3DPages, FirstShowFillsTheHeaderGroupsAndDeviceInfo) {
    EXPECT_EQ(source_.reads, 1);
    page_->Hide();
    page_->Show();
    EXPECT_EQ(source_.reads, 1) << "the device is asked once";

    char header[256] = "";
    ::GetWindowTextA(::GetDlgItem(page_->container(), caps3d::kHeaderId), header, sizeof header);
    EXPECT_STREQ(header, "Test Adapter 9000\r\nDriver: test.dll\r\nVersion: 6.14.10.2828");
    EXPECT_EQ(::SendMessageA(groups_, LVM_GETITEMCOUNT, 0, 0), 25);
    EXPECT_EQ(Cell(groups_, 4, 0), "PresentationIntervals");
    EXPECT_EQ(Cell(groups_, 24, 0), "VertexProcessingCaps");
    EXPECT_EQ(::SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 32);
    EXPECT_EQ(::SendMessageA(list_, LVM_GETTEXTCOLOR, 0, 0), RGB(255, 255, 0));

    EXPECT_EQ(Cell(list_, 0, 0), "Max texture dimensions");
    EXPECT_EQ(Cell(list_, 0, 1), "2048 x 1024");
    EXPECT_EQ(Cell(list_, 6, 1), "(-2048.5,0,0,0)");
    EXPECT_EQ(Cell(list_, 16, 0), "Max vertex index ");
    EXPECT_EQ(Cell(list_, 19, 0), "Vertex shader version");
    EXPECT_EQ(Cell(list_, 19, 1), "1.1");
    EXPECT_EQ(FilledRows(), 23);
}

TEST_F(Caps3DPages, ClickedGroupsShowTheirFlags) {
    ClickGroup(4);
    EXPECT_EQ(Cell(list_, 0, 0), "D3DPRESENT_INTERVAL_IMMEDIATE");
    EXPECT_EQ(Cell(list_, 0, 1), "Yes");
    EXPECT_EQ(Cell(list_, 1, 1), "No");
    EXPECT_EQ(Cell(list_, 2, 0), "D3DPRESENT_INTERVAL_TWO");
    EXPECT_EQ(Cell(list_, 2, 1), "Yes");
    EXPECT_EQ(FilledRows(), 5);

    ClickGroup(23);
    EXPECT_EQ(FilledRows(), 26);
    EXPECT_EQ(Cell(list_, 25, 0), "D3DTEXOPCAPS_SUBTRACT");
    ClickGroup(1);
    EXPECT_EQ(Cell(list_, 0, 0), "D3DCAPS_READ_SCANLINE");
    EXPECT_EQ(Cell(list_, 0, 1), "Yes");
    EXPECT_EQ(FilledRows(), 1) << "a long group followed by a short one leaves the rest empty";

    ClickGroup(22);
    EXPECT_EQ(Cell(list_, 2, 0), "D3DFVFCAPS_TEXCOORDCOUNTMASK");
    EXPECT_EQ(Cell(list_, 2, 1), "Yes") << "a coordinate count that is not 0";
    EXPECT_EQ(Cell(list_, 0, 1), "No");

    ClickGroup(3);
    EXPECT_EQ(FilledRows(), 0) << "Caps3 has no rows";
    ClickGroup(0);
    ASSERT_EQ(FilledRows(), 23);
    RECT last{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageA(groups_, LVM_GETITEMRECT, 24, reinterpret_cast<LPARAM>(&last));
    RECT client{};
    ::GetClientRect(groups_, &client);
    if (last.bottom + 4 < client.bottom) {
        ClickGroups(POINT{5, last.bottom + 3});
        EXPECT_EQ(FilledRows(), 0) << "a click beside the rows blanks the list";
    }
    page_->ShowGroup(25);
    EXPECT_EQ(FilledRows(), 0);
    page_->ShowGroup(-1);
    EXPECT_EQ(FilledRows(), 0);
}

}  // namespace
