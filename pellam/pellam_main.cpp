// Pellam's start-up and shutdown: one instance per logon, the hidden window,
// the splash, the configuration, the events, the worker thread and the hook
// library, then the message loop until something asks Pellam to quit.
#include "command_split.h"
#include "companion.h"
#include "companion_registry.h"
#include "scoped.h"

namespace pellam {

Companion g_companion;

namespace {

// A second start hands its command line (also an empty one) to the running
// instance, which applies it as a gamma triple.
void ForwardToRunningInstance(const std::string& commandLine) {
    HWND running = ::FindWindowA(kWindowClass, kWindowTitle);
    if (!running) return;
    COPYDATASTRUCT data{};
    data.dwData = kCopyGammaText;
    data.cbData = static_cast<DWORD>(commandLine.size() + 1);
    data.lpData = const_cast<char*>(commandLine.c_str());
    ::SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

HANDLE CreateResetEvent() { return ::CreateEventA(nullptr, FALSE, FALSE, nullptr); }

void StartClocks() {
    Companion& c = g_companion;
    c.disableMemorySettings = ReadCompanionNumber(kOverclockerKey, {kDisableMemorySettingsValue, 0});
    if (c.firstRunThisSession) StoreDefaultClocks();
    if (::GetSystemMetrics(SM_CLEANBOOT) != 0)
        LogLine(1, "SafeMode, ignoring overclocked settings.");
    else
        ApplyStoredClocks();
}

int Run(HINSTANCE instance, const std::string& commandLine) {
    Companion& c = g_companion;
    c.instance = instance;
    // The atom lives until the user logs off: default clocks are read only
    // on the first start of a session.
    c.firstRunThisSession = ::GlobalFindAtomA(kSessionAtom) == 0;
    if (c.firstRunThisSession) ::GlobalAddAtomA(kSessionAtom);

    winlib::ScopedHandle mutex(::CreateMutexA(nullptr, TRUE, kMutexName));
    // Any error here is taken as another instance, as it always was; the
    // usual one is ERROR_ALREADY_EXISTS.
    if (::GetLastError() != 0) {
        ForwardToRunningInstance(commandLine);
        return 0;
    }

    RegisterCompanionClass(instance);
    c.window = ::CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kWindowTitle, WS_POPUP, 0, 0, 0,
                                 0, nullptr, nullptr, instance, nullptr);
    if (!c.window) {
        ::MessageBoxA(nullptr, "NoWindow!", "Oops!", MB_ICONERROR);
        return 0;
    }

    ShowSplash(instance);
    LoadConfiguration();
    LogLine(1, "Starting Pellam..");
    if (c.extras.doRadeonOverclocking) StartClocks();

    // Held here until the end; the block and the worker use their values.
    winlib::ScopedHandle profileReset(CreateResetEvent()), overclockReset(CreateResetEvent()),
        quit(CreateResetEvent());
    c.profileResetEvent = profileReset.get();
    c.overclockResetEvent = overclockReset.get();
    c.quitEvent = quit.get();
    c.settings[kProfileResetEvent] = static_cast<uint32_t>(reinterpret_cast<ULONG_PTR>(c.profileResetEvent));
    c.settings[kOverclockResetEvent] = static_cast<uint32_t>(reinterpret_cast<ULONG_PTR>(c.overclockResetEvent));
    c.settings[kQuitEvent] = static_cast<uint32_t>(reinterpret_cast<ULONG_PTR>(c.quitEvent));
    LogLine(2, "%d", static_cast<int>(c.settings[kProfileResetEvent]));
    LogLine(2, "%d", static_cast<int>(c.settings[kOverclockResetEvent]));
    LogLine(2, "%d", static_cast<int>(c.settings[kQuitEvent]));

    winlib::ScopedHandle worker(::CreateThread(nullptr, 0, WatcherThread, nullptr, 0, nullptr));
    bool installed = LoadHookLibrary();
    if (!worker || !installed) {
        ::MessageBoxA(c.window, "Didn't install", "Pellam", MB_OK);
        ::PostMessageA(c.window, WM_QUIT, 0, 0);
    } else if (!commandLine.empty()) {
        ApplyGammaText(commandLine.c_str());
    }

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);

    ::DestroyWindow(c.window);
    ::SetEvent(c.quitEvent);
    if (worker)
        ::WaitForSingleObject(worker.get(), 5000);
    else
        UnloadHookLibrary();  // the worker would have done it
    LogLine(1, "Ending Pellam..");
    return 0;
}

}  // namespace
}  // namespace pellam

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return pellam::Run(instance, pellam::TrimLeadingBlanks(commandLine ? commandLine : ""));
}
