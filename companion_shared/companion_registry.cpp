#include "companion_registry.h"

#include "registry.h"

#include <algorithm>
#include <vector>

namespace pellam {

winlib::RegistryKey OpenCompanionKey(const char* path) {
    winlib::RegistryKey key;
    for (REGSAM access : {REGSAM(KEY_ALL_ACCESS), REGSAM(KEY_QUERY_VALUE), REGSAM(KEY_READ)})
        if (key.Open(HKEY_CURRENT_USER, path, access) == ERROR_SUCCESS) break;
    return key;
}

std::optional<std::string> QueryRawValue(HKEY key, const char* name, size_t capacity) {
    if (!key) return std::nullopt;
    DWORD type = 0;
    std::vector<uint8_t> data;
    // A value that does not fit counts as missing.
    if (winlib::registry::QueryValue(key, name, type, data, static_cast<DWORD>(capacity)) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data.begin(), data.end());
}

ValueSource KeyValues(HKEY key) {
    return [key](const char* name, size_t capacity) { return QueryRawValue(key, name, capacity); };
}

std::optional<std::string> ReadCompanionText(const char* path, const char* name,
                                             size_t capacity) {
    winlib::RegistryKey key = OpenCompanionKey(path);
    return ReadText(KeyValues(key.handle()), name, capacity);
}

uint32_t ReadCompanionNumber(const char* path, const NumberValue& value) {
    winlib::RegistryKey key = OpenCompanionKey(path);
    return ReadNumber(KeyValues(key.handle()), value);
}

namespace {
// Writers create the key they write, so a value is never silently lost.
bool WriteValue(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
    winlib::RegistryKey key;
    return key.Create(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS) == ERROR_SUCCESS &&
           key.SetValue(name, type, data, size) == ERROR_SUCCESS;
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
    winlib::RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, path, KEY_SET_VALUE) != ERROR_SUCCESS) return true;  // no key, no value
    LONG result = key.DeleteValue(name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::vector<NamedText> ReadCompanionTexts(const char* path, size_t nameBytes, size_t dataBytes) {
    std::vector<NamedText> values;
    winlib::RegistryKey key = OpenCompanionKey(path);
    if (!key.IsOpen()) return values;
    std::vector<char> name(nameBytes + 1), data(dataBytes + 1);
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = static_cast<DWORD>(nameBytes), dataSize = static_cast<DWORD>(dataBytes);
        DWORD type = 0;
        std::fill(data.begin(), data.end(), '\0');
        LONG result = winlib::registry::EnumValueInto(key.handle(), index, name.data(), nameSize, &type,
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
