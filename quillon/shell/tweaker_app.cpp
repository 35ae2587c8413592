#include "tweaker_app.h"

#include "app_messages.h"
#include "command_line.h"
#include "file_names.h"
#include "profile_file.h"
#include "tweaker_window.h"

#include <commctrl.h>

#include <string>

CTweakerApp::CTweakerApp() = default;
CTweakerApp::~CTweakerApp() = default;

namespace {

// Every relative path of the program resolves against its own folder.
void EnterProgramFolder() {
    char path[256] = "";
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    std::string folder(path, length);
    size_t slash = folder.find_last_of('\\');
    if (slash == std::string::npos) return;
    folder.resize(slash);
    ::SetCurrentDirectoryA(folder.c_str());
}

// A running instance, also one hidden in the tray, is woken as if its tray
// icon had been clicked and brought to the front. False when none runs.
bool WakeRunningInstance() {
    HWND running = ::FindWindowA(nullptr, kMainWindowTitle);
    if (!running) return false;
    DWORD_PTR ignored = 0;
    // A hung first instance must not hang this start as well.
    ::SendMessageTimeoutA(running, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, 10000,
                          &ignored);
    ::SetForegroundWindow(running);
    return true;
}

}  // namespace

bool CTweakerApp::InitInstance() {
    EnterProgramFolder();
    // "Profile=<name>" applies that profile to the registry and ends: no
    // window, no hand-over, messages without an owner.
    ProfileRequest profile = FindProfileRequest(m_lpCmdLine);
    if (profile.present) {
        if (!profile.name.empty()) ApplyProfile(ProfilePath(profile.name), nullptr, nullptr);
        return false;
    }
    if (WakeRunningInstance()) return false;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);

    window_ = std::make_unique<CTweakerWindow>(m_hInstance, m_lpCmdLine);
    if (!window_->CreateFrame()) return false;
    m_pMainWnd = window_.get();
    return true;
}
