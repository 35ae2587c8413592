// Pellam's process-wide state and the pieces of the program that use it.
// Plain Win32: the main thread owns the hidden window, the worker thread
// waits on events and registry watches.
#pragma once

#include <windows.h>

#include "companion_messages.h"
#include "companion_settings.h"
#include "scoped.h"

#include <string>

namespace pellam {

// Install(companionWindow, module, gammaText, settings); Uninstall takes the
// same four 32-bit arguments and ignores them.
using HookEntry = int(WINAPI*)(HWND, HMODULE, const char*, const CompanionSettings*);

struct Companion {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    // Written by the worker when the configuration changes while the main
    // thread may read it: single aligned 32-bit stores.
    CompanionSettings settings{};
    ExtraNumbers extras;
    uint32_t disableMemorySettings = 0;
    HANDLE profileResetEvent = nullptr;
    HANDLE overclockResetEvent = nullptr;
    HANDLE quitEvent = nullptr;
    winlib::ScopedLibrary hookLibrary;
    HookEntry install = nullptr;
    HookEntry uninstall = nullptr;
    bool firstRunThisSession = false;
    volatile LONG quit = 0;
};
extern Companion g_companion;

// Names other programs find Pellam by (the window's are in the schema header).
constexpr char kMutexName[] = "Pellam";
constexpr char kSessionAtom[] = "Pellam was here..";

// The log "c:\Pellam.txt": a line of 'level' is written when the level is
// at most Debug. The first line of a run empties the file.
void LogLine(int level, const char* format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Reads the main key into the block and beside it, logging each number.
void LoadConfiguration();

// The hook library: loaded and installed at start, refreshed when the
// configuration changes, handed gamma triples, unloaded by the worker.
bool LoadHookLibrary();
void ApplyGammaText(const char* text);
void RefreshHookSettings();
void UnloadHookLibrary();

// Starts a stored command; with 'wait', returns when its process has ended.
void RunCommand(const std::string& commandLine, bool wait);
// Re-applies the stored refresh rate of the current desktop mode.
void ApplyRefreshOverride();
// The stored Radeon clocks ("CurrentSettings"), when there are any.
void ApplyStoredClocks();
// Stores the running clocks as "FactorySettings".
void StoreDefaultClocks();

bool RegisterCompanionClass(HINSTANCE instance);
DWORD WINAPI WatcherThread(void*);
void ShowSplash(HINSTANCE instance);

}  // namespace pellam
