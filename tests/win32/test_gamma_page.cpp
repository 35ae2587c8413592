// The gamma tab on a real frame: the slider starts at the display's gamma,
// every move writes a ramp, "Reset" writes the identity, and the layout and
// visibility follow the host. Here the display is replaced by a device that
// keeps every ramp written, so the exact entries and their order can be
// checked; test_desktop.cpp drives the page on the real screen's ramp.
#include "gamma_page.h"
#include "page_frame.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

class RecordingGammaDevice : public ramp::GammaDevice {
public:
    bool Read(ramp::GammaRamp& out) override {
        if (!readable) return false;
        out = screen;
        return true;
    }
    bool Write(const ramp::GammaRamp& ramp) override {
        writes.push_back(ramp);
        screen = ramp;
        return true;
    }
    bool readable = true;
    ramp::GammaRamp screen = ramp::BuildRamp(1.0);
    std::vector<ramp::GammaRamp> writes;
};

RECT ChildRect(HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class GammaPages : public testing::Test {
protected:
    void SetUp() override { frame_.ShowWindow(SW_SHOW); }

    bool MakePage() {
        page_ = std::make_unique<ramp::GammaPage>(device_);
        if (!page_->Init(frame_.m_hWnd)) return false;
        slider_ = ::GetDlgItem(page_->container(), ramp::kSliderId);
        button_ = ::GetDlgItem(page_->container(), ramp::kResetButtonId);
        return slider_ && button_;
    }
    int SliderPos() const { return static_cast<int>(::SendMessageA(slider_, TBM_GETPOS, 0, 0)); }
    void Press(UINT key) {
        ::SendMessageA(slider_, WM_KEYDOWN, key, 0);
        ::SendMessageA(slider_, WM_KEYUP, key, 0);
    }
    std::string LastStatus() const {
        return frame_.statusTexts.empty() ? "" : frame_.statusTexts.back();
    }

    PageFrame frame_{"gamma host"};
    RecordingGammaDevice device_;
    std::unique_ptr<ramp::GammaPage> page_;
    HWND slider_ = nullptr;
    HWND button_ = nullptr;
};

TEST_F(GammaPages, StartsHiddenAtTheDisplaysGammaWithoutWritingIt) {
    device_.screen = ramp::BuildRamp(2.0);
    ASSERT_TRUE(MakePage());
    EXPECT_EQ(SliderPos(), 150) << "(ln 2 + 4) * 32, truncated";
    EXPECT_NEAR(page_->currentGamma(), 2.0, 0.01);
    EXPECT_TRUE(device_.writes.empty());

    HWND container = page_->container();
    EXPECT_EQ(::GetParent(container), frame_.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(container), static_cast<int>(tabplugin::kContainerId));
    EXPECT_FALSE(::IsWindowVisible(container));
    EXPECT_EQ(::SendMessageA(slider_, TBM_GETRANGEMIN, 0, 0), 80);
    EXPECT_EQ(::SendMessageA(slider_, TBM_GETRANGEMAX, 0, 0), 176);

    char caption[32] = "";
    ::GetWindowTextA(button_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Reset");
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(button_, WM_GETFONT, 0, 0)),
              frame_.font().m_hObject)
        << "the button takes the main window's font";

    page_->Show();
    EXPECT_EQ(LastStatus(), "Gamma: 2.00");
    EXPECT_TRUE(device_.writes.empty()) << "showing the page changes nothing on the display";
}

TEST_F(GammaPages, UnreadableOrZeroRampCountsAsGammaOne) {
    device_.readable = false;
    ASSERT_TRUE(MakePage());
    EXPECT_EQ(SliderPos(), ramp::kSliderIdentity);
    EXPECT_DOUBLE_EQ(page_->currentGamma(), 1.0);
    page_->Show();
    EXPECT_EQ(LastStatus(), "Gamma: 1.00");

    device_.readable = true;
    device_.screen.fill(0);
    ASSERT_TRUE(MakePage());
    EXPECT_EQ(SliderPos(), ramp::kSliderIdentity);
    EXPECT_DOUBLE_EQ(page_->currentGamma(), 1.0);
}

