// The replacements that import patching puts in place of nine Windows
// functions: display-mode changes get the stored refresh rate, the program's
// own gamma-ramp changes are refused, process starts are logged.
#include "intercepted_calls.h"

#include "gamma_control.h"
#include "hook_log.h"
#include "hook_state.h"
#include "refresh_lookup.h"

#include <shellapi.h>

namespace pellamhook {
namespace {

// The entry point a replacement calls on: the one the slot held, or, once
// removal has cleared it, the exporting module's own.
template <typename Function>
Function Original(PatchIndex index) {
    const PatchEntry& entry = g_process.patches[index];
    if (entry.saved) return reinterpret_cast<Function>(static_cast<uintptr_t>(entry.saved));
    HMODULE module = ::GetModuleHandleA(entry.module);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, entry.function)))
                  : nullptr;
}

const char* TextOrNull(const char* text) { return text ? text : "Null"; }

// Counts the threads inside a replacement, so that unpatching at the
// library's end can wait for them to leave before its code goes.
struct InsideReplacement {
    InsideReplacement() { ::InterlockedIncrement(&g_process.callsInside); }
    ~InsideReplacement() { ::InterlockedDecrement(&g_process.callsInside); }
    InsideReplacement(const InsideReplacement&) = delete;
    InsideReplacement& operator=(const InsideReplacement&) = delete;
};

const char* StatusText(LONG result, bool overridden, DWORD flags) {
    if (result != DISP_CHANGE_SUCCESSFUL) return "Failed";
    if (overridden) return flags == CDS_TEST ? "TEST OK" : "OK";
    return "No Refresh Override";
}

// Both display-mode replacements: the override, the call, and with a
// rejected override the caller's own request again.
template <typename Mode, typename Function, typename Call>
LONG ChangeDisplayMode(Mode* mode, DWORD flags, PatchIndex index, const char* format,
                       const Call& call) {
    Function original = Original<Function>(index);
    if (!original) return DISP_CHANGE_FAILED;
    if (!mode) return call(original, mode);
    Mode request = *mode;
    RefreshRequest fields{mode->dmFields, mode->dmBitsPerPel, mode->dmPelsWidth, mode->dmPelsHeight,
                          mode->dmDisplayFrequency};
    bool overridden = LookupRefreshOverride(fields);
    DWORD overrideRate = 0;
    if (overridden) mode->dmDisplayFrequency = overrideRate = fields.frequency;
    LONG result = call(original, mode);
    if (result != DISP_CHANGE_SUCCESSFUL && overridden) {
        *mode = request;
        result = call(original, mode);
        overridden = false;
    }
    LogLine(1, format, g_process.exeName, static_cast<int>(mode->dmPelsWidth),
            static_cast<int>(mode->dmPelsHeight), static_cast<int>(mode->dmBitsPerPel),
            static_cast<int>(mode->dmDisplayFrequency), static_cast<int>(overrideRate),
            StatusText(result, overridden, flags));
    return result;
}

using ChangeA = LONG(WINAPI*)(DEVMODEA*, DWORD);
using ChangeW = LONG(WINAPI*)(DEVMODEW*, DWORD);
using SetRamp = BOOL(WINAPI*)(HDC, void*);
using ShellA = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT);
using ShellW = HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, INT);
using ShellExA = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
using ShellExW = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

LONG WINAPI ReplacedChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    InsideReplacement inside;
    return ChangeDisplayMode<DEVMODEA, ChangeA>(
        mode, flags, kPatchChangeDisplaySettingsA, "%s=>ChangeDisplayModeA(%dx%dx%d(%dHz)->(%dHz) (%s)",
        [flags](ChangeA f, DEVMODEA* m) { return f(m, flags); });
}

LONG WINAPI ReplacedChangeDisplaySettingsW(DEVMODEW* mode, DWORD flags) {
    InsideReplacement inside;
    return ChangeDisplayMode<DEVMODEW, ChangeW>(
        mode, flags, kPatchChangeDisplaySettingsW, "%s=>ChangeDisplayModeW(%dx%dx%d(%dHz)->(%dHz) (%s)",
        [flags](ChangeW f, DEVMODEW* m) { return f(m, flags); });
}

// The ramp belongs to the user's per-game gamma.
BOOL WINAPI ReplacedSetDeviceGammaRamp(HDC, void*) {
    InsideReplacement inside;
    LogLine(1, "%s tried to set the gamma", g_process.exeName);
    return TRUE;
}

BOOL WINAPI ReplacedCreateProcessA(const char* application, char* commandLine, SECURITY_ATTRIBUTES* process,
                                   SECURITY_ATTRIBUTES* thread, BOOL inherit, DWORD flags, void* environment,
                                   const char* directory, STARTUPINFOA* startup, PROCESS_INFORMATION* info) {
    InsideReplacement inside;
    LogLine(1, "%s=>CreateProcessA()", g_process.exeName);
    return ::CreateProcessA(application, commandLine, process, thread, inherit, flags, environment,
                            directory, startup, info);
}

