#include "same_name.h"

#include "exports.h"

#include <windows.h>

namespace {

// CharUpperBuffW is the NT family's: found, not imported.
using CharUpperBuffWFn = DWORD(WINAPI*)(LPWSTR, DWORD);
CharUpperBuffWFn WideUpperCase() {
    static const CharUpperBuffWFn upper =
        winlib::GetExport<CharUpperBuffWFn>(::LoadLibraryA("user32.dll"), "CharUpperBuffW");
    return upper;
}

std::wstring Widened(const std::string& name) {
    const int length = static_cast<int>(name.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, name.data(), length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::wstring key(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, name.data(), length, &key[0], wide);
    return key;
}

}  // namespace

std::wstring NameKey(const std::string& name) {
    if (name.empty()) return std::wstring();
    std::wstring key = Widened(name);
    if (key.empty()) return key;
    // The registry's own rule: Unicode upper case, whatever the user's locale.
    CharUpperBuffWFn upper = WideUpperCase();
    if (upper && upper(&key[0], static_cast<DWORD>(key.size())) == key.size()) return key;
    // Windows 9x: its registry compares names in the ANSI code page's upper case.
    std::string upperAnsi = name;
    ::CharUpperBuffA(&upperAnsi[0], static_cast<DWORD>(upperAnsi.size()));
    return Widened(upperAnsi);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() == b.size() && a == b) return true;
    // A name the code page cannot convert is only the same as itself.
    const std::wstring keyA = NameKey(a), keyB = NameKey(b);
    return !keyA.empty() && keyA == keyB;
}
