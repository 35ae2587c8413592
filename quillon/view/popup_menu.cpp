#include "popup_menu.h"

UINT TrackMenuEntries(HWND owner, const std::vector<MenuEntry>& entries, POINT screen,
                      UINT flags) {
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return 0;
    for (const MenuEntry& entry : entries) {
        if (entry.text.empty())
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(menu, MF_STRING | (entry.grayed ? MF_GRAYED : 0), entry.id,
                          entry.text.c_str());
    }
    UINT result =
        static_cast<UINT>(::TrackPopupMenu(menu, flags, screen.x, screen.y, 0, owner, nullptr));
    ::DestroyMenu(menu);
    return result;
}
