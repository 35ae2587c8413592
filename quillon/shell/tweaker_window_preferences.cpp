// The main window's side of the Preferences dialog and the companion's two
// dialogs: moving and deleting tabs, the animation, starting with Windows.
#include "tweaker_window.h"

#include "auto_profile_dialog.h"
#include "companion_install.h"
#include "hot_key_dialog.h"
#include "preferences_dialog.h"

#include <utility>

void CTweakerWindow::HideShownTab(int index) {
    std::unique_ptr<TabObject> tab = TakeShownTab(index);
    if (!tab) return;
    tabs_.AddHidden(std::move(tab));
    UpdateCommandState();
}

void CTweakerWindow::ShowHiddenTab(int index) {
    std::unique_ptr<TabObject> tab = tabs_.TakeHidden(index);
    if (!tab) return;
    TabObject* shown = tab.get();
    AddShownTab(std::move(tab));
    shown->Resize();
    if (tabs_.shownCount() == 1) {
        SelectTab(shown);
        UpdateCommandState();
    }
}

void CTweakerWindow::DeleteShownTab(int index) {
    TakeShownTab(index);  // destroyed here
    UpdateCommandState();
}

void CTweakerWindow::DeleteHiddenTab(int index) { tabs_.TakeHidden(index); }

void CTweakerWindow::ChooseAnimation(const std::string& file) {
    StopAnimation();
    StartAnimation(file);
    RelayoutFrame();
}

void CTweakerWindow::SetStartWithWindows(const std::string& path) {
    startCommand_ = path;
    WriteStartWithWindows(path);
}

void CTweakerWindow::OpenPreferences() {
    PreferencesDialog dialog(*this);
    dialog.DoModal();
}

void CTweakerWindow::OpenHotKeys() {
    HotKeyDialog dialog(m_hWnd);
    dialog.DoModal();
}

void CTweakerWindow::OpenAutoProfiles() {
    AutoProfileDialog dialog(m_hWnd);
    dialog.DoModal();
}
