#include "list_background.h"

#include "exports.h"
#include "scoped.h"

#include <commctrl.h>

#include <vector>

// The few GDI+ flat functions needed to turn a picture file into a bitmap.
// GDI+ comes with Windows XP and later and is a separate install before, so
// it is loaded when a picture is asked for: without it a list has no picture.
namespace {

struct QuillonGdiplusStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

struct Gdiplus {
    using Startup = int(WINAPI*)(ULONG_PTR*, const QuillonGdiplusStartupInput*, void*);
    using Shutdown = void(WINAPI*)(ULONG_PTR);
    using BitmapFromFile = int(WINAPI*)(const WCHAR*, void**);
    using HbitmapFromBitmap = int(WINAPI*)(void*, HBITMAP*, DWORD);
    using DisposeImage = int(WINAPI*)(void*);

    explicit Gdiplus(HMODULE module)
        : startup(winlib::GetExport<Startup>(module, "GdiplusStartup")),
          shutdown(winlib::GetExport<Shutdown>(module, "GdiplusShutdown")),
          bitmapFromFile(winlib::GetExport<BitmapFromFile>(module, "GdipCreateBitmapFromFile")),
          hbitmapFromBitmap(winlib::GetExport<HbitmapFromBitmap>(module, "GdipCreateHBITMAPFromBitmap")),
          disposeImage(winlib::GetExport<DisposeImage>(module, "GdipDisposeImage")) {}
    bool complete() const { return startup && shutdown && bitmapFromFile && hbitmapFromBitmap && disposeImage; }

    Startup startup;
    Shutdown shutdown;
    BitmapFromFile bitmapFromFile;
    HbitmapFromBitmap hbitmapFromBitmap;
    DisposeImage disposeImage;
};

}  // namespace

namespace winlib {
namespace {

HBITMAP LoadPicture(const std::string& path) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::vector<WCHAR> widePath(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), length);

    ScopedLibrary library(::LoadLibraryA("gdiplus.dll"));
    Gdiplus gdiplus(library.get());
    if (!gdiplus.complete()) return nullptr;
    QuillonGdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ULONG_PTR token = 0;
    if (gdiplus.startup(&token, &input, nullptr) != 0) return nullptr;
    HBITMAP result = nullptr;
    void* picture = nullptr;
    if (gdiplus.bitmapFromFile(widePath.data(), &picture) == 0) {
        if (gdiplus.hbitmapFromBitmap(picture, &result, 0xFF000000) != 0) result = nullptr;
        gdiplus.disposeImage(picture);
    }
    gdiplus.shutdown(token);
    return result;
}

// The picture repeated over a bitmap as large as the screen: not every list
// view tiles a background (Wine's draws it once), so the tiling is done here.
HBITMAP TileOverScreen(HBITMAP tile) {
    BITMAP size{};
    if (!::GetObjectA(tile, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0) return nullptr;
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC from = ::CreateCompatibleDC(screen);
    HDC to = ::CreateCompatibleDC(screen);
    HBITMAP tiled = ::CreateCompatibleBitmap(screen, width, height);
    if (from && to && tiled) {
        HGDIOBJ oldFrom = ::SelectObject(from, tile);
        HGDIOBJ oldTo = ::SelectObject(to, tiled);
        for (int y = 0; y < height; y += size.bmHeight)
            for (int x = 0; x < width; x += size.bmWidth)
                ::BitBlt(to, x, y, size.bmWidth, size.bmHeight, from, 0, 0, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
    }
    if (from) ::DeleteDC(from);
    if (to) ::DeleteDC(to);
    ::ReleaseDC(nullptr, screen);
    return tiled;
}

}  // namespace

bool SetTiledBackground(HWND list, const std::string& path) {
    HBITMAP tile = LoadPicture(path);
    if (!tile) return false;
    HBITMAP picture = TileOverScreen(tile);
    ::DeleteObject(tile);
    if (!picture) return false;
    LVBKIMAGEA image{};
    image.ulFlags = LVBKIF_SOURCE_HBITMAP | LVBKIF_STYLE_TILE;
    image.hbm = picture;
    if (!::SendMessageA(list, LVM_SETBKIMAGEA, 0, reinterpret_cast<LPARAM>(&image))) {
        ::DeleteObject(picture);
        return false;
    }
    return true;
}

}  // namespace winlib
