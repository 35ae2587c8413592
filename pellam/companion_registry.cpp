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

namespace {

bool WriteValue(const char* path, const char* name, DWORD type, const void* data, size_t size) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS)
        return false;
    winlib::ScopedRegKey key(raw);
    return ::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data),
                            static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace

bool WriteCompanionText(const char* path, const char* name, const std::string& text) {
    return WriteValue(path, name, REG_SZ, text.c_str(), text.size() + 1);
}

bool WriteCompanionNumber(const char* path, const char* name, uint32_t value) {
    DWORD number = value;
    return WriteValue(path, name, REG_DWORD, &number, sizeof number);
}

bool DeleteCompanionValue(const char* path, const char* name) {
    winlib::ScopedRegKey key(OpenCompanionKey(path));
    if (!key.get()) return true;
    LONG result = ::RegDeleteValueA(key.get(), name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace pellam
