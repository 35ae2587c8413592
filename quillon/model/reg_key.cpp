#include "reg_key.h"

#include "wow64.h"

REGSAM AccessForView(RegistryView view) {
    return view == RegistryView::Native && winlib::RunsUnderWow64() ? KEY_WOW64_64KEY : 0;
}

LONG RegKey::Open(HKEY root, const std::string& subKey, RegistryView view) {
    HKEY key = nullptr;
    LONG result = ::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ALL_ACCESS | AccessForView(view), &key);
    if (result == ERROR_SUCCESS) key_.reset(key);
    return result;
}

LONG RegKey::Create(HKEY root, const std::string& subKey, RegistryView view) {
    HKEY key = nullptr;
    LONG result = ::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS | AccessForView(view), nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) key_.reset(key);
    return result;
}
