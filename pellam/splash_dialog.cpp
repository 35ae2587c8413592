// The start-up splash: the logo for two seconds in a topmost window shaped
// like the picture, its background colour cut out with a window region.
#include "companion.h"
#include "companion_registry.h"
#include "scoped.h"
#include "splash_mask.h"

#include "res/pellam_resource.h"

#include <vector>

namespace pellam {
namespace {

constexpr int kTolerance = 3;
constexpr UINT_PTR kSplashTimer = 1;
constexpr UINT kSplashMs = 2000;

void Subtract(HRGN window, HRGN cut) {
    winlib::ScopedGdiObject owned(cut);
    if (cut) ::CombineRgn(window, window, cut, RGN_DIFF);
}

// One region of a row scan's rectangles, sized for exactly these.
HRGN RegionOf(const std::vector<MaskRect>& rects) {
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = 0;
    data->rdh.rcBound = {0, 0, 0x7FFFFFFF, 0x7FFFFFFF};
    RECT* out = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < rects.size(); ++i)
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

// The picture's outline at the dialog's client size: a 32-bit copy, its
// mask, and the window rectangle less the background.
HRGN OutlineOf(HWND dialog, HBITMAP picture) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    int w = client.right, h = client.bottom;
    BITMAP source{};
    if (w <= 0 || h <= 0 || !::GetObjectA(picture, sizeof source, &source)) return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    winlib::ScopedScreenDc screen(::GetDC(nullptr));
    winlib::ScopedMemoryDc copyDc(::CreateCompatibleDC(screen.get()));
    winlib::ScopedMemoryDc pictureDc(::CreateCompatibleDC(screen.get()));
    winlib::ScopedGdiObject copy(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HRGN region = nullptr;
    if (copyDc && pictureDc && copy && bits) {
        HGDIOBJ oldCopy = ::SelectObject(copyDc.get(), copy.get());
        HGDIOBJ oldPicture = ::SelectObject(pictureDc.get(), picture);
        if (source.bmWidth == w && source.bmHeight == h) {
            ::BitBlt(copyDc.get(), 0, 0, w, h, pictureDc.get(), 0, 0, SRCCOPY);
        } else {
            ::SetStretchBltMode(copyDc.get(), COLORONCOLOR);
            ::StretchBlt(copyDc.get(), 0, 0, w, h, pictureDc.get(), 0, 0, source.bmWidth,
                         source.bmHeight, SRCCOPY);
        }
        ::GdiFlush();
        TransparencyMask mask = BuildMask(static_cast<const uint32_t*>(bits), size_t(w) * size_t(h),
                                          w, h, true, kTolerance);
        region = ::CreateRectRgn(0, 0, w, h);
        for (const RegionCut& cut : BackgroundCuts(mask)) {
            if (cut.wholeRectangle) {
                const MaskRect& r = cut.rects.front();
                Subtract(region, ::CreateRectRgn(r.left, r.top, r.right, r.bottom));
            } else {
                Subtract(region, RegionOf(cut.rects));
            }
        }
        ::SelectObject(pictureDc.get(), oldPicture);
        ::SelectObject(copyDc.get(), oldCopy);
    }
    return region;
}

// The picture to show: the "LogoBitmap" file when that value exists (an
// empty or unloadable one means no splash), else the control's own bitmap.
HBITMAP ChoosePicture(HWND dialog, bool& ownsPicture) {
    HWND control = ::GetDlgItem(dialog, IDC_SPLASH_PICTURE);
    ownsPicture = false;
    std::optional<std::string> path = ReadCompanionText(kSuiteKey, kLogoBitmapValue, kLogoBitmapBytes);
    if (!path) return reinterpret_cast<HBITMAP>(::SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (path->empty()) return nullptr;
    HBITMAP loaded = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path->c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!loaded) return nullptr;
    // The control owns what it shows; it hands back the bitmap it had.
    HBITMAP previous = reinterpret_cast<HBITMAP>(
        ::SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded)));
    if (previous && previous != loaded) ::DeleteObject(previous);
    ownsPicture = true;
    return loaded;
}

HBITMAP g_loadedPicture = nullptr;

INT_PTR CALLBACK SplashProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_ERASEBKGND:
            ::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_INITDIALOG: {
            bool owns = false;
            HBITMAP picture = ChoosePicture(dialog, owns);
            if (owns) g_loadedPicture = picture;
            if (!picture) {
                ::EndDialog(dialog, 0);
                return TRUE;
            }
            HRGN outline = OutlineOf(dialog, picture);
            // The window owns the region from here on.
            if (outline && !::SetWindowRgn(dialog, outline, TRUE)) ::DeleteObject(outline);
            ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ::SetTimer(dialog, kSplashTimer, kSplashMs, nullptr);
            return TRUE;
        }
        case WM_TIMER:
            ::KillTimer(dialog, kSplashTimer);
            ::EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowSplash(HINSTANCE instance) {
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SPLASH), nullptr, SplashProc, 0);
    // A picture loaded from a file was handed to the control, which does
    // not delete it when it is destroyed.
    if (g_loadedPicture) ::DeleteObject(g_loadedPicture);
    g_loadedPicture = nullptr;
}

}  // namespace pellam
