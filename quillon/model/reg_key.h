// RegKey: holds at most one open registry key. Every registry key the
// program opens is held by one of these (its handle lives in the one RAII
// owner of winlib), so no key is left open on an early return. Without a
// key the Win32 calls fail and settings record themselves as not present.
#pragma once

#include "scoped.h"

#include <windows.h>

#include <string>

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key with full access. On success the previous handle
    // is closed and the new one held. Returns the Win32 result.
    LONG Open(HKEY root, const std::string& subKey);
    // As Open, but creates missing keys on the way.
    LONG Create(HKEY root, const std::string& subKey);
    void Close() { key_.reset(); }

    HKEY handle() const { return key_.get(); }

private:
    winlib::ScopedRegKey key_;
};
