// Pellam's process-wide state and the pieces of the program that use it.
// Plain Win32: the main thread owns the hidden window, the worker thread
// waits on events and registry watches.
#pragma once

#include <windows.h>

#include "companion_messages.h"
#include "companion_settings.h"
#include "scoped.h"

#include <atomic>
#include <string>

namespace pellam {

// Install(companionWindow, module, gammaText, settings); Uninstall takes the
// same four 32-bit arguments and ignores them.
using HookEntry = int(WINAPI*)(HWND, HMODULE, const char*, const CompanionSettings*);
// RenewProgramNames(watched): the library reads the lists of excluded
// programs and of programs with stored values again; optional.
using NamesEntry = void(WINAPI*)(BOOL);

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
    // Set by the main thread when it loads the library, used by the watcher.
    std::atomic<NamesEntry> renewProgramNames{nullptr};
    // Whether the watcher holds a watch on the configuration: only then may
    // programs trust the library's lists.
    std::atomic<bool> programNamesWatched{false};
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
// While Pellam watches the configuration, the library's lists stay current.
void RenewProgramNames(bool watched);
void UnloadHookLibrary();

// Starts a stored command; with 'wait', returns when its process has ended.
void RunCommand(const std::string& commandLine, bool wait);
// A program's start command (WM_COPYDATA 2): started at once, and the
// sender's process gets a handle to the command's process to wait on, so
// each program waits for its own command only while Pellam goes on
// answering. The handle value, or 1 when Pellam waited itself (no sender
// window, or the handle could not be given) or nothing was started.
LRESULT RunCommandFor(HWND sender, const std::string& commandLine);
// The game's executable name when its auto-profile is to be undone at its
// end (with the command that does it in 'undoCommand'), else empty.
std::string GameToUndoAtEnd(DWORD processId, const std::string& startCommand, std::string& undoCommand);
// Runs 'undoCommand' once the process has ended.
void UndoAtEnd(DWORD processId, const std::string& exeName, const std::string& undoCommand);
// The environment variable that tags the journal entry a start command
// makes with the game's name.
constexpr char kJournalTagVariable[] = "QUILLON_JOURNAL_TAG";
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
