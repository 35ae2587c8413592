#include "refresh_store.h"

#include "companion_settings.h"
#include "scoped.h"

#include <windows.h>

#include <cstdio>

namespace cadence {
namespace {

// The companion's override keys are its schema's; the driver's table is the
// Windows 9x display class of the first adapter.
const char* const kOverrideModes = pellam::kDisplayModesKey;
const char kDriverModes[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES";
const char* const kRefreshRateValue = pellam::kRefreshRateValue;
const int kColourDepths[] = {8, 16, 24, 32};

}  // namespace

std::string RefreshStore::KeyPath(int bitsPerPixel, const std::string& resolutionKey) const {
    char depth[16];
    std::snprintf(depth, sizeof depth, "\\%d\\", bitsPerPixel);
    return (windows9x_ ? kDriverModes : kOverrideModes) + std::string(depth) + resolutionKey;
}

uint32_t RefreshStore::Read(const std::string& resolutionKey) const {
    HKEY root = windows9x_ ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    winlib::ScopedRegKey key;
    if (::RegCreateKeyExA(root, KeyPath(32, resolutionKey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, key.receive(), nullptr) != ERROR_SUCCESS)
        return 0;
    // The driver's table is read as one 32-bit number at most, the override
    // as text.
    char data[256] = {};
    DWORD size = windows9x_ ? 4 : sizeof data - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key.get(), kRefreshRateValue, nullptr, &type,
                           reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return 0;
    bool isText = type == REG_SZ || type == REG_EXPAND_SZ;
    return StoredRate(std::string(data, size), isText);
}

bool RefreshStore::Store(const ItemChoice& choice) const {
    HKEY root = windows9x_ ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    bool stored = true;
    for (int depth : kColourDepths) {
        winlib::ScopedRegKey key;
        if (::RegCreateKeyExA(root, KeyPath(depth, choice.resolutionKey).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, key.receive(), nullptr) != ERROR_SUCCESS) {
            stored = false;
            continue;
        }
        if (choice.isDefault) {
            LONG result = ::RegDeleteValueA(key.get(), kRefreshRateValue);
            stored = stored && (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND);
        } else {
            stored = stored &&
                     ::RegSetValueExA(key.get(), kRefreshRateValue, 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(choice.rateText.c_str()),
                                      static_cast<DWORD>(choice.rateText.size() + 1)) == ERROR_SUCCESS;
        }
    }
    return stored;
}

}  // namespace cadence
