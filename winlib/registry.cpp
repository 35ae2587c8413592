#include "registry.h"

#include "wow64.h"

#include <algorithm>

namespace winlib {

REGSAM AccessForView(RegistryView view) {
    return view == RegistryView::Native && RunsUnderWow64() ? KEY_WOW64_64KEY : 0;
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

LONG RegistryKey::Open(HKEY root, const std::string& path, REGSAM access, RegistryView view) {
    HKEY key = nullptr;
    LONG result = ::RegOpenKeyExA(root, path.c_str(), 0, access | AccessForView(view), &key);
    if (result == ERROR_SUCCESS) {
        Close();
        key_ = key;
    }
    return result;
}

LONG RegistryKey::Create(HKEY root, const std::string& path, REGSAM access, RegistryView view) {
    HKEY key = nullptr;
    LONG result = ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    access | AccessForView(view), nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) {
        Close();
        key_ = key;
    }
    return result;
}

void RegistryKey::Close() {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
}

namespace registry {

LONG QueryValue(HKEY key, const char* name, DWORD& type, std::vector<uint8_t>& data, DWORD maxBytes) {
    // One call into a buffer of the largest size taken: the size the ANSI
    // functions report beforehand for a string can be more than it reads.
    data.assign(maxBytes, 0);
    DWORD size = maxBytes;
    type = REG_NONE;
    LONG result = ::RegQueryValueExA(key, name, nullptr, &type, data.empty() ? nullptr : data.data(), &size);
    if (result == ERROR_SUCCESS && size > maxBytes) result = ERROR_MORE_DATA;
    if (result != ERROR_SUCCESS) {
        data.clear();
        return result;
    }
    data.resize(size);
    return ERROR_SUCCESS;
}

bool QueryDword(HKEY key, const char* name, DWORD& value) {
    DWORD type = 0, stored = 0, size = sizeof stored;
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof stored)
        return false;
    value = stored;
    return true;
}

bool QueryString(HKEY key, const char* name, std::string& value, DWORD maxBytes) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (QueryValue(key, name, type, data, maxBytes) != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    auto end = std::find(data.begin(), data.end(), 0);
    value.assign(data.begin(), end);
    return true;
}

bool QueryMultiString(HKEY key, const char* name, std::vector<std::string>& values, DWORD maxBytes) {
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (QueryValue(key, name, type, data, maxBytes) != ERROR_SUCCESS || type != REG_MULTI_SZ) return false;
    values.clear();
    // Strings end at a terminator or at the end of the data; an empty one
    // ends the list.
    auto at = data.begin();
    while (at != data.end()) {
        auto end = std::find(at, data.end(), 0);
        if (end == at) break;
        values.emplace_back(at, end);
        at = end == data.end() ? end : end + 1;
    }
    return true;
}

LONG SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    return ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG SetDword(HKEY key, const char* name, DWORD value) {
    return SetValue(key, name, REG_DWORD, &value, sizeof value);
}

LONG SetString(HKEY key, const char* name, const std::string& value) {
    return SetValue(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

LONG DeleteValue(HKEY key, const char* name) { return ::RegDeleteValueA(key, name); }

bool EnumValue(HKEY key, DWORD index, std::string& name) {
    char text[16384] = "";
    DWORD length = sizeof text;
    if (::RegEnumValueA(key, index, text, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name.assign(text, std::min<DWORD>(length, sizeof text - 1));
    return true;
}

LONG EnumValueInto(HKEY key, DWORD index, char* name, DWORD& nameSize, DWORD* type, BYTE* data,
                   DWORD* dataSize) {
    return ::RegEnumValueA(key, index, name, &nameSize, nullptr, type, data, dataSize);
}

bool ValueCounts(HKEY key, DWORD& values, DWORD& longestName, DWORD& longestData) {
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                              &longestName, &longestData, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace registry

bool RegistryKey::QueryBinary(const char* name, std::vector<uint8_t>& bytes, DWORD maxBytes) const {
    DWORD type = 0;
    return QueryValue(name, type, bytes, maxBytes) == ERROR_SUCCESS && type == REG_BINARY;
}

bool RegistryKey::HasValue(const char* name) const {
    return ::RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

LONG RegistryKey::SetMultiString(const char* name, const std::vector<std::string>& values) {
    std::string data;
    for (const std::string& value : values) {
        data += value;
        data += '\0';
    }
    data += '\0';
    return SetValue(name, REG_MULTI_SZ, data.data(), static_cast<DWORD>(data.size()));
}

LONG RegistryKey::DeleteSubKey(const char* name) { return ::RegDeleteKeyA(key_, name); }

bool RegistryKey::EnumSubKey(DWORD index, std::string& name) const {
    char text[MAX_PATH + 1] = "";
    DWORD length = sizeof text;
    if (::RegEnumKeyExA(key_, index, text, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name.assign(text, std::min<DWORD>(length, MAX_PATH));
    return true;
}

LONG RegistryKey::NotifyChange(HANDLE event, DWORD filter, bool subtree) {
    return ::RegNotifyChangeKeyValue(key_, subtree ? TRUE : FALSE, filter, event, TRUE);
}

}  // namespace winlib
