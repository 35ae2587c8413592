// RegKey: holds at most one open registry key. Every registry operation of the
// tweak model goes through the handle it holds (possibly none, in which case
// the Win32 calls fail and settings record themselves as not present).
#pragma once

#include <windows.h>

#include <string>

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key with full access. On success the previous handle
    // is closed and the new one held. Returns the Win32 result.
    LONG Open(HKEY root, const std::string& subKey);
    // As Open, but creates missing keys on the way.
    LONG Create(HKEY root, const std::string& subKey);
    void Close();

    HKEY handle() const { return key_; }

private:
    void Hold(HKEY key);
    HKEY key_ = nullptr;
};
