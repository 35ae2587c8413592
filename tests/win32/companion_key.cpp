#include "companion_key.h"

#include "companion_settings.h"

#include <shlwapi.h>

namespace companionkey {

void Remove() { ::SHDeleteKeyA(HKEY_CURRENT_USER, pellam::kSuiteKey); }

bool Exists(const char* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

void SetText(const char* path, const char* name, const std::string& text) {
    ::SHSetValueA(HKEY_CURRENT_USER, path, name, REG_SZ, text.c_str(),
                  static_cast<DWORD>(text.size() + 1));
}

void SetNumber(const char* path, const char* name, DWORD value) {
    ::SHSetValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
}

std::string Text(const char* path, const char* name) {
    char data[1024] = "";
    DWORD type = 0, size = sizeof data;
    if (::SHGetValueA(HKEY_CURRENT_USER, path, name, &type, data, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "(missing)";
    return data;
}

bool Number(const char* path, const char* name, DWORD& value) {
    DWORD type = 0, size = sizeof value;
    return ::SHGetValueA(HKEY_CURRENT_USER, path, name, &type, &value, &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

}  // namespace companionkey
