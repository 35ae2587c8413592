// DisplayKey.dll: a key-lookup DLL whose GetRegKey names the registry key of
// the primary display adapter's driver, whatever driver is installed. The
// parameter, when not empty, is a subkey below it. A category built on it
// holds the settings of the installed display driver without a fixed path.
#include "device_key.h"

#include <windows.h>

#include <cstring>

namespace {

std::string PrimaryDeviceKey() {
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    for (DWORD i = 0; ::EnumDisplayDevicesA(nullptr, i, &device, 0); ++i) {
        if (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)
            return std::string(device.DeviceKey, strnlen(device.DeviceKey, sizeof device.DeviceKey));
        device = DISPLAY_DEVICEA{};
        device.cb = sizeof device;
    }
    return "";
}

}  // namespace

// The subkey buffer holds 256 bytes; no key is found: no root, empty subkey.
extern "C" __declspec(dllexport) void GetRegKey(const char* parameter, HKEY* root, char* subKey) {
    displaykey::RegistryKey key =
        displaykey::SplitDeviceKey(PrimaryDeviceKey(), parameter ? parameter : "");
    *root = key.root == displaykey::Root::LocalMachine ? HKEY_LOCAL_MACHINE : nullptr;
    std::memcpy(subKey, key.subKey.c_str(), key.subKey.size() + 1);
}
