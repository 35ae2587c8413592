#include "tweaker_app.h"

#include "app_messages.h"
#include "command_line.h"
#include "file_names.h"
#include "profile_file.h"
#include "program_folder.h"
#include "tweaker_window.h"

#include <commctrl.h>

#include <string>

CTweakerApp::CTweakerApp() = default;
CTweakerApp::~CTweakerApp() = default;

namespace {

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

// The game whose start runs this "Profile=", as Pellam names it for a game
// whose profile is undone when it ends.
std::string JournalTag() {
    char tag[261] = "";
    DWORD length = ::GetEnvironmentVariableA("QUILLON_JOURNAL_TAG", tag, sizeof tag);
    return length > 0 && length < sizeof tag ? std::string(tag, length) : std::string();
}

}  // namespace

bool CTweakerApp::InitInstance() {
    winlib::EnterProgramFolder();
    // "Profile=<name>" applies that profile to the registry and ends: no
    // window, no hand-over, messages without an owner.
    ProfileRequest profile = FindProfileRequest(m_lpCmdLine);
    if (profile.present) {
        // The exit code tells a launcher whether the profile took: 0 applied,
        // 1 a value could not be written, 2 no such profile, a damaged one,
        // or no journal to record it in.
        ProfileResult result = profile.name.empty()
                                   ? ProfileResult::NotFound
                                   : ApplyProfile(ProfilePath(profile.name), nullptr, nullptr, JournalTag());
        exitCode_ = result == ProfileResult::Applied ? 0 : result == ProfileResult::NotWritten ? 1 : 2;
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
