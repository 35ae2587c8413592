// Pellam.dll: the exports Pellam calls, the state shared by every process
// that maps the library, the get-message hook and the process entry point.
#include "end_watcher.h"
#include "game_actions.h"
#include "gamma_control.h"
#include "guarded_memory.h"
#include "hook_log.h"
#include "hook_owner.h"
#include "hook_state.h"
#include "intercepted_calls.h"
#include "keyboard_hook.h"
#include "program_names.h"
#include "scoped.h"

#include "companion_messages.h"

#include <cctype>
#include <cstring>

namespace pellamhook {

// Initial values come from the file; every process sees the same copy.
__attribute__((section(".SHAREDA"), shared)) SharedState g_shared = {
    nullptr, nullptr, nullptr, {{0}}, {0, 0, 0}, 0, 0, 0, 0, 0, 1.0, 1.0, 0.0, {0, 0, {0}, {0}}};

ProcessState g_process = {};

namespace {

using pellam::kEnterMessage;
using pellam::kExitMessage;
using pellam::kUpdateMessage;
// Broadcasts wait at most this long for any one window.
constexpr UINT kBroadcastTimeoutMs = 1000;

bool ProcessAlive(DWORD processId) {
    winlib::ScopedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) return false;
    DWORD exitCode = 0;
    return ::GetExitCodeProcess(process.get(), &exitCode) && exitCode == STILL_ACTIVE;
}

// A later Install may set the hooks again once the earlier ones were
// removed, or once the Pellam that set them has gone: the shared state lives
// on while any process still maps the library.
bool HooksHeldElsewhere() {
    if (!g_shared.installed) return false;
    if (!g_shared.keyboardHook && !g_shared.messageHook) return false;
    return ProcessAlive(g_shared.companionProcessId);
}

UINT RegisteredMessage(UINT& cache, const char* name) {
    if (!cache) cache = ::RegisterWindowMessageA(name);
    return cache;
}

LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return ::CallNextHookEx(g_shared.messageHook, code, wParam, lParam);
    StartOnce();
    static UINT enter = 0, goodbye = 0;
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    UINT message = msg ? msg->message : 0;
    if (message == WM_DESTROY) LogLine(1, "%s, window killed", ExeNameOrUnknown());
    if (::InterlockedExchange(&g_process.saidHello, 1) == 0) {
        if (message == RegisteredMessage(enter, kEnterMessage))
            LogLine(1, "%s [%X] says hello..", ExeNameOrUnknown(), static_cast<unsigned>(g_process.processId));
    } else if (::InterlockedExchange(&g_process.saidGoodbye, 1) == 0) {
        if (message == RegisteredMessage(goodbye, kExitMessage))
            LogLine(1, "%s [%X] says you are the weakest link, goodbye..", ExeNameOrUnknown(),
                    static_cast<unsigned>(g_process.processId));
    }
    // Other programs' hooks keep working.
    return ::CallNextHookEx(g_shared.messageHook, code, wParam, lParam);
}

void NameProcess() {
    char path[260] = "";
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length >= sizeof path) length = sizeof path - 1;
    path[length] = '\0';
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == ':') name = p + 1;
    size_t i = 0;
    for (; name[i] && i < sizeof g_process.exeName - 1; ++i)
        g_process.exeName[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    g_process.exeName[i] = '\0';
}

BOOL ProcessAttach(HINSTANCE instance) {
    g_process.processId = ::GetCurrentProcessId();
    if (g_process.processId == g_shared.companionProcessId) return FALSE;
    g_process.savedGamma = g_process.savedContrast = 1.0;
    NameProcess();
    g_process.ownModule = ::GetModuleHandleA(pellam::kHookLibrary);
    if (!g_process.ownModule) g_process.ownModule = instance;
    LogLine(1, "Init %d %d %d %d", static_cast<int>(Setting(pellam::kDoGamma)),
            static_cast<int>(Setting(pellam::kDoSound)), static_cast<int>(Setting(pellam::kDoProfiles)),
            static_cast<int>(Setting(pellam::kDoOverclocking)));
    InitPatchTable();
    InstallFaultGuard();
    if (!g_process.exeName[0] || ::lstrcmpiA(g_process.exeName, "rundll32.exe") == 0)
        g_process.exeName[0] = '\0';
    return TRUE;
}

}  // namespace

}  // namespace pellamhook

using namespace pellamhook;

extern "C" __declspec(dllexport) int WINAPI Install(HWND companionWindow, HMODULE module,
                                                    const char* gammaText,
                                                    const pellam::CompanionSettings* settings) {
    bool readable = settings && RangeReadable(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(settings)),
                                              sizeof *settings);
    if (readable) {
        for (int i = 0; i < pellam::kSettingCount; ++i) g_shared.settings[i] = (*settings)[i];
        ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA(kUpdateMessage), 0, 0);
    }
    if (gammaText && RangeReadable(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(gammaText)), 1) &&
        gammaText[0]) {
        ParseGammaTriple(gammaText);
        return 0;
    }
    if (!readable || HooksHeldElsewhere()) return 0;
    g_shared.installed = 1;
    g_shared.companionProcessId = ::GetCurrentProcessId();
    g_shared.overclockResetEvent = (*settings)[pellam::kOverclockResetEvent];
    g_shared.profileResetEvent = (*settings)[pellam::kProfileResetEvent];
    g_shared.quitEvent = (*settings)[pellam::kQuitEvent];
    SetSharedGamma(pellam::GammaTriple{});
    g_shared.companionWindow = companionWindow;
    bool hooked = StartHookOwner(module, KeyboardProc, GetMessageProc);
    ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA(kEnterMessage), 0, 0);
    StartEndWatcher();
    return hooked ? 1 : 0;
}

extern "C" __declspec(dllexport) int WINAPI Uninstall(HWND, HMODULE, const char*, const void*) {
    SetSharedGamma(pellam::GammaTriple{});
    ApplyGammaRamp(false);
    g_shared.companionWindow = nullptr;
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, ::RegisterWindowMessageA(kExitMessage), 0, 0,
                          SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, &ignored);
    ::Sleep(5000);
    EndHookOwner();
    StopEndWatcher();
    return 0;
}

// Pellam's process, when the configuration changed or cannot be watched.
extern "C" __declspec(dllexport) void WINAPI RenewProgramNames(BOOL watched) {
    pellamhook::RenewProgramNames(watched != FALSE);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return ProcessAttach(instance);
    case DLL_THREAD_ATTACH:
        LogLine(2, "Thread attached to %s", ExeNameOrUnknown());
        break;
    case DLL_THREAD_DETACH:
        LogLine(2, "Thread detached from %s", ExeNameOrUnknown());
        break;
    case DLL_PROCESS_DETACH:
        if (g_process.started) EndSequence(reserved != nullptr);
        RemoveFaultGuard();
        break;
    }
    return TRUE;
}
