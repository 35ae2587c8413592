// What happens around a program's life: at its start its stored gamma and
// volume are applied, games may get an 800x600 desktop, and its auto-profile
// and overclocking commands run through Pellam before it goes on; at its end
// each is undone and Pellam is told to run the matching "Reset" commands.
#include "game_actions.h"

#include "end_actions.h"
#include "end_watcher.h"
#include "guarded_memory.h"
#include "gamma_control.h"
#include "hook_log.h"
#include "hook_state.h"
#include "import_patching.h"
#include "program_names.h"
#include "scoped.h"
#include "searched_modules.h"
#include "volume_control.h"

#include "companion_messages.h"
#include "companion_registry.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace pellamhook {
namespace {

const char* const kGameLibraries[] = {"DSound.dll", "DSound3d.dll", "DDraw.dll",
                                      "D3D8.dll",   "D3Dim700.dll", "Dplayx.dll"};
constexpr size_t kGameValueBytes = 260;
constexpr DWORD kCompanionAccess = PROCESS_DUP_HANDLE | STANDARD_RIGHTS_REQUIRED;  // 0xF0040
constexpr DWORD kEventAccess = 0xF0002;

// Read only for programs that may have values stored: most have none.
std::optional<std::string> GameValue(const char* key) {
    if (!g_process.mayHaveValues) return std::nullopt;
    return pellam::ReadCompanionText(key, g_process.exeName, kGameValueBytes);
}

BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM found) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Waits for the command's process while still taking the messages other
// threads send to this one, as a waiting SendMessage would.
void WaitForCommand(HANDLE process) {
    for (;;) {
        DWORD result = ::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1) return;
        MSG ignored;
        ::PeekMessageA(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Pellam starts the command and hands this process a handle to the
// command's process, so the program waits for its own command only; when
// it cannot (this thread has no window to name the process by), Pellam
// waits itself and answers 1.
void SendCommand(const std::string& commandLine) {
    HWND companion = g_shared.companionWindow;
    if (!companion) return;
    HWND own = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeFirstWindow, reinterpret_cast<LPARAM>(&own));
    COPYDATASTRUCT data{};
    data.dwData = pellam::kCopyCommand;
    data.cbData = static_cast<DWORD>(commandLine.size() + 1);
    data.lpData = const_cast<char*>(commandLine.c_str());
    LRESULT answer = ::SendMessageA(companion, WM_COPYDATA, reinterpret_cast<WPARAM>(own),
                                    reinterpret_cast<LPARAM>(&data));
    if (answer == 0 || answer == 1) return;
    winlib::ScopedHandle process(reinterpret_cast<HANDLE>(answer));
    WaitForCommand(process.get());
}

winlib::ScopedHandle DuplicateResetEvent(HANDLE companion, uint32_t event) {
    HANDLE copy = nullptr;
    if (!::DuplicateHandle(companion, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(event)),
                           ::GetCurrentProcess(), &copy, kEventAccess, FALSE, DUPLICATE_SAME_ACCESS))
        copy = nullptr;
    LogError(copy ? 0 : ::GetLastError());
    return winlib::ScopedHandle(copy);
}

bool SameName(const char* a, const char* b) { return a && ::lstrcmpiA(a, b) == 0; }

bool IsGameLibrary(const std::string& name) {
    for (const char* library : kGameLibraries)
        if (SameImportName(name, library)) return true;
    return false;
}

// Whether a game library is among the imports of the module, or with
// 'recursive' of the modules it imports; one walk looks for all of them.
bool SearchImports(const char* moduleName, bool recursive, int depth, SearchedModules& searched) {
    HMODULE base = ::GetModuleHandleA(moduleName);
    uint32_t address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(base));
    if (depth > 4 || !base || SameName(moduleName, "KERNEL32.dll") || SameName(moduleName, "MSVCRT.dll") ||
        !RangeReadable(address, 64))
        return false;
    if (!searched.FirstVisit(address, depth)) return false;
    uint32_t first = GetImportDescriptor(base);
    if (!first) return false;
    LogLine(2, "%s[%d]=>lib: %s", g_process.exeName, depth, moduleName ? moduleName : "Null");
    ProcessMemory memory;
    ImportedModule imported;
    int nextDepth = depth;
    for (uint32_t index = 0; ImportedModuleAt(memory, address, first, index, imported); ++index) {
        if (IsGameLibrary(imported.name)) return true;
        if (recursive && SearchImports(imported.name.c_str(), recursive, nextDepth, searched)) return true;
        ++nextDepth;
    }
    return false;
}

bool IsGameProcess() {
    SearchedModules searched;
    return SearchImports(nullptr, true, 0, searched);
}

// A game's 800x600 desktop; the mode of before is kept for its end.
void SwitchToGameDesktop() {
    g_process.desktopChanged = false;
    DEVMODEA& saved = g_process.savedDesktop;
    saved = DEVMODEA{};
    saved.dmSize = sizeof saved;
    if (!::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &saved)) return;
    saved.dmFields |= DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    DWORD number = 0;
    for (;; ++number) {
        if (!::EnumDisplaySettingsA(nullptr, number, &mode)) return;
        if (mode.dmPelsWidth >= 800 && mode.dmPelsHeight >= 600 && mode.dmBitsPerPel == saved.dmBitsPerPel)
            break;
    }
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (::ChangeDisplaySettingsA(&mode, CDS_TEST) != DISP_CHANGE_SUCCESSFUL) return;
    if (::ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return;
    LogLine(1, "Desktop set to 800x600");
    g_process.desktopChanged = true;
}

