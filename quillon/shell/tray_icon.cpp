#include "tray_icon.h"

void TrayIcon::Add(HWND owner, HINSTANCE instance, UINT id, int iconId, UINT callbackMessage) {
    if (shown_) return;
    data_ = NOTIFYICONDATAA{};
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;  // also understood by older shells
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = static_cast<HICON>(
        ::LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, 0));
    lstrcpynA(data_.szTip, "Quillon", sizeof data_.szTip);
    ::Shell_NotifyIconA(NIM_ADD, &data_);
    shown_ = true;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    ::Shell_NotifyIconA(NIM_DELETE, &data_);
    if (data_.hIcon) ::DestroyIcon(data_.hIcon);
    data_.hIcon = nullptr;
    shown_ = false;
}
