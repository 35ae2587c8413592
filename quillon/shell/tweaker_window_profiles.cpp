// The Profiles menu: one item per profile file, applied when chosen.
#include "tweaker_window.h"

#include "file_names.h"
#include "find_files.h"
#include "menu_text.h"
#include "profile_dialog.h"
#include "profile_file.h"

namespace {
// The "&Profiles" popup of the menu bar.
constexpr int kProfilesMenuPosition = 3;
}  // namespace

void CTweakerWindow::FillProfilesMenu() {
    profileNames_.clear();
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("Profiles\\*.qlp"))
        AppendProfileItem(ProfileMenuText(found.cFileName));
}

void CTweakerWindow::AppendProfileItem(const std::string& name) {
    // Commands past the last ID would reach no profile.
    const int count = profileCount();
    if (kFirstProfileCommand + count > kLastProfileCommand) return;
    HMENU profiles = ::GetSubMenu(::GetMenu(m_hWnd), kProfilesMenuPosition);
    if (!profiles) return;
    if (count == 0) ::AppendMenuA(profiles, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(profiles, MF_STRING, kFirstProfileCommand + count, EscapeMenuText(name).c_str());
    profileNames_.push_back(name);
}

void CTweakerWindow::ApplyProfileItem(WORD id) {
    size_t index = static_cast<size_t>(id - kFirstProfileCommand);
    if (index >= profileNames_.size()) return;
    ApplyProfile(ProfilePath(profileNames_[index]), &tabs_, m_hWnd);
}

void CTweakerWindow::CreateProfile() {
    ProfileDialog dialog(*this);
    dialog.DoModal();
}
