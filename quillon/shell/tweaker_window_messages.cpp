// The main window's notification-area icon and the application messages
// through which pages and plug-ins reach it.
#include "tweaker_window.h"

#include "app_messages.h"
#include "category.h"
#include "resource.h"
#include "setting_list.h"

#include <algorithm>
#include <cstring>

void CTweakerWindow::MinimizeToTray() {
    // At start-up the animation to bring back is already known.
    if (showStyle_ != WS_MINIMIZE) pendingAnimation_ = StopAnimation();
    if (TabObject* current = tabs_.current()) current->Hide();
    ShowWindow(SW_HIDE);
    trayIcon_.Add(m_hWnd, instance_, ID_TRAY_ICON, IDI_QUILLON, UM_TRAYNOTIFY);
}

LRESULT CTweakerWindow::OnTrayNotify(LPARAM mouseMessage) {
    if (mouseMessage != WM_LBUTTONDOWN) return 0;
    // A second start sends this too, also to a window that is not in the tray.
    trayIcon_.Remove();
    ShowWindow(SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hWnd);
    if (TabObject* current = tabs_.current()) current->Show();
    if (!pendingAnimation_.empty() && !AnimationRunning()) StartAnimation(pendingAnimation_);
    RelayoutFrame();
    return 0;
}

CSettingList* CTweakerWindow::OwnList(WPARAM listPointer) const {
    // Only lists of this window's categories are dereferenced.
    for (TabObject* tab : tabs_.All()) {
        CSettingList* list = SettingListOf(tab);
        if (list && static_cast<winlib::CListCtrl*>(list) ==
                        reinterpret_cast<winlib::CListCtrl*>(listPointer))
            return list;
    }
    return nullptr;
}

void CTweakerWindow::CopyToShownLists(WPARAM sourceList, ListCopy copy) {
    CSettingList* source = OwnList(sourceList);
    if (!source) return;
    // The others take the source's look from its model, lists not yet made
    // included.
    source->StoreViewStyle();
    for (Category* category : tabs_.Categories(false)) {
        CSettingList* list = SettingListOf(category);
        if (list && list != source) (list->*copy)(*source);
    }
}

void CTweakerWindow::SetListStyle(DWORD bits, bool set) {
    listStyle_ = set ? (listStyle_ | bits) : (listStyle_ & ~bits);
    for (Category* category : tabs_.Categories())
        if (CSettingList* list = SettingListOf(category))
            list->SetListStyle(listStyle_);
}

LRESULT CTweakerWindow::OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                             bool& handled) {
    handled = true;
    switch (message) {
    case UM_SETSTATUSTEXT: {
        const char* text = reinterpret_cast<const char*>(wParam);
        statusBar_.SetText(0, text ? text : "");
        return 0;
    }
    case UM_GETPAGERECT:
        if (RECT* page = reinterpret_cast<RECT*>(wParam)) *page = PageRect();
        return 0;
    case UM_GETFONT:
        return reinterpret_cast<LRESULT>(&font_);
    case UM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(imageList_.GetSafeHandle());
    case UM_GETPLATFORM:
        if (void* buffer = reinterpret_cast<void*>(lParam))
            std::memcpy(buffer, &platform_, std::min<size_t>(wParam, sizeof platform_));
        return 0;
    case UM_COPYVIEWSTYLE:
        CopyToShownLists(wParam, &CSettingList::CopyViewStyleFrom);
        return 0;
    case UM_COPYCOLUMNWIDTHS:
        CopyToShownLists(wParam, &CSettingList::CopyColumnWidthsFrom);
        return 0;
    case UM_SETLISTSTYLE:
        SetListStyle(static_cast<DWORD>(wParam), lParam != 0);
        return 0;
    case UM_GETLISTSTYLE:
        return static_cast<LRESULT>(listStyle_);
    case UM_EDITCATEGORY:
        // Only the current category's list can be clicked.
        if (reinterpret_cast<Category*>(wParam) == currentCategory()) EditCategory();
        return 0;
    case UM_TRAYNOTIFY:
        return OnTrayNotify(lParam);
    default:
        handled = false;
        return 0;
    }
}
