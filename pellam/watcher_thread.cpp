// The worker thread: blocks on the reset and quit events and on the
// registry watches, so an idle Pellam uses no processor time.
#include "companion.h"
#include "companion_registry.h"

#include "res/pellam_resource.h"

#include <mmsystem.h>

namespace pellam {
namespace {

struct Watch {
    HANDLE event = nullptr;
    winlib::RegistryKey key;
};

void Close(Watch& watch) {
    watch.key.Close();
    if (watch.event) ::CloseHandle(watch.event);
    watch.event = nullptr;
}

// Arms a notification of value changes directly in 'path' (not its
// subkeys); re-arming reuses the event. On failure the watch is closed.
bool WatchKey(Watch& watch, const char* path) {
    if (!watch.event) watch.event = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    watch.key.Close();
    if (watch.event && watch.key.Open(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS) == ERROR_SUCCESS &&
        watch.key.NotifyChange(watch.event, REG_NOTIFY_CHANGE_LAST_SET) == ERROR_SUCCESS)
        return true;
    Close(watch);
    return false;
}

void RunReset(const char* keyPath) {
    std::optional<std::string> command = ReadCompanionText(keyPath, kResetValue, kCommandBytes);
    if (command) RunCommand(*command, false);
}

}  // namespace

DWORD WINAPI WatcherThread(void*) {
    Companion& c = g_companion;
    LogLine(2, "Starting thread...");
    Watch settingsWatch, overclockerWatch;
    if (c.extras.doRadeonOverclockingOnRegChange) WatchKey(overclockerWatch, kOverclockerKey);
    WatchKey(settingsWatch, kSuiteKey);

    for (;;) {
        // The wait set in its fixed order; a watch that is not armed is left out.
        HANDLE objects[5];
        enum Source { ProfileReset, OverclockReset, Quit, SettingsKey, OverclockerKey } sources[5];
        DWORD count = 0;
        auto add = [&](HANDLE handle, Source source) {
            if (!handle) return;
            objects[count] = handle;
            sources[count++] = source;
        };
        add(c.profileResetEvent, ProfileReset);
        add(c.overclockResetEvent, OverclockReset);
        add(c.quitEvent, Quit);
        add(settingsWatch.event, SettingsKey);
        add(overclockerWatch.event, OverclockerKey);

        DWORD result = ::WaitForMultipleObjects(count, objects, FALSE, INFINITE);
        if (result >= WAIT_OBJECT_0 + count) break;  // failed wait: nothing left to serve
        LogLine(2, "Incoming signal");
        Source fired = sources[result - WAIT_OBJECT_0];
        if (fired == Quit) break;
        switch (fired) {
            case ProfileReset:
                RunReset(kGameProfileKey);
                ::ResetEvent(c.profileResetEvent);
                break;
            case OverclockReset:
                RunReset(kGameOverclockingKey);
                ::ResetEvent(c.overclockResetEvent);
                break;
            case SettingsKey:
                LoadConfiguration();
                RefreshHookSettings();
                WatchKey(settingsWatch, kSuiteKey);
                break;
            case OverclockerKey:
                ApplyStoredClocks();
                WatchKey(overclockerWatch, kOverclockerKey);
                break;
            default:
                break;
        }
    }

    Close(overclockerWatch);
    Close(settingsWatch);
    ::PlaySoundA(MAKEINTRESOURCEA(IDR_CLOSING_SOUND), c.instance,
                 SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
    UnloadHookLibrary();
    LogLine(2, "Ending thread...");
    ::SendMessageA(c.window, WM_QUIT, 0, 0);
    return 0;
}

}  // namespace pellam
