#include "model_test_support.h"

#include <shlwapi.h>

ScratchKey::ScratchKey(const std::string& name) : path_("Software\\QuillonTest\\" + name) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

ScratchKey::~ScratchKey() { ::SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str()); }

void ScratchKey::SetDWord(const std::string& value, DWORD data) const {
    ::SHSetValueA(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), REG_DWORD, &data, sizeof data);
}

void ScratchKey::SetString(const std::string& value, const std::string& data) const {
    ::SHSetValueA(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), REG_SZ, data.c_str(),
                  static_cast<DWORD>(data.size() + 1));
}

bool ScratchKey::GetDWord(const std::string& value, DWORD& data) const {
    DWORD type = 0, size = sizeof data;
    return ::SHGetValueA(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), &type, &data, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool ScratchKey::GetString(const std::string& value, std::string& data) const {
    char buffer[1024] = "";
    DWORD type = 0, size = sizeof buffer - 1;
    if (::SHGetValueA(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), &type, buffer, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    data = buffer;
    return true;
}

bool ScratchKey::Exists() const {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool ScratchKey::HasValue(const std::string& value) const {
    DWORD type = 0;
    return ::SHGetValueA(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), &type, nullptr,
                         nullptr) == ERROR_SUCCESS;
}
