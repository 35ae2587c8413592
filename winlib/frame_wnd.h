// CFrameWnd: a top-level window with a menu. When it is the application's
// main window its destruction ends the message loop.
#pragma once

#include "wnd.h"

namespace winlib {

class CFrameWnd : public CWnd {
public:
    bool Create(const char* className, const char* title, DWORD style, const RECT& rect,
                UINT menuResource, DWORD exStyle = 0);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace winlib
