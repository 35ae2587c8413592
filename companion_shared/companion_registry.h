// Reading and writing the companion's keys under HKEY_CURRENT_USER.
#pragma once

#include <windows.h>

#include "companion_settings.h"
#include "registry.h"

#include <optional>
#include <string>
#include <vector>

namespace pellam {

// Opens a key for reading: KEY_ALL_ACCESS, then KEY_QUERY_VALUE, then
// KEY_READ. Never creates it. Null when it cannot be opened.
winlib::RegistryKey OpenCompanionKey(const char* path);

// The raw bytes of a value that fits 'capacity' bytes.
std::optional<std::string> QueryRawValue(HKEY key, const char* name, size_t capacity);
// The values of an open key (or none when it is null), for the schema's reader.
ValueSource KeyValues(HKEY key);

std::optional<std::string> ReadCompanionText(const char* path, const char* name, size_t capacity);
uint32_t ReadCompanionNumber(const char* path, const NumberValue& value);
// A REG_SZ with its zero; the key is created when missing.
bool WriteCompanionText(const char* path, const char* name, const std::string& text);
// A REG_DWORD; the key is created when missing.
bool WriteCompanionNumber(const char* path, const char* name, uint32_t value);
// Deletes a value of an existing key; true when it is gone (or never was).
bool DeleteCompanionValue(const char* path, const char* name);

// The REG_SZ values of a key with names and data that fit the given buffer
// sizes, in the key's order; other values are left out.
struct NamedText {
    std::string name;
    std::string text;
};
std::vector<NamedText> ReadCompanionTexts(const char* path, size_t nameBytes, size_t dataBytes);

}  // namespace pellam
