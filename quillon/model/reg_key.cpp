#include "reg_key.h"

LONG RegKey::Open(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    LONG result = ::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result == ERROR_SUCCESS) key_.reset(key);
    return result;
}

LONG RegKey::Create(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    LONG result = ::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) key_.reset(key);
    return result;
}
