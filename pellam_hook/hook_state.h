// The hook library's state: what all processes share (one copy in a shared
// data section) and what each process keeps for itself.
#pragma once

#include <windows.h>

#include "companion_settings.h"
#include "scoped.h"
#include "gamma_triple.h"
#include "hot_key_rules.h"

#include <cstdint>

namespace pellamhook {

class VolumeControl;

// Pellam's lists of excluded programs and of programs with stored values
// (see program_names.h). 'sequence' is odd while Pellam writes them.
struct SharedProgramNames {
    LONG sequence;
    LONG known;
    char excluded[4096];
    char stored[8192];
};

// One instance for every process that has the library mapped. Written from
// many processes at once without a lock: single aligned stores only.
struct SharedState {
    HWND companionWindow;
    HHOOK keyboardHook;
    HHOOK messageHook;
    pellam::CompanionSettings settings;
    ModifierState modifiers;  // ctrlDown, shiftDown, winDown
    uint8_t installed;
    uint32_t companionProcessId;
    uint32_t overclockResetEvent;  // handle values valid in Pellam's process only
    uint32_t profileResetEvent;
    uint32_t quitEvent;
    double gamma;
    double contrast;
    double brightness;
    SharedProgramNames names;
};
extern SharedState g_shared;

// One row of the import patch table.
struct PatchEntry {
    const char* module;
    const char* function;
    void* replacement;
    uint32_t saved;
    uint32_t slot;
    uint8_t patched;
    uint8_t attempted;
};
constexpr int kPatchCount = 9;
enum PatchIndex {
    kPatchChangeDisplaySettingsA,
    kPatchChangeDisplaySettingsW,
    kPatchSetDeviceGammaRamp,
    kPatchCreateProcessA,
    kPatchCreateProcessW,
    kPatchShellExecuteA,
    kPatchShellExecuteW,
    kPatchShellExecuteExA,
    kPatchShellExecuteExW,
};

// The library's state in one process.
struct ProcessState {
    char exeName[260];  // lower case, no path; empty: the process is left alone
    HMODULE ownModule;
    DWORD processId;
    bool isGame;
    bool mayHaveValues;  // the shared lists do not rule out stored values
    bool gammaApplied;
    double savedGamma, savedContrast, savedBrightness;
    bool profileApplied, overclockApplied;
    // Pellam's reset events, duplicated into this process for its end.
    winlib::ScopedHandle profileResetEvent, overclockResetEvent;
    VolumeControl* volume;
    DWORD savedVolume;
    bool soundApplied;
    bool desktopChanged;
    DEVMODEA savedDesktop;
    LONG saidHello, saidGoodbye;
    LONG started;  // the start sequence has begun in this process
    LONG callsInside;  // threads inside a replacement of a patched function
    bool keptLoaded;   // the library stays until the process ends
    PatchEntry patches[kPatchCount];
};
extern ProcessState g_process;

inline uint32_t Setting(int index) { return g_shared.settings[index]; }
inline const char* ExeNameOrUnknown() { return g_process.exeName[0] ? g_process.exeName : "???"; }
// Pellam's own process once it has installed the hooks.
inline bool InCompanionProcess() {
    return g_shared.companionProcessId != 0 && g_process.processId == g_shared.companionProcessId;
}
}  // namespace pellamhook
