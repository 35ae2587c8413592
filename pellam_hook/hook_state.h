// The hook library's state: what all processes share (one copy in a shared
// data section) and what each process keeps for itself, with the log and the
// operations the library's parts call on each other.
#pragma once

#include <windows.h>

#include "companion_settings.h"
#include "gamma_triple.h"
#include "hot_key_rules.h"

#include <cstdint>

namespace pellamhook {

class VolumeControl;

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
    bool gammaApplied;
    double savedGamma, savedContrast, savedBrightness;
    bool profileApplied, overclockApplied;
    HANDLE profileResetEvent, overclockResetEvent;
    VolumeControl* volume;
    DWORD savedVolume;
    bool soundApplied;
    bool desktopChanged;
    DEVMODEA savedDesktop;
    LONG saidHello, saidGoodbye;
    LONG started;  // the start sequence has begun in this process
    PatchEntry patches[kPatchCount];
};
extern ProcessState g_process;

inline uint32_t Setting(int index) { return g_shared.settings[index]; }
inline const char* ExeNameOrUnknown() { return g_process.exeName[0] ? g_process.exeName : "???"; }
// Pellam's own process once it has installed the hooks.
inline bool InCompanionProcess() {
    return g_shared.companionProcessId != 0 && g_process.processId == g_shared.companionProcessId;
}
pellam::GammaTriple SharedGamma();
void SetSharedGamma(const pellam::GammaTriple& triple);

// "c:\Pellam.txt", appended to; a line is written when its level is at most
// the shared Debug setting.
void LogLine(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));
// A non-zero Windows error as "(%d)=>%s" with its system text, at level 2.
void LogError(DWORD error);

// Import patching.
bool ApplyPatches(bool install);
void InitPatchTable();
// SetDeviceGammaRamp through the entry point saved by patching, if any.
BOOL SetRampThroughSaved(HDC dc, void* ramp);

// Gamma ramp.
bool ParseGammaTriple(const char* text);
bool ApplyGammaRamp(bool store);

// Game start and end. StartOnce runs the start sequence on the first hook
// call in a process that is not left alone.
void StartOnce();
void StartSequence();
void EndSequence();

// The keyboard hook procedure.
LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace pellamhook
