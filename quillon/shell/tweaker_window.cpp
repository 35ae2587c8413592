#include "tweaker_window.h"

#include "resource.h"

const char kMainWindowTitle[] = "Quillon - v1.1";

namespace {
// WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, created hidden.
const DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

CTweakerWindow::CTweakerWindow(HINSTANCE instance, const std::string& commandLine)
    : instance_(instance), commandLine_(commandLine), placement_{0, 0, 740, 512} {}

bool CTweakerWindow::CreateFrame() {
    HICON icon = ::LoadIconA(instance_, MAKEINTRESOURCEA(IDI_QUILLON));
    const char* className = RegisterWindowClass(
        0, nullptr, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), icon);
    return Create(className, kMainWindowTitle, kFrameStyle, placement_, IDR_MAINMENU);
}

LRESULT CTweakerWindow::OnCreate() { return 0; }

void CTweakerWindow::OnCommand(WORD id) {
    if (id == ID_FILE_EXIT) PostMessage(WM_CLOSE);
}

void CTweakerWindow::OnClose() { DestroyWindow(); }

LRESULT CTweakerWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessage(WM_CLOSE);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        return CMainWnd::WindowProc(message, wParam, lParam);
    }
}
