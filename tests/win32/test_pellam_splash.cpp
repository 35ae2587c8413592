// The start-up splash as another program sees it: a window shaped like the
// picture's foreground, no splash for an empty "LogoBitmap", and a picture
// of another size stretched first.
#include "pellam_harness.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// The splash dialog of process 'pid' once it is there.
HWND WaitForSplash(DWORD pid, DWORD timeoutMs = 20000) {
    HWND found = nullptr;
    testsupport::PumpUntil([&] {
        for (HWND w = nullptr; (w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr;) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(w, &owner);
            if (owner == pid && ::IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
    }, timeoutMs);
    return found;
}

using Shape = std::function<bool(int x, int y)>;

// A 24-bit bitmap file: dark blue where 'shape' holds, a flat background
// elsewhere (a colour within the tolerance of 3 at odd pixels).
std::string WriteBitmap(const std::string& path, int w, int h, const Shape& shape) {
    int stride = (w * 3 + 3) & ~3;
    std::vector<BYTE> pixels(size_t(stride) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            BYTE* p = &pixels[size_t(h - 1 - y) * stride + x * 3];
            bool offKey = (x + y) % 2 == 1;
            if (shape(x, y)) p[0] = 140, p[1] = 40, p[2] = 20;
            else p[0] = 200, p[1] = BYTE(offKey ? 201 : 200), p[2] = BYTE(offKey ? 202 : 200);
        }
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, DWORD(pixels.size()), 0, 0, 0, 0};
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                          DWORD(sizeof file + sizeof info)};
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(out, &file, sizeof file, &written, nullptr);
    ::WriteFile(out, &info, sizeof info, &written, nullptr);
    ::WriteFile(out, pixels.data(), DWORD(pixels.size()), &written, nullptr);
    ::CloseHandle(out);
    return path;
}

HRGN RegionOfShape(int w, int h, const Shape& shape) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (shape(x, y)) {
                HRGN pixel = ::CreateRectRgn(x, y, x + 1, y + 1);
                ::CombineRgn(region, region, pixel, RGN_OR);
                ::DeleteObject(pixel);
            }
    return region;
}

struct Splash {
    RECT client{};
    HRGN region = nullptr;
    ~Splash() { if (region) ::DeleteObject(region); }
};

// Starts Pellam, takes the splash's client size and window region, and
// checks that the splash goes away by itself.
bool ShowAndRead(PellamHarness& pellam, Splash& splash) {
    if (!pellam.Start()) return false;
    HWND dialog = WaitForSplash(pellam.process.Id());
    if (!dialog) return false;
    ::GetClientRect(dialog, &splash.client);
    splash.region = ::CreateRectRgn(0, 0, 0, 0);
    bool shaped = ::GetWindowRgn(dialog, splash.region) != ERROR;
    EXPECT_TRUE(pellam.WaitForInstalls(1)) << "start-up goes on after the splash";
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !::IsWindow(dialog); }, 10000))
        << "the splash closes by itself";
    return shaped;
}

TEST(PellamSplash, TheWindowIsShapedLikeTheForeground) {
    Splash first;
    {
        PellamHarness pellam;
        ::SHDeleteValueA(HKEY_CURRENT_USER, "Software\\Pellam Suite", "LogoBitmap");
        ASSERT_TRUE(ShowAndRead(pellam, first)) << "the built-in logo is shown";
        EXPECT_EQ(pellam.Stop(), 0);
    }
    int w = first.client.right, h = first.client.bottom;
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 20);
    Shape diamond = [=](int x, int y) { return std::abs(x - w / 2) + std::abs(y - h / 2) < w / 3; };
    PellamHarness pellam;
    PellamHarness::SetText("LogoBitmap", WriteBitmap(pellam.folder + "\\logo.bmp", w, h, diamond));
    Splash shaped;
    ASSERT_TRUE(ShowAndRead(pellam, shaped));
    HRGN expected = RegionOfShape(w, h, diamond);
    EXPECT_TRUE(::EqualRgn(shaped.region, expected));
    ::DeleteObject(expected);
    EXPECT_EQ(pellam.Stop(), 0);

    PellamHarness stretched;
    Shape rightHalf = [](int x, int) { return x >= 10; };  // the key corner stays background
    PellamHarness::SetText("LogoBitmap", WriteBitmap(stretched.folder + "\\small.bmp", 20, 7, rightHalf));
    Splash wide;
    ASSERT_TRUE(ShowAndRead(stretched, wide));
    RECT box{};
    ::GetRgnBox(wide.region, &box);
    EXPECT_NEAR(box.left, w / 2, 1) << "the right half of the picture, stretched";
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, w);
    EXPECT_EQ(box.bottom, h);
    EXPECT_EQ(stretched.Stop(), 0);
}

TEST(PellamSplash, AnEmptyLogoBitmapShowsNoSplash) {
    PellamHarness pellam;  // writes "LogoBitmap" = ""
    ASSERT_TRUE(pellam.Start());
    ASSERT_TRUE(pellam.WaitForInstalls(1));
    EXPECT_EQ(WaitForSplash(pellam.process.Id(), 0), nullptr);
    EXPECT_EQ(pellam.Stop(), 0);
}

}  // namespace
