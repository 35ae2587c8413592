#include "main_window_link.h"

#include "app_messages.h"

bool MainWindowLink::PageRect(RECT& page) const {
    if (!window_) return false;
    page = RECT{};
    ::SendMessageA(window_, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    return true;
}

void MainWindowLink::SetStatusText(const std::string& text) const {
    if (window_) ::SendMessageA(window_, UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>(text.c_str()), 0);
}

void MainWindowLink::EditCategory(Category& category) const {
    if (window_) ::SendMessageA(window_, UM_EDITCATEGORY, reinterpret_cast<WPARAM>(&category), 0);
}
