// The main window's tab bar, its context menu and the menu commands.
#include "tweaker_window.h"

#include "add_category_dialog.h"
#include "category.h"
#include "dialog.h"
#include "frame_rules.h"
#include "new_category.h"
#include "popup_menu.h"
#include "prompt.h"
#include "resource.h"
#include "restore_dialog.h"
#include "setting_list.h"

#include <windowsx.h>

#include <utility>

// Without a current tab no tab looks selected (the tab control selects the
// first tab it gets), so a click on any tab opens its page.
void CTweakerWindow::HighlightCurrentTab() { tabBar_.SetCurSel(tabs_.currentIndex()); }

void CTweakerWindow::SelectTab(TabObject* tab) {
    if (TabObject* old = tabs_.current()) old->Hide();
    tabs_.SetCurrent(tab);
    HighlightCurrentTab();
    // The new page may need another window size.
    RECT rect = GetWindowRect();
    RECT limited = rect;
    ::SendMessageA(m_hWnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&limited));
    if (!::EqualRect(&rect, &limited)) MoveWindow(limited);
    if (TabObject* current = tabs_.current()) current->Show();
}

void CTweakerWindow::AddShownTab(std::unique_ptr<TabObject> tab) {
    tabBar_.InsertItem(tabs_.shownCount(), tab->GetName());
    tabs_.AddShown(std::move(tab));
    HighlightCurrentTab();
}

int CTweakerWindow::HitTestTab(POINT screenPoint) {
    POINT point = screenPoint;
    ::ScreenToClient(tabBar_, &point);
    clickedTab_ = tabBar_.HitTest(point);
    return clickedTab_;
}

bool CTweakerWindow::OnNotify(NMHDR* header) {
    if (!header || header->hwndFrom != tabBar_.m_hWnd) return false;
    if (header->code == TCN_SELCHANGE) {
        OnTabSelected();
        return true;
    }
    if (header->code == static_cast<UINT>(NM_RCLICK)) {
        ShowTabMenu();
        return true;
    }
    return false;
}

void CTweakerWindow::OnTabSelected() {
    statusBar_.SetText(0, "");
    if (TabObject* tab = tabs_.ShownAt(tabBar_.GetCurSel())) SelectTab(tab);
    UpdateCommandState();
}

void CTweakerWindow::ShowTabMenu() {
    DWORD position = ::GetMessagePos();
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    int clicked = HitTestTab(point);
    TabObject* tab = tabs_.ShownAt(clicked);
    if (!tab) return;
    // The chosen command arrives as WM_COMMAND.
    TrackMenuEntries(m_hWnd,
                     BuildTabMenu(clicked, tabs_.shownCount(), tabs_.currentIndex(), tab->GetName()),
                     point, TPM_LEFTALIGN);
}

void CTweakerWindow::SwapShownTabs(int first, int second) {
    if (!tabs_.SwapShown(first, second)) return;
    tabBar_.SetItemText(first, tabs_.ShownAt(first)->GetName());
    tabBar_.SetItemText(second, tabs_.ShownAt(second)->GetName());
    // The highlight follows the current tab; the current tab stays the same.
    HighlightCurrentTab();
}

void CTweakerWindow::MoveClickedTab(int step) {
    SwapShownTabs(clickedTab_, clickedTab_ + step);
}

void CTweakerWindow::ExchangeClickedTab() {
    const int current = tabs_.currentIndex();
    if (current != clickedTab_) SwapShownTabs(clickedTab_, current);
}

std::unique_ptr<TabObject> CTweakerWindow::TakeShownTab(int index) {
    const bool wasCurrent = tabs_.current() == tabs_.ShownAt(index);
    std::unique_ptr<TabObject> tab = tabs_.TakeShown(index);
    if (!tab) return nullptr;
    tabBar_.DeleteItem(index);
    HighlightCurrentTab();
    if (!wasCurrent) return tab;
    tab->Hide();
    if (TabObject* next = tabs_.current()) next->Show();
    return tab;
}

void CTweakerWindow::HideClickedTab() { HideShownTab(clickedTab_); }

