#include "companion_registry.h"

#include "scoped.h"

#include <vector>

namespace pellam {

HKEY OpenCompanionKey(const char* path) {
    for (REGSAM access : {REGSAM(KEY_ALL_ACCESS), REGSAM(KEY_QUERY_VALUE), REGSAM(KEY_READ)}) {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &key) == ERROR_SUCCESS) return key;
    }
    return nullptr;
}

std::optional<std::string> QueryRawValue(HKEY key, const char* name, size_t capacity) {
    if (!key) return std::nullopt;
    std::vector<char> buffer(capacity + 1, 0);
    DWORD size = static_cast<DWORD>(capacity);
    // ERROR_MORE_DATA (a value that does not fit) counts as missing.
    if (::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) != ERROR_SUCCESS ||
        size > capacity)
        return std::nullopt;
    return std::string(buffer.data(), size);
}

ValueSource KeyValues(HKEY key) {
    return [key](const char* name, size_t capacity) { return QueryRawValue(key, name, capacity); };
}

std::optional<std::string> ReadCompanionText(const char* path, const char* name,
                                             size_t capacity) {
    winlib::ScopedRegKey key(OpenCompanionKey(path));
    return ReadText(KeyValues(key.get()), name, capacity);
}

uint32_t ReadCompanionNumber(const char* path, const NumberValue& value) {
    winlib::ScopedRegKey key(OpenCompanionKey(path));
    return ReadNumber(KeyValues(key.get()), value);
}

bool WriteCompanionText(const char* path, const char* name, const std::string& text) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS)
        return false;
    winlib::ScopedRegKey key(raw);
    return ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace pellam
