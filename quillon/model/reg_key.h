// RegKey: holds at most one open registry key. Every registry key the
// program opens is held by one of these (its handle lives in the one RAII
// owner of winlib), so no key is left open on an early return. Without a
// key the Win32 calls fail and settings record themselves as not present.
#pragma once

#include "scoped.h"

#include <windows.h>

#include <string>

// Which registry a key is looked for in on 64-bit Windows, where a 32-bit
// program's HKEY_LOCAL_MACHINE\SOFTWARE is redirected to WOW6432Node. A
// category's key belongs to the drivers, 64-bit ones there, so categories,
// backups, restores and profiles use the native view; the program's own
// configuration stays where a 32-bit program keeps it. On 32-bit Windows
// both are the same registry.
enum class RegistryView { Program, Native };

// KEY_WOW64_64KEY under WOW64, else 0 (older systems know no such flag).
REGSAM AccessForView(RegistryView view);

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key with full access. On success the previous handle
    // is closed and the new one held. Returns the Win32 result.
    LONG Open(HKEY root, const std::string& subKey, RegistryView view = RegistryView::Program);
    // As Open, but creates missing keys on the way.
    LONG Create(HKEY root, const std::string& subKey, RegistryView view = RegistryView::Program);
    void Close() { key_.reset(); }

    HKEY handle() const { return key_.get(); }

private:
    winlib::ScopedRegKey key_;
};
