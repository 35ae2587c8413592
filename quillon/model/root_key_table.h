// The seven predefined registry roots a category key may start from, with
// the long names of the category dialog's root list and the short prefixes
// of key path text. Handle values are the Win32 predefined key values and
// are stored as such in files; they are plain integers here so this table
// needs no Windows headers.
#pragma once

#include <cstdint>
#include <string>

namespace quillon {

constexpr std::uint32_t kRootClassesRoot = 0x80000000u;
constexpr std::uint32_t kRootCurrentUser = 0x80000001u;
constexpr std::uint32_t kRootLocalMachine = 0x80000002u;
constexpr std::uint32_t kRootUsers = 0x80000003u;
constexpr std::uint32_t kRootPerformanceData = 0x80000004u;
constexpr std::uint32_t kRootCurrentConfig = 0x80000005u;
constexpr std::uint32_t kRootDynData = 0x80000006u;

struct RootKeyRow {
    std::uint32_t handle;
    const char* longName;     // "HKEY_LOCAL_MACHINE"
    const char* shortPrefix;  // "HKLM\\"
};

// Rows in root-list order, positions 0 to 6.
constexpr int kRootKeyCount = 7;
const RootKeyRow& RootKeyRowAt(int position);

// Any handle not among the first six rows is treated as HKEY_DYN_DATA
// (position 6), including 0 and values outside the predefined range.
int RootListPosition(std::uint32_t handle);
const char* RootLongName(std::uint32_t handle);
const char* RootShortPrefix(std::uint32_t handle);

// The handle at a root-list position; a position outside 0..6 (such as a
// list with no selection) gives HKEY_DYN_DATA, the same fallback as above.
std::uint32_t RootFromListPosition(int position);

// The only text form of a key path: short prefix immediately followed by
// the subkey, e.g. "HKLM\\SOFTWARE\\Quillon".
std::string KeyPathText(std::uint32_t root, const std::string& subKey);

}  // namespace quillon
