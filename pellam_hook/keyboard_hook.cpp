// The keyboard hook: the hot keys for gamma, contrast, brightness, volume,
// quitting Pellam and forgetting the current game's stored values, in
// whichever program has the keyboard focus.
#include "keyboard_hook.h"

#include "game_actions.h"
#include "gamma_control.h"
#include "hook_log.h"
#include "hook_state.h"
#include "volume_control.h"

#include "companion_registry.h"
#include "scoped.h"

#include <cstdio>

namespace pellamhook {
namespace {

// Pellam's quit event, duplicated from its process into this one.
void SignalQuit() {
    winlib::ScopedHandle companion(::OpenProcess(PROCESS_DUP_HANDLE | STANDARD_RIGHTS_REQUIRED, FALSE,
                                                 g_shared.companionProcessId));
    LogError(companion ? 0 : ::GetLastError());
    winlib::ScopedHandle event;
    if (companion) {
        if (!::DuplicateHandle(companion.get(),
                               reinterpret_cast<HANDLE>(static_cast<uintptr_t>(g_shared.quitEvent)),
                               ::GetCurrentProcess(), event.receive(), 0, FALSE, DUPLICATE_SAME_ACCESS))
            event.reset();
        LogError(event ? 0 : ::GetLastError());
    }
    if (event) ::SetEvent(event.get());
}

void DeleteGameValue(const char* path) {
    winlib::RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, path, KEY_SET_VALUE) == ERROR_SUCCESS) key.DeleteValue(g_process.exeName);
}

}  // namespace

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return ::CallNextHookEx(g_shared.keyboardHook, code, wParam, lParam);
    StartOnce();
    if (code != HC_ACTION) return ::CallNextHookEx(g_shared.keyboardHook, code, wParam, lParam);
    uint32_t hotKey = TrackHotKeyCode(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam),
                                      g_shared.modifiers);
    HotKeyOutcome outcome = MatchHotKeys(hotKey, g_shared.settings, SharedGamma(),
                                         g_process.exeName[0] != '\0', Setting(pellam::kDoSound) != 0);
    if (outcome.quit) SignalQuit();
    if (outcome.forgetGame) {
        DeleteGameValue(pellam::kGameGammaKey);
        DeleteGameValue(pellam::kGameSoundKey);
    }
    if (outcome.gammaChanged) {
        SetSharedGamma(outcome.triple);
        ApplyGammaRamp(true);
    }
    if (outcome.sound != SoundStep::None) {
        VolumeControl& volume = ProcessVolume();
        if (outcome.sound == SoundStep::Up) volume.VolumeUp();
        else if (outcome.sound == SoundStep::Down) volume.VolumeDown();
        else volume.SetVolume(g_process.savedVolume);
        if (g_process.isGame && g_process.exeName[0] && Setting(pellam::kDoSound)) {
            char text[16];
            std::snprintf(text, sizeof text, "%d", static_cast<int>(volume.GetVolume()));
            pellam::WriteCompanionText(pellam::kGameSoundKey, g_process.exeName, text);
        }
    }
    if (outcome.Swallowed()) return 1;
    return ::CallNextHookEx(g_shared.keyboardHook, code, wParam, lParam);
}

}  // namespace pellamhook
