#include "page_container.h"

#include "app_messages.h"
#include "gdi.h"

namespace tabplugin {

HFONT HostFont(HWND mainWindow) {
    auto* font = reinterpret_cast<winlib::CFont*>(::SendMessageA(mainWindow, UM_GETFONT, 0, 0));
    return font ? font->m_hObject : nullptr;
}

RECT HostPageRect(HWND mainWindow) {
    RECT page{};
    ::SendMessageA(mainWindow, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    return page;
}

bool CreatePageContainer(winlib::CStatic& container, HWND mainWindow) {
    return container.Create("", WS_CHILD | WS_DLGFRAME, HostPageRect(mainWindow), mainWindow,
                            kContainerId) &&
           container.SubclassWindow(container.m_hWnd);
}

}  // namespace tabplugin
