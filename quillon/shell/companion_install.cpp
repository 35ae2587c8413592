#include "companion_install.h"

#include "companion_messages.h"
#include "companion_registry.h"
#include "companion_settings.h"
#include "file.h"
#include "scoped.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kObsoleteRunValue[] = "Refresh";
const char kQuillonRunValue[] = "Quillon";
using pellam::kCompanionExe;
constexpr const char* kCompanionDll = pellam::kHookLibrary;
const char kShortcutName[] = "\\Pellam.lnk";
const char kShortcutDescription[] = "Pellam. Needed for Quillon.";
// How long the first run waits for a running Pellam to let go of its files.
constexpr DWORD kCompanionExitWaitMs = 10000;
constexpr DWORD kCompanionPollMs = 50;

HWND FindCompanion() { return ::FindWindowA(pellam::kWindowClass, pellam::kWindowTitle); }

// "LogoBitmap" emptied: the current user's key is created, the machine's only
// written where it exists.
void ResetSplashSetting() {
    pellam::WriteCompanionText(pellam::kSuiteKey, pellam::kLogoBitmapValue, "");
    winlib::RegistryKey machine;
    if (machine.Open(HKEY_LOCAL_MACHINE, pellam::kSuiteKey, KEY_SET_VALUE) == ERROR_SUCCESS)
        machine.SetString(pellam::kLogoBitmapValue, "");
}

void DeleteRunValue(const char* name) {
    winlib::RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kRunKey, KEY_SET_VALUE) == ERROR_SUCCESS) key.DeleteValue(name);
}

// A copy refused because the installed file is in use (its hook library
// stays mapped into programs until they end) leaves nothing to do when the
// file in use is already this one.
bool AlreadyInstalled(const char* file, const std::string& installed) {
    constexpr uint64_t kMaxCompanionBytes = 16u * 1024 * 1024;
    std::vector<uint8_t> ours, theirs;
    return winlib::CFile::ReadAll(file, ours, kMaxCompanionBytes) &&
           winlib::CFile::ReadAll(installed, theirs, kMaxCompanionBytes) && ours == theirs;
}

std::string StartupShortcutPath() {
    char folder[MAX_PATH] = "";
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE)) return "";
    return std::string(folder) + kShortcutName;
}

}  // namespace

const char kCompanionCopyFailedText[] =
    "Pellam couldn't be properly installed, you need to have write access to the system "
    "directory.\nYou could try to manually copy the Pellam.exe and Pellam.dll files to the "
    "system directory.";

bool ControlCompanion(bool start) {
    if (HWND window = FindCompanion()) {
        if (!start) ::PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    if (start) {
        std::string exe = InstalledCompanionFile(kCompanionExe);
        if (!exe.empty()) ::WinExec(exe.c_str(), SW_HIDE);
    }
    return false;
}

bool WaitForCompanionToEnd(DWORD timeoutMs) {
    HWND window = FindCompanion();
    if (!window) return true;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    winlib::ScopedHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    // The process, not only its window, holds the files.
    if (process) return ::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0;
    for (DWORD waited = 0; waited < timeoutMs; waited += kCompanionPollMs) {
        if (!FindCompanion()) return true;
        ::Sleep(kCompanionPollMs);
    }
    return !FindCompanion();
}

HRESULT CreateShortcut(const std::string& target, const std::string& linkPath,
                       const std::string& description) {
    IShellLinkA* link = nullptr;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, reinterpret_cast<void**>(&link));
    if (FAILED(result)) return result;
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        WCHAR widePath[MAX_PATH] = L"";
        if (::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) > 0)
            result = file->Save(widePath, TRUE);
        else
            result = E_INVALIDARG;  // a path longer than the shell takes
        file->Release();
    }
    link->Release();
    return result;
}

std::string InstalledCompanionFile(const char* fileName) {
    char system[256] = "";
    UINT length = ::GetSystemDirectoryA(system, sizeof system);
    if (length == 0 || length >= sizeof system) return "";
    return std::string(system) + "\\" + fileName;
}

bool InstallCompanion() {
    ResetSplashSetting();
    DeleteRunValue(kObsoleteRunValue);
    if (ControlCompanion(false)) WaitForCompanionToEnd(kCompanionExitWaitMs);
    bool copied = true;
    for (const char* file : {kCompanionDll, kCompanionExe}) {
        std::string installed = InstalledCompanionFile(file);
        copied = !installed.empty() &&
                 (::CopyFileA(file, installed.c_str(), FALSE) || AlreadyInstalled(file, installed)) &&
                 copied;
    }
    std::string shortcut = StartupShortcutPath();
    if (!shortcut.empty())
        CreateShortcut(InstalledCompanionFile(kCompanionExe), shortcut, kShortcutDescription);
    ControlCompanion(true);
    return copied;
}

void WriteStartWithWindows(const std::string& path) {
    if (path.empty()) {
        DeleteRunValue(kQuillonRunValue);
        return;
    }
    // A user without a Run key of his own gets one: a ticked box that
    // starts nothing would report success for a failure.
    winlib::RegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, kRunKey, KEY_SET_VALUE) != ERROR_SUCCESS) return;
    key.SetString(kQuillonRunValue, "\"" + path + "\" -minimize");
}
