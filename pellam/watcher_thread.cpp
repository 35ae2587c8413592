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

// Arms a notification of value changes directly in 'path' (with 'subtree',
// also of values and keys below it); re-arming reuses the event. On failure
// the watch is closed.
bool WatchKey(Watch& watch, const char* path, bool subtree = false) {
    if (!watch.event) watch.event = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    watch.key.Close();
    DWORD filter = REG_NOTIFY_CHANGE_LAST_SET | (subtree ? REG_NOTIFY_CHANGE_NAME : 0);
    if (watch.event && watch.key.Open(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS) == ERROR_SUCCESS &&
        watch.key.NotifyChange(watch.event, filter, subtree) == ERROR_SUCCESS)
        return true;
    Close(watch);
    return false;
}

// The names of excluded programs and of programs with stored values, kept
// in the hook library's shared state for every program to look up; while
// they cannot be watched, programs read the registry themselves.
void WatchProgramNames(Watch& watch) {
    RenewProgramNames(WatchKey(watch, kSuiteKey, true));
}

void RunReset(const char* keyPath) {
    std::optional<std::string> command = ReadCompanionText(keyPath, kResetValue, kCommandBytes);
    if (command) RunCommand(*command, false);
}

}  // namespace

DWORD WINAPI WatcherThread(void*) {
    Companion& c = g_companion;
    LogLine(2, "Starting thread...");
    Watch settingsWatch, overclockerWatch, namesWatch;
    if (c.extras.doRadeonOverclockingOnRegChange) WatchKey(overclockerWatch, kOverclockerKey);
    WatchKey(settingsWatch, kSuiteKey);
    WatchProgramNames(namesWatch);

    for (;;) {
        // The wait set in its fixed order; a watch that is not armed is left out.
        HANDLE objects[6];
        enum Source { ProfileReset, OverclockReset, Quit, SettingsKey, OverclockerKey, ProgramNames } sources[6];
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
        add(namesWatch.event, ProgramNames);

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
            case ProgramNames:
                WatchProgramNames(namesWatch);
                break;
            default:
                break;
        }
    }

    Close(namesWatch);
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
