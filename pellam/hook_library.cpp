#include "companion.h"
#include "exports.h"

namespace pellam {

bool LoadHookLibrary() {
    Companion& c = g_companion;
    // Found through the normal search path: both files lie in the system
    // directory once Quillon has installed them.
    c.hookLibrary.reset(::LoadLibraryA(kHookLibrary));
    c.install = winlib::GetExport<HookEntry>(c.hookLibrary.get(), "Install");
    c.uninstall = winlib::GetExport<HookEntry>(c.hookLibrary.get(), "Uninstall");
    c.renewProgramNames = winlib::GetExport<NamesEntry>(c.hookLibrary.get(), "RenewProgramNames");
    if (c.install && c.uninstall &&
        c.install(c.window, c.hookLibrary.get(), nullptr, &c.settings) != 0) {
        // The watcher may have armed its watch before the library was here.
        RenewProgramNames(c.programNamesWatched);
        return true;
    }
    c.hookLibrary.reset();
    c.install = c.uninstall = nullptr;
    c.renewProgramNames = nullptr;
    return false;
}

void ApplyGammaText(const char* text) {
    HookEntry install = g_companion.install;
    if (install) install(g_companion.window, nullptr, text, nullptr);
}

void RefreshHookSettings() {
    HookEntry install = g_companion.install;
    if (install) install(nullptr, nullptr, nullptr, &g_companion.settings);
}

void RenewProgramNames(bool watched) {
    g_companion.programNamesWatched = watched;
    NamesEntry renew = g_companion.renewProgramNames;
    if (renew) renew(watched ? TRUE : FALSE);
}

void UnloadHookLibrary() {
    Companion& c = g_companion;
    if (c.uninstall) c.uninstall(c.window, nullptr, nullptr, nullptr);
    c.renewProgramNames = nullptr;
    c.hookLibrary.reset();
    c.install = c.uninstall = nullptr;
}

}  // namespace pellam
