// RegistryKey: one open registry key and everything the suite does with one:
// open or create it with an access and a registry view, typed reads and
// writes, deletes, enumeration and change notification. Every registry
// access of the suite goes through it. Plain Win32 with no user-interface
// code, so the hook library links it as well as the programs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace winlib {

// Which registry a key is looked for in on 64-bit Windows, where a 32-bit
// program's HKEY_LOCAL_MACHINE\SOFTWARE is redirected to WOW6432Node. Keys
// that belong to 64-bit drivers are opened in the native view; the
// program's own configuration stays where a 32-bit program keeps it. On
// 32-bit Windows both are the same registry.
enum class RegistryView { Program, Native };

// KEY_WOW64_64KEY under WOW64, else 0 (older systems know no such flag).
REGSAM AccessForView(RegistryView view);

// The operations on a key held elsewhere (a key a caller was handed); the
// class below holds its own. Same meanings as the members.
namespace registry {
bool QueryDword(HKEY key, const char* name, DWORD& value);
bool QueryString(HKEY key, const char* name, std::string& value, DWORD maxBytes = 4096);
bool QueryMultiString(HKEY key, const char* name, std::vector<std::string>& values,
                      DWORD maxBytes = 64 * 1024);
LONG QueryValue(HKEY key, const char* name, DWORD& type, std::vector<uint8_t>& data, DWORD maxBytes);
LONG SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size);
LONG SetDword(HKEY key, const char* name, DWORD value);
LONG SetString(HKEY key, const char* name, const std::string& value);
LONG DeleteValue(HKEY key, const char* name);
bool EnumValue(HKEY key, DWORD index, std::string& name);
// One value by index into the caller's buffers, as RegEnumValueA gives it
// (ERROR_MORE_DATA when a buffer is short): for readers that keep the sizes.
LONG EnumValueInto(HKEY key, DWORD index, char* name, DWORD& nameSize, DWORD* type, BYTE* data,
                   DWORD* dataSize);
// The number of values and the longest value name and data, in bytes.
bool ValueCounts(HKEY key, DWORD& values, DWORD& longestName, DWORD& longestData);
}  // namespace registry

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;

    // Open an existing key, or create missing keys on the way. On success
    // the key held before is closed and the new one held. The Win32 result.
    LONG Open(HKEY root, const std::string& path, REGSAM access,
              RegistryView view = RegistryView::Program);
    LONG Create(HKEY root, const std::string& path, REGSAM access,
                RegistryView view = RegistryView::Program);
    void Close();
    bool IsOpen() const { return key_ != nullptr; }
    HKEY handle() const { return key_; }

    // Typed reads: false when the value is missing, of another type, or
    // longer than maxBytes. A string is read up to its first terminator
    // and need not have one; REG_EXPAND_SZ counts as a string, unexpanded.
    bool QueryDword(const char* name, DWORD& value) const { return registry::QueryDword(key_, name, value); }
    bool QueryString(const char* name, std::string& value, DWORD maxBytes = 4096) const {
        return registry::QueryString(key_, name, value, maxBytes);
    }
    bool QueryMultiString(const char* name, std::vector<std::string>& values,
                          DWORD maxBytes = 64 * 1024) const {
        return registry::QueryMultiString(key_, name, values, maxBytes);
    }
    bool QueryBinary(const char* name, std::vector<uint8_t>& bytes, DWORD maxBytes = 64 * 1024) const;
    // Any type, as stored. ERROR_MORE_DATA when longer than maxBytes.
    LONG QueryValue(const char* name, DWORD& type, std::vector<uint8_t>& data, DWORD maxBytes) const {
        return registry::QueryValue(key_, name, type, data, maxBytes);
    }
    bool HasValue(const char* name) const;

    // Writes. The Win32 result.
    LONG SetDword(const char* name, DWORD value) { return registry::SetDword(key_, name, value); }
    LONG SetString(const char* name, const std::string& value) {
        return registry::SetString(key_, name, value);
    }
    LONG SetMultiString(const char* name, const std::vector<std::string>& values);
    LONG SetValue(const char* name, DWORD type, const void* data, DWORD size) {
        return registry::SetValue(key_, name, type, data, size);
    }
    LONG DeleteValue(const char* name) { return registry::DeleteValue(key_, name); }
    // A subkey without subkeys of its own.
    LONG DeleteSubKey(const char* name);

    // Enumeration by index: false at the end or on failure.
    bool EnumSubKey(DWORD index, std::string& name) const;
    bool EnumValue(DWORD index, std::string& name) const { return registry::EnumValue(key_, index, name); }

    // Sets 'event' at the key's next change ('filter': REG_NOTIFY_CHANGE_*).
    LONG NotifyChange(HANDLE event, DWORD filter, bool subtree = false);

private:
    HKEY key_ = nullptr;
};

}  // namespace winlib