TEST_F(GammaPages, EverySliderMoveWritesItsRamp) {
    ASSERT_TRUE(MakePage());
    page_->Show();

    Press(VK_END);
    ASSERT_FALSE(device_.writes.empty());
    const ramp::GammaRamp& top = device_.writes.back();
    uint16_t expected = static_cast<uint16_t>(65536.0 * std::pow(0.5, 1.0 / std::exp(1.5)));
    EXPECT_EQ(top[128], expected) << "gamma e^1.5 at the slider's top";
    EXPECT_EQ(top[256 + 128], expected) << "green";
    EXPECT_EQ(top[512 + 128], expected) << "blue";
    EXPECT_EQ(LastStatus(), "Gamma: 4.48");

    // Stepping down: each position passed is set on the display, darker each time.
    Press(VK_HOME);
    EXPECT_EQ(SliderPos(), 80);
    size_t before = device_.writes.size();
    for (int step = 0; step < 3; ++step) Press(VK_RIGHT);
    EXPECT_EQ(SliderPos(), 83);
    ASSERT_GE(device_.writes.size(), before + 3);
    for (size_t i = before + 1; i < device_.writes.size(); ++i)
        EXPECT_GE(device_.writes[i][128], device_.writes[i - 1][128]);
    EXPECT_EQ(device_.screen, ramp::BuildRamp(ramp::GammaFromSlider(83)));

    // Dragging the thumb: the tracking notifications count as well.
    ::SendMessageA(slider_, TBM_SETPOS, TRUE, 140);
    size_t dragStart = device_.writes.size();
    ::SendMessageA(page_->container(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 140),
                   reinterpret_cast<LPARAM>(slider_));
    ASSERT_EQ(device_.writes.size(), dragStart + 1);
    EXPECT_EQ(device_.screen, ramp::BuildRamp(ramp::GammaFromSlider(140)));
}

TEST_F(GammaPages, ResetWritesTheIdentityAndCentresTheSlider) {
    device_.screen = ramp::BuildRamp(0.5);
    ASSERT_TRUE(MakePage());
    page_->Show();
    page_->Resize();

    ::SendMessageA(button_, BM_CLICK, 0, 0);
    ASSERT_EQ(device_.writes.size(), 1u);
    const ramp::GammaRamp& identity = device_.writes.back();
    for (int i = 0; i < 768; ++i) ASSERT_EQ(identity[i], (i % 256) * 256) << "entry " << i;
    EXPECT_EQ(SliderPos(), ramp::kSliderIdentity);
    EXPECT_EQ(LastStatus(), "Gamma: 1.00");
}

TEST_F(GammaPages, FollowsThePageRectangleAndVisibility) {
    ASSERT_TRUE(MakePage());
    page_->Show();
    page_->Resize();
    HWND container = page_->container();
    EXPECT_TRUE(::IsWindowVisible(container));
    EXPECT_TRUE(::IsWindowVisible(slider_));
    EXPECT_TRUE(::IsWindowVisible(button_));

    RECT page{};
    ::SendMessageA(frame_.m_hWnd, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    RECT placed = ChildRect(container);
    EXPECT_EQ(placed.left, page.left);
    EXPECT_EQ(placed.top, page.top);
    EXPECT_EQ(placed.right, page.right);
    EXPECT_EQ(placed.bottom, page.bottom);

    RECT client{};
    ::GetClientRect(container, &client);
    int middle = client.bottom / 2;
    RECT sliderRect = ChildRect(slider_);
    EXPECT_EQ(sliderRect.left, 0);
    EXPECT_EQ(sliderRect.top, middle - 41);
    EXPECT_EQ(sliderRect.right, client.right);
    EXPECT_EQ(sliderRect.bottom - sliderRect.top, 50);
    RECT buttonRect = ChildRect(button_);
    EXPECT_EQ(buttonRect.left, client.right / 2 - 32);
    EXPECT_EQ(buttonRect.top, middle + 17);
    EXPECT_EQ(buttonRect.right - buttonRect.left, 64);
    EXPECT_EQ(buttonRect.bottom - buttonRect.top, 24);

    page_->Hide();
    EXPECT_FALSE(::IsWindowVisible(container));
    EXPECT_FALSE(::IsWindowVisible(slider_));
    EXPECT_FALSE(::IsWindowVisible(button_));

    HWND slider = slider_, button = button_;
    page_.reset();
    EXPECT_FALSE(::IsWindow(slider));
    EXPECT_FALSE(::IsWindow(button));
    EXPECT_FALSE(::IsWindow(container));
}

}  // namespace