void RunStartActions() {
    g_process.mayHaveValues = MayHaveStoredValues(g_process.exeName);
    if (Setting(pellam::kPatch) && !InCompanionProcess()) ApplyPatches(true);
    LogLine(1, "\nAttached to %s", g_process.exeName);
    if (IsGameProcess()) {
        g_process.isGame = true;
        LogLine(1, "Looks like a game to me..");
    }
    if (Setting(pellam::kDoGamma)) {
        if (std::optional<std::string> text = GameValue(pellam::kGameGammaKey)) {
            g_process.savedGamma = g_shared.gamma;
            g_process.savedContrast = g_shared.contrast;
            g_process.savedBrightness = g_shared.brightness;
            g_process.gammaApplied = ParseGammaTriple(text->c_str());
            LogLine(1, "Setting Gamma(%s)=%s", g_process.exeName, text->c_str());
        }
    }
    // The mixer is opened only for a stored volume here, else at the first
    // volume key (see ProcessVolume).
    if (Setting(pellam::kDoSound)) {
        if (std::optional<std::string> text = GameValue(pellam::kGameSoundKey)) {
            ProcessVolume().SetVolume(static_cast<DWORD>(std::strtoul(text->c_str(), nullptr, 10)));
            g_process.soundApplied = true;
            LogLine(1, "Setting Sound(%s)=%s", g_process.exeName, text->c_str());
        }
    }
    if (g_process.isGame && Setting(pellam::kDoDesktopDisplayChange)) SwitchToGameDesktop();
    if (Setting(pellam::kDoProfiles)) {
        if (std::optional<std::string> command = GameValue(pellam::kGameProfileKey)) {
            SendCommand(*command);
            g_process.profileApplied = true;
        }
    }
    if (Setting(pellam::kDoOverclocking)) {
        if (std::optional<std::string> command = GameValue(pellam::kGameOverclockingKey)) {
            SendCommand(*command);
            g_process.overclockApplied = true;
        }
    }
    if (!g_process.profileApplied && !g_process.overclockApplied) return;
    winlib::ScopedHandle companion(::OpenProcess(kCompanionAccess, FALSE, g_shared.companionProcessId));
    if (!companion) return;
    LogError(::GetLastError());
    LogLine(2, "pid = %u, %u, %d", static_cast<unsigned>(g_shared.companionProcessId),
            static_cast<unsigned>(g_shared.profileResetEvent), static_cast<int>(g_shared.overclockResetEvent));
    if (g_process.profileApplied)
        g_process.profileResetEvent = DuplicateResetEvent(companion.get(), g_shared.profileResetEvent);
    if (g_process.overclockApplied)
        g_process.overclockResetEvent = DuplicateResetEvent(companion.get(), g_shared.overclockResetEvent);
}

}  // namespace

VolumeControl& ProcessVolume() {
    if (!g_process.volume) {
        g_process.volume = new VolumeControl;
        g_process.savedVolume = g_process.volume->GetVolume();
    }
    return *g_process.volume;
}

// The start sequence waits for Pellam's commands and may load the mixer, so
// it runs on the first hook call in the process rather than under the loader
// lock of process attach; the program still gets no message before it ends.
void StartOnce() {
    if (!g_process.exeName[0] || InCompanionProcess()) return;
    if (::InterlockedExchange(&g_process.started, 1) != 0) return;
    if (Excluded(g_process.exeName)) {
        LogLine(2, "%s is excluded", g_process.exeName);
        g_process.exeName[0] = '\0';
        return;
    }
    RunStartActions();
    RecordStartActions();
}

void EndSequence(bool processEnding) {
    WithdrawStartActions();
    if (g_process.exeName[0]) LogLine(1, "Detaching from %s\n", g_process.exeName);
    EndActions actions;
    actions.gamma = g_process.gammaApplied;
    actions.savedGamma = pellam::GammaTriple{g_process.savedGamma, g_process.savedContrast,
                                             g_process.savedBrightness};
    actions.sound = g_process.soundApplied && g_process.volume;
    actions.savedVolume = g_process.savedVolume;
    actions.desktop = g_process.desktopChanged;
    actions.savedDesktop = g_process.savedDesktop;
    actions.profile = g_process.profileApplied;
    actions.profileReset = g_process.profileResetEvent.get();
    actions.overclock = g_process.overclockApplied;
    actions.overclockReset = g_process.overclockResetEvent.get();
    CarryOutEndActions(actions, g_process.exeName, EndLog::EachAction);

    g_process.gammaApplied = g_process.soundApplied = g_process.desktopChanged = false;
    g_process.profileApplied = g_process.overclockApplied = false;
    g_process.profileResetEvent.reset();
    g_process.overclockResetEvent.reset();
    delete g_process.volume;
    g_process.volume = nullptr;
    if (Setting(pellam::kPatch) && Setting(pellam::kUnPatch) && !InCompanionProcess() && ApplyPatches(false) &&
        !processEnding)
        WaitForReplacementCalls();
    if (g_process.exeName[0]) LogLine(1, "Detached from %s\n", g_process.exeName);
}

}  // namespace pellamhook
