#include "refresh_store.h"

#include "companion_settings.h"
#include "registry.h"

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
    winlib::RegistryKey key;
    if (key.Create(root, KeyPath(32, resolutionKey), KEY_ALL_ACCESS) != ERROR_SUCCESS) return 0;
    // The driver's table is read as one 32-bit number at most, the override
    // as text.
    DWORD type = 0;
    std::vector<uint8_t> data;
    if (key.QueryValue(kRefreshRateValue, type, data, windows9x_ ? 4 : 255) != ERROR_SUCCESS) return 0;
    bool isText = type == REG_SZ || type == REG_EXPAND_SZ;
    return StoredRate(std::string(data.begin(), data.end()), isText);
}

bool RefreshStore::Store(const ItemChoice& choice) const {
    HKEY root = windows9x_ ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    bool stored = true;
    for (int depth : kColourDepths) {
        winlib::RegistryKey key;
        if (key.Create(root, KeyPath(depth, choice.resolutionKey), KEY_ALL_ACCESS) != ERROR_SUCCESS) {
            stored = false;
            continue;
        }
        if (choice.isDefault) {
            LONG result = key.DeleteValue(kRefreshRateValue);
            stored = stored && (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND);
        } else {
            stored = stored && key.SetString(kRefreshRateValue, choice.rateText) == ERROR_SUCCESS;
        }
    }
    return stored;
}

}  // namespace cadence
