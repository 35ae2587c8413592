// The main window's placement and show style, kept between runs under
// HKEY_LOCAL_MACHINE "SOFTWARE\Quillon".
#pragma once

#include <windows.h>

struct WindowSettings {
    RECT rect{0, 0, 740, 512};  // normal-position rectangle
    DWORD showStyle = 0;        // 0 or WS_MAXIMIZE
};

// Each value that is missing or unreadable keeps its default.
WindowSettings LoadWindowSettings();
// Silently stores nothing when the key cannot be created.
void StoreWindowSettings(const WindowSettings& settings);
