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

}  // namespace

bool SetTiledBackground(HWND list, const std::string& path) {
    HBITMAP picture = LoadPicture(path);
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
