#include "same_name.h"

#include <windows.h>

std::wstring NameKey(const std::string& name) {
    if (name.empty()) return std::wstring();
    const int length = static_cast<int>(name.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, name.data(), length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring key(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, name.data(), length, &key[0], wide);
    // The registry's own rule: Unicode upper case, whatever the user's locale.
    ::CharUpperBuffW(&key[0], static_cast<DWORD>(wide));
    return key;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() == b.size() && a == b) return true;
    // A name the code page cannot convert is only the same as itself.
    const std::wstring keyA = NameKey(a), keyB = NameKey(b);
    return !keyA.empty() && keyA == keyB;
}
