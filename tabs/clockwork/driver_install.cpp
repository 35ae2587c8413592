#include "driver_install.h"

#include "scoped.h"

#include <string>

namespace clockwork {
namespace {

bool SetNumber(HKEY key, const char* name, DWORD value) {
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value) == ERROR_SUCCESS;
}

bool SetText(HKEY key, const char* name, const char* text) {
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(std::string(text).size() + 1)) == ERROR_SUCCESS;
}

// The service entry of a boot-started kernel driver. The image path is in
// the form the system resolves against the Windows folder ("\SystemRoot\"):
// a path relative to that folder loads on Windows but not in every loader
// (Wine's device host takes it as relative to its own folder).
bool WriteService() {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &raw, nullptr) != ERROR_SUCCESS)
        return false;
    winlib::ScopedRegKey key(raw);
    bool written = SetNumber(raw, "Start", SERVICE_AUTO_START);
    written &= SetNumber(raw, "Type", SERVICE_KERNEL_DRIVER);
    written &= SetNumber(raw, "ErrorControl", SERVICE_ERROR_NORMAL);
    written &= SetText(raw, "DisplayName", "R6 Probe");
    written &= SetText(raw, "Description", "Radeon Probe");
    written &= SetText(raw, "ImagePath", "\\SystemRoot\\System32\\Drivers\\r6probe.sys");
    written &= SetText(raw, "Group", "Extended Base");
    return written;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? folder : "";
}

}  // namespace

bool DriverServiceInstalled() {
    HKEY raw = nullptr;
    // Opened, not created: asking must not leave an empty service behind.
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return false;
    winlib::ScopedRegKey key(raw);
    return ::RegQueryValueExA(raw, "Start", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void TellDriverCannotRun(HWND owner) {
    ::MessageBoxA(owner, kNoDriverOn64BitText, "Radeon overclocking", MB_ICONINFORMATION | MB_OK);
}

void OfferDriverInstallation(HWND owner) {
    if (::MessageBoxA(owner,
                      "To make overclocking possible the r6probe.sys file needs to be installed and "
                      "a few registry keys set.\nDo you want to do that now?",
                      "Install", MB_ICONQUESTION | MB_YESNO) != IDYES)
        return;
    bool registered = WriteService();
    std::string system = SystemFolder();
    bool copied = !system.empty() &&
                  ::CopyFileA("r6probe.sys", (system + "\\drivers\\r6probe.sys").c_str(), FALSE);
    // Both halves are needed: a service without its file, or a file
    // without its service (no rights to write it), does not load.
    if (registered && copied)
        ::MessageBoxA(owner,
                      "Installation successful!\nThe system needs to be rebooted before you can use "
                      "overclocking.",
                      "Installation successful", MB_OK);
    else
        ::MessageBoxA(owner,
                      "Installation failed.\nTry to manually copy the r6probe.sys file into your "
                      "system32\\drivers directory",
                      "Error", MB_OK);
}

void CopyVxdDriver() {
    std::string system = SystemFolder();
    if (!system.empty()) ::CopyFileA("r6probe.vxd", (system + "\\r6probe.vxd").c_str(), TRUE);
}

}  // namespace clockwork
