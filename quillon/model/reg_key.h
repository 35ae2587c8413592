// RegKey: holds at most one open registry key with full access. Every
// registry key a category, backup or profile opens is held by one of these
// (a winlib::RegistryKey), so no key is left open on an early return.
// Without a key the calls fail and settings record themselves as not present.
#pragma once

#include "registry.h"

#include <windows.h>

#include <string>

using winlib::RegistryView;

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key with full access. On success the previous handle
    // is closed and the new one held. Returns the Win32 result.
    LONG Open(HKEY root, const std::string& subKey, RegistryView view = RegistryView::Program) {
        return key_.Open(root, subKey, KEY_ALL_ACCESS, view);
    }
    // As Open, but creates missing keys on the way.
    LONG Create(HKEY root, const std::string& subKey, RegistryView view = RegistryView::Program) {
        return key_.Create(root, subKey, KEY_ALL_ACCESS, view);
    }
    void Close() { key_.Close(); }

    HKEY handle() const { return key_.handle(); }
    winlib::RegistryKey& key() { return key_; }
    const winlib::RegistryKey& key() const { return key_; }

private:
    winlib::RegistryKey key_;
};
