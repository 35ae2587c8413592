#include "driver_install.h"

#include "registry.h"

#include <string>

namespace clockwork {
namespace {

// The service entry of a boot-started kernel driver. The image path is in
// the form the system resolves against the Windows folder ("\SystemRoot\"):
// a path relative to that folder loads on Windows but not in every loader
// (Wine's device host takes it as relative to its own folder).
bool WriteService() {
    winlib::RegistryKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kServiceKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    bool written = key.SetDword("Start", SERVICE_AUTO_START) == ERROR_SUCCESS;
    written &= key.SetDword("Type", SERVICE_KERNEL_DRIVER) == ERROR_SUCCESS;
    written &= key.SetDword("ErrorControl", SERVICE_ERROR_NORMAL) == ERROR_SUCCESS;
    written &= key.SetString("DisplayName", "R6 Probe") == ERROR_SUCCESS;
    written &= key.SetString("Description", "Radeon Probe") == ERROR_SUCCESS;
    written &= key.SetString("ImagePath", "\\SystemRoot\\System32\\Drivers\\r6probe.sys") == ERROR_SUCCESS;
    written &= key.SetString("Group", "Extended Base") == ERROR_SUCCESS;
    return written;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? folder : "";
}

}  // namespace

bool DriverServiceInstalled() {
    // Opened, not created: asking must not leave an empty service behind.
    winlib::RegistryKey key;
    return key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_QUERY_VALUE) == ERROR_SUCCESS &&
           key.HasValue("Start");
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
