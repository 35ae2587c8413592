#include "frame_wnd.h"

#include "app.h"

namespace winlib {

bool CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect,
                       UINT menuResource, DWORD exStyle) {
    HMENU menu = menuResource
                     ? ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuResource))
                     : nullptr;
    bool created = CreateEx(exStyle, className, title, style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, nullptr, menu);
    if (!created && menu) ::DestroyMenu(menu);
    return created;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace winlib
