// A bare frame that answers the application messages a page asks its main
// window: the page rectangle, the list style, the icon list and the font, and
// keeps the status texts it was sent.
#pragma once

#include "app_messages.h"
#include "gdi.h"
#include "wnd.h"

#include <commctrl.h>

#include <string>
#include <vector>

class PageFrame : public winlib::CWnd {
public:
    explicit PageFrame(const char* title = "frame") {
        images_ = ImageList_Create(16, 16, ILC_COLOR4 | ILC_MASK, 2, 0);
        ImageList_AddIcon(images_, ::LoadIconA(nullptr, IDI_INFORMATION));
        ImageList_AddIcon(images_, ::LoadIconA(nullptr, IDI_WINLOGO));
        font_.CreateFont(8, "Ms Sans Serif");
        CreateEx(0,
                 RegisterWindowClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                     static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), nullptr),
                 title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 740, 400, nullptr, nullptr);
    }
    ~PageFrame() override {
        DestroyWindow();
        ImageList_Destroy(images_);
    }
    int closeRequests = 0;
    int widthCopies = 0;
    bool quitOnClose = false;
    std::vector<std::string> statusTexts;
    winlib::CFont& font() { return font_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case UM_GETPAGERECT: {
            RECT* page = reinterpret_cast<RECT*>(wParam);
            *page = GetClientRect();
            page->top = 64;
            page->bottom -= 20;
            return 0;
        }
        case UM_GETLISTSTYLE:
            return LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
        case UM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(images_);
        case UM_GETFONT:
            return reinterpret_cast<LRESULT>(&font_);
        case UM_SETSTATUSTEXT:
            statusTexts.push_back(wParam ? reinterpret_cast<const char*>(wParam) : "");
            return 0;
        case UM_COPYCOLUMNWIDTHS:
            ++widthCopies;
            return 0;
        case WM_CLOSE:
            ++closeRequests;
            if (quitOnClose) ::PostQuitMessage(0);
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }

private:
    HIMAGELIST images_;
    winlib::CFont font_;
};
