#include "window_settings.h"

#include "program_key.h"
#include "reg_key.h"

namespace {

void ReadDWord(HKEY key, const char* name, LONG& value) {
    DWORD data = 0;
    if (winlib::registry::QueryDword(key, name, data)) value = static_cast<LONG>(data);
}

void WriteDWord(HKEY key, const char* name, DWORD value) { winlib::registry::SetDword(key, name, value); }

}  // namespace

WindowSettings LoadWindowSettings() {
    WindowSettings settings;
    RegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, kQuillonKey) != ERROR_SUCCESS) return settings;
    RECT stored = settings.rect;
    ReadDWord(key.handle(), "MainWindowLeft", stored.left);
    ReadDWord(key.handle(), "MainWindowRight", stored.right);
    ReadDWord(key.handle(), "MainWindowTop", stored.top);
    ReadDWord(key.handle(), "MainWindowBottom", stored.bottom);
    // A rectangle without area would give a window nobody can see or grab.
    if (stored.right > stored.left && stored.bottom > stored.top) settings.rect = stored;
    LONG showStyle = 0;
    ReadDWord(key.handle(), "ShowStyle", showStyle);
    settings.showStyle = static_cast<DWORD>(showStyle);
    return settings;
}

void StoreWindowSettings(const WindowSettings& settings) {
    RegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kQuillonKey) != ERROR_SUCCESS) return;
    WriteDWord(key.handle(), "ShowStyle", settings.showStyle);
    WriteDWord(key.handle(), "MainWindowLeft", static_cast<DWORD>(settings.rect.left));
    WriteDWord(key.handle(), "MainWindowRight", static_cast<DWORD>(settings.rect.right));
    WriteDWord(key.handle(), "MainWindowTop", static_cast<DWORD>(settings.rect.top));
    WriteDWord(key.handle(), "MainWindowBottom", static_cast<DWORD>(settings.rect.bottom));
}
