#include "root_key_table.h"

namespace quillon {
namespace {

const RootKeyRow kRows[kRootKeyCount] = {
    {kRootLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM\\"},
    {kRootCurrentUser, "HKEY_CURRENT_USER", "HKCU\\"},
    {kRootClassesRoot, "HKEY_CLASSES_ROOT", "HKCR\\"},
    {kRootCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC\\"},
    {kRootUsers, "HKEY_USERS", "HKU\\"},
    {kRootPerformanceData, "HKEY_PERFORMANCE_DATA", "HKPD\\"},
    {kRootDynData, "HKEY_DYN_DATA", "HKDD\\"},
};

constexpr int kFallbackPosition = kRootKeyCount - 1;

}  // namespace

const RootKeyRow& RootKeyRowAt(int position) {
    return kRows[position >= 0 && position < kRootKeyCount ? position : kFallbackPosition];
}

int RootListPosition(std::uint32_t handle) {
    for (int i = 0; i < kFallbackPosition; ++i)
        if (kRows[i].handle == handle) return i;
    return kFallbackPosition;
}

const char* RootLongName(std::uint32_t handle) {
    return kRows[RootListPosition(handle)].longName;
}

const char* RootShortPrefix(std::uint32_t handle) {
    return kRows[RootListPosition(handle)].shortPrefix;
}

std::uint32_t RootFromListPosition(int position) {
    return RootKeyRowAt(position).handle;
}

std::string KeyPathText(std::uint32_t root, const std::string& subKey) {
    return RootShortPrefix(root) + subKey;
}

}  // namespace quillon
