// The program's icon in the notification area while the main window is
// minimised there. It owns the icon handle it shows, so closing the program
// from the tray leaves nothing behind.
#pragma once

#include <windows.h>

#include <shellapi.h>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the icon with id 'iconId', sending 'callbackMessage' to 'owner';
    // nothing when it is shown already.
    void Add(HWND owner, HINSTANCE instance, UINT id, int iconId, UINT callbackMessage);
    void Remove();
    bool shown() const { return shown_; }

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};