BOOL WINAPI ReplacedCreateProcessW(const wchar_t* application, wchar_t* commandLine,
                                   SECURITY_ATTRIBUTES* process, SECURITY_ATTRIBUTES* thread, BOOL inherit,
                                   DWORD flags, void* environment, const wchar_t* directory,
                                   STARTUPINFOW* startup, PROCESS_INFORMATION* info) {
    InsideReplacement inside;
    LogLine(1, "%s=>CreateProcessW()", g_process.exeName);
    // Found, not imported: only the NT family has it.
    using CreateW = BOOL(WINAPI*)(const wchar_t*, wchar_t*, SECURITY_ATTRIBUTES*, SECURITY_ATTRIBUTES*, BOOL,
                                  DWORD, void*, const wchar_t*, STARTUPINFOW*, PROCESS_INFORMATION*);
    CreateW original = Original<CreateW>(kPatchCreateProcessW);
    if (!original) {
        ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    return original(application, commandLine, process, thread, inherit, flags, environment, directory,
                    startup, info);
}

HINSTANCE WINAPI ReplacedShellExecuteA(HWND window, const char* operation, const char* file,
                                       const char* parameters, const char* directory, INT show) {
    InsideReplacement inside;
    LogLine(1, "%s=>ShellExecuteA(%s)", g_process.exeName, TextOrNull(file));
    ShellA original = Original<ShellA>(kPatchShellExecuteA);
    return original ? original(window, operation, file, parameters, directory, show)
                    : reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
}

HINSTANCE WINAPI ReplacedShellExecuteW(HWND window, const wchar_t* operation, const wchar_t* file,
                                       const wchar_t* parameters, const wchar_t* directory, INT show) {
    InsideReplacement inside;
    LogLine(1, "%s=>ShellExecuteW()", g_process.exeName);
    ShellW original = Original<ShellW>(kPatchShellExecuteW);
    return original ? original(window, operation, file, parameters, directory, show)
                    : reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
}

BOOL WINAPI ReplacedShellExecuteExA(SHELLEXECUTEINFOA* info) {
    InsideReplacement inside;
    LogLine(1, "%s=>ShellExecuteExA(%s)", g_process.exeName, TextOrNull(info ? info->lpFile : nullptr));
    ShellExA original = Original<ShellExA>(kPatchShellExecuteExA);
    return original ? original(info) : FALSE;
}

BOOL WINAPI ReplacedShellExecuteExW(SHELLEXECUTEINFOW* info) {
    InsideReplacement inside;
    LogLine(1, "%s=>ShellExecuteExW()", g_process.exeName);
    ShellExW original = Original<ShellExW>(kPatchShellExecuteExW);
    return original ? original(info) : FALSE;
}

}  // namespace

BOOL SetRampThroughSaved(HDC dc, void* ramp) {
    const PatchEntry& entry = g_process.patches[kPatchSetDeviceGammaRamp];
    if (entry.saved) return reinterpret_cast<SetRamp>(static_cast<uintptr_t>(entry.saved))(dc, ramp);
    return ::SetDeviceGammaRamp(dc, ramp);
}

void InitPatchTable() {
    const PatchEntry table[kPatchCount] = {
        {"USER32.DLL", "ChangeDisplaySettingsA", reinterpret_cast<void*>(ReplacedChangeDisplaySettingsA), 0, 0, 0, 0},
        {"USER32.DLL", "ChangeDisplaySettingsW", reinterpret_cast<void*>(ReplacedChangeDisplaySettingsW), 0, 0, 0, 0},
        {"GDI32.DLL", "SetDeviceGammaRamp", reinterpret_cast<void*>(ReplacedSetDeviceGammaRamp), 0, 0, 0, 0},
        {"KERNEL32.dll", "CreateProcessA", reinterpret_cast<void*>(ReplacedCreateProcessA), 0, 0, 0, 0},
        {"KERNEL32.dll", "CreateProcessW", reinterpret_cast<void*>(ReplacedCreateProcessW), 0, 0, 0, 0},
        {"SHELL32.DLL", "ShellExecuteA", reinterpret_cast<void*>(ReplacedShellExecuteA), 0, 0, 0, 0},
        {"SHELL32.DLL", "ShellExecuteW", reinterpret_cast<void*>(ReplacedShellExecuteW), 0, 0, 0, 0},
        {"SHELL32.DLL", "ShellExecuteExA", reinterpret_cast<void*>(ReplacedShellExecuteExA), 0, 0, 0, 0},
        {"SHELL32.DLL", "ShellExecuteExW", reinterpret_cast<void*>(ReplacedShellExecuteExW), 0, 0, 0, 0},
    };
    for (int i = 0; i < kPatchCount; ++i) g_process.patches[i] = table[i];
}

}  // namespace pellamhook
