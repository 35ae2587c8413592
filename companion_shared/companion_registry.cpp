#include "companion_registry.h"

#include "scoped.h"

#include <algorithm>
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
// Writers create the key they write, so a value is never silently lost.
bool WriteValue(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS)
        return false;
    winlib::ScopedRegKey key(raw);
    return ::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}
}  // namespace

bool WriteCompanionText(const char* path, const char* name, const std::string& text) {
    return WriteValue(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool WriteCompanionNumber(const char* path, const char* name, uint32_t value) {
    DWORD data = value;
    return WriteValue(path, name, REG_DWORD, &data, sizeof data);
}

bool DeleteCompanionValue(const char* path, const char* name) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS)
        return true;  // no key, no value
    winlib::ScopedRegKey key(raw);
    LONG result = ::RegDeleteValueA(key.get(), name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::vector<NamedText> ReadCompanionTexts(const char* path, size_t nameBytes, size_t dataBytes) {
    std::vector<NamedText> values;
    winlib::ScopedRegKey key(OpenCompanionKey(path));
    if (!key) return values;
    std::vector<char> name(nameBytes + 1), data(dataBytes + 1);
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = static_cast<DWORD>(nameBytes), dataSize = static_cast<DWORD>(dataBytes);
        DWORD type = 0;
        std::fill(data.begin(), data.end(), '\0');
        LONG result = ::RegEnumValueA(key.get(), index, name.data(), &nameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
        // A value too long for the buffers is skipped, not cut.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) break;  // the end, or a key that cannot be read
        if (type != REG_SZ) continue;
        name[std::min<size_t>(nameSize, nameBytes)] = '\0';
        values.push_back({name.data(), DecodeText(std::string(data.data(),
                                                              std::min<size_t>(dataSize, dataBytes)))
                                           .value_or("")});
    }
    return values;
}

}  // namespace pellam