void CTweakerWindow::AddCategory() {
    AddCategoryDialog dialog(m_hWnd);
    if (dialog.DoModal() != IDOK) return;
    CategoryKey key;
    key.dynamic = dialog.dynamic;
    key.dllFile = dialog.dllFile;
    key.parameter = dialog.parameter;
    key.root = dialog.root;
    key.subKey = dialog.subKey;
    std::unique_ptr<Category> category = CreateNewCategory(dialog.name, key, m_hWnd);
    category->model().cardMask = dialog.cardMask;
    category->model().osMask = dialog.osMask;
    AttachSettingList(*category);
    Category* added = category.get();
    AddShownTab(std::move(category));
    SelectTab(added);
    UpdateCommandState();
}

void CTweakerWindow::EditCategory() {
    Category* category = currentCategory();
    if (!category) return;
    AddCategoryDialog dialog(m_hWnd, *category);
    if (dialog.DoModal() != IDOK) return;
    int index = tabs_.IndexOfShown(category);
    if (index >= 0) tabBar_.SetItemText(index, category->GetName());
}

void CTweakerWindow::RemoveCategory() {
    Category* category = currentCategory();
    int index = tabs_.IndexOfShown(category);
    if (!category || index < 0) return;
    std::string question = "Are you sure you want to remove the \"" + category->GetName() +
                           "\" tab and all it's settings?";
    if (CurrentPrompt().Ask(m_hWnd, question, "Confirm remove", MB_YESNO | MB_DEFBUTTON2) !=
        IDYES)
        return;
    TakeShownTab(index);  // deleted here
    UpdateCommandState();
}

void CTweakerWindow::AddSettingToCurrent(bool isString) {
    if (CSettingList* list = SettingListOf(tabs_.current())) list->AddSettingOfType(isString);
}

void CTweakerWindow::BackupCurrent() {
    if (Category* category = currentCategory()) BackupCategoryWithReport(m_hWnd, *category);
}

void CTweakerWindow::RestoreCurrent() {
    Category* category = currentCategory();
    if (!category) return;
    RestoreDialog dialog(m_hWnd, *category);
    dialog.DoModal();
}

void CTweakerWindow::ShowAbout() {
    winlib::CDialog about(IDD_ABOUT, m_hWnd);
    about.DoModal();
}

void CTweakerWindow::OnCommand(WORD id) {
    switch (id) {
    case ID_FILE_EXIT:
        PostMessage(WM_CLOSE);
        break;
    case ID_EDIT_ADD_CATEGORY:
        AddCategory();
        break;
    case ID_EDIT_EDIT_CATEGORY:
        EditCategory();
        break;
    case ID_EDIT_REMOVE_CATEGORY:
        RemoveCategory();
        break;
    case ID_EDIT_BACKUP_CATEGORY:
        BackupCurrent();
        break;
    case ID_EDIT_RESTORE_CATEGORY:
        RestoreCurrent();
        break;
    case ID_ADD_STRING_SETTING:
        AddSettingToCurrent(true);
        break;
    case ID_ADD_DWORD_SETTING:
        AddSettingToCurrent(false);
        break;
    case ID_HELP_ABOUT:
        ShowAbout();
        break;
    case ID_TAB_MOVE_LEFT:
        MoveClickedTab(-1);
        break;
    case ID_TAB_MOVE_RIGHT:
        MoveClickedTab(+1);
        break;
    case ID_TAB_EXCHANGE:
        ExchangeClickedTab();
        break;
    case ID_TAB_HIDE:
        HideClickedTab();
        break;
    case ID_FILE_IMPORT:
        ChooseAndImport();
        break;
    case ID_FILE_EXPORT_CURRENT:
        ExportDatabase(ExportScope::Current);
        break;
    case ID_FILE_EXPORT_SHOWN:
        ExportDatabase(ExportScope::Shown);
        break;
    case ID_FILE_EXPORT_ALL:
        ExportDatabase(ExportScope::All);
        break;
    case ID_PROFILES_CREATE:
        CreateProfile();
        break;
    case ID_PROFILES_AUTOPROFILES:
        OpenAutoProfiles();
        break;
    case ID_PROFILES_UNDO:
        UndoLastChange();
        break;
    case ID_PROFILES_PREVIEW:
        TogglePreview();
        break;
    case ID_OPTIONS_HOTKEYS:
        OpenHotKeys();
        break;
    case ID_OPTIONS_PREFERENCES:
        OpenPreferences();
        break;
    default:
        if (id >= kFirstProfileCommand && id <= kLastProfileCommand) ApplyProfileItem(id);
        break;
    }
}
