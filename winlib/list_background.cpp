#include "list_background.h"

#include <commctrl.h>

#include <vector>

// The few GDI+ flat functions needed to turn a picture file into a bitmap.
extern "C" {
struct QuillonGdiplusStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const QuillonGdiplusStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateBitmapFromFile(const WCHAR* file, void** bitmap);
int WINAPI GdipCreateHBITMAPFromBitmap(void* bitmap, HBITMAP* result, DWORD background);
int WINAPI GdipDisposeImage(void* image);
}

namespace winlib {
namespace {

HBITMAP LoadPicture(const std::string& path) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::vector<WCHAR> widePath(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), length);

    QuillonGdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, nullptr) != 0) return nullptr;
    HBITMAP result = nullptr;
    void* picture = nullptr;
    if (GdipCreateBitmapFromFile(widePath.data(), &picture) == 0) {
        if (GdipCreateHBITMAPFromBitmap(picture, &result, 0xFF000000) != 0) result = nullptr;
        GdipDisposeImage(picture);
    }
    GdiplusShutdown(token);
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
