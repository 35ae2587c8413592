// The tab bar of the main window: selecting, moving, exchanging, hiding and
// removing tabs, the tab menu, and the category commands of the menu bar.
#include "app_messages.h"
#include "dialog_driver.h"
#include "main_window_fixture.h"
#include "resource.h"
#include "setting_list.h"
#include "test_support.h"
#include "add_category_dialog_res.h"
#include "add_setting_dialog_res.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class MainWindowTabs : public MainWindowFixture {
protected:
    // Points the tab menu at item 'index' as a right click there would.
    void ClickTab(int index) {
        RECT item{};
        window_->tabBar().SendMessage(TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ::ClientToScreen(window_->tabBar(), &point);
        ASSERT_EQ(window_->HitTestTab(point), index);
    }
    void Command(UINT id) { ::SendMessageA(hwnd_, WM_COMMAND, id, 0); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < window_->tabBar().GetItemCount(); ++i) captions.push_back(TabText(i));
        return captions;
    }
    std::vector<std::string> ShownNames() const {
        std::vector<std::string> names;
        for (const auto& tab : window_->tabs().shown()) names.push_back(tab->GetName());
        return names;
    }
    // Selects a tab the way a click on the bar does.
    void ClickSelect(int index) {
        window_->tabBar().SendMessage(TCM_SETCURSEL, index);
        NMHDR header{window_->tabBar(), 2002, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(hwnd_, WM_NOTIFY, 2002, reinterpret_cast<LPARAM>(&header));
    }
};

using Names = std::vector<std::string>;

TEST_F(MainWindowTabs, SelectingATabShowsItsPageAndKeyPath) {
    Category* first = AddCategoryTab("First");
    Category* second = AddCategoryTab("Second");
    ClickSelect(0);
    EXPECT_EQ(window_->currentTab(), first);
    EXPECT_TRUE(dynamic_cast<CSettingList*>(first->view())->IsWindowVisible());
    EXPECT_EQ(window_->statusBar().GetText(0),
              "HKCU\\" + scratch_.path() + "\\First");

    ClickSelect(1);
    EXPECT_EQ(window_->currentTab(), second);
    EXPECT_FALSE(dynamic_cast<CSettingList*>(first->view())->IsWindowVisible());
    EXPECT_TRUE(dynamic_cast<CSettingList*>(second->view())->IsWindowVisible());
    EXPECT_EQ(window_->statusBar().GetText(0),
              "HKCU\\" + scratch_.path() + "\\Second");
    EXPECT_TRUE(window_->toolBar().IsButtonEnabled(4004)) << "command state updated";

    // A page that sets no status text leaves the pane empty.
    TestPage* page = AddPageTab("Page");
    ClickSelect(2);
    EXPECT_EQ(window_->currentTab(), page);
    EXPECT_EQ(window_->statusBar().GetText(0), "");
    EXPECT_FALSE(window_->toolBar().IsButtonEnabled(4004));
}

TEST_F(MainWindowTabs, MovingTabsKeepsTheCurrentTabAndItsHighlight) {
    AddPageTab("A");
    TestPage* b = AddPageTab("B");
    AddPageTab("C");
    window_->SelectTab(b);

    ClickTab(1);
    Command(ID_TAB_MOVE_LEFT);  // the current tab itself moves left
    EXPECT_EQ(ShownNames(), (Names{"B", "A", "C"}));
    EXPECT_EQ(Captions(), (Names{"B", "A", "C"}));
    EXPECT_EQ(window_->currentTab(), b);
    EXPECT_EQ(Highlighted(), 0);

    ClickTab(1);
    Command(ID_TAB_MOVE_LEFT);  // its right neighbour moves onto its place
    EXPECT_EQ(ShownNames(), (Names{"A", "B", "C"}));
    EXPECT_EQ(Highlighted(), 1);

    ClickTab(1);
    Command(ID_TAB_MOVE_RIGHT);
    EXPECT_EQ(Captions(), (Names{"A", "C", "B"}));
    EXPECT_EQ(window_->currentTab(), b);
    EXPECT_EQ(Highlighted(), 2);

    ClickTab(2);
    Command(ID_TAB_MOVE_RIGHT);  // nothing beyond the last tab
    ClickTab(0);
    Command(ID_TAB_MOVE_LEFT);
    EXPECT_EQ(Captions(), (Names{"A", "C", "B"}));

    ClickTab(0);
    Command(ID_TAB_EXCHANGE);
    EXPECT_EQ(Captions(), (Names{"B", "C", "A"}));
    EXPECT_EQ(window_->currentTab(), b);
    EXPECT_EQ(Highlighted(), 0) << "the highlight is where the current tab now is";
    EXPECT_EQ(b->shows, 1) << "moving never re-shows the page";
}

TEST_F(MainWindowTabs, HidingChoosesTheNewCurrentTab) {
    TestPage* a = AddPageTab("A");
    TestPage* b = AddPageTab("B");
    TestPage* c = AddPageTab("C");
    window_->SelectTab(b);

    ClickTab(1);
    Command(ID_TAB_HIDE);  // the current middle tab: the next one takes its place
    EXPECT_EQ(Captions(), (Names{"A", "C"}));
    EXPECT_EQ(window_->currentTab(), c);
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(b->hides, 1);
    EXPECT_EQ(c->shows, 1);
    ASSERT_EQ(window_->tabs().hidden().size(), 1u);
    EXPECT_EQ(window_->tabs().hidden()[0].get(), b);

    ClickTab(0);
    Command(ID_TAB_HIDE);  // not current: the current tab and its highlight stay
    EXPECT_EQ(window_->currentTab(), c);
    EXPECT_EQ(Highlighted(), 0);
    EXPECT_EQ(a->hides, 0);

    ClickTab(0);
    Command(ID_TAB_HIDE);  // the only tab: nothing is current
    EXPECT_EQ(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->tabBar().GetItemCount(), 0);
    EXPECT_EQ(window_->tabs().hidden().size(), 3u);
    EXPECT_FALSE(window_->toolBar().IsButtonEnabled(40011));
}

TEST_F(MainWindowTabs, HidingTheLastTabMakesItsLeftNeighbourCurrent) {
    AddPageTab("A");
    TestPage* b = AddPageTab("B");
    TestPage* c = AddPageTab("C");
    window_->SelectTab(c);
    ClickTab(2);
    Command(ID_TAB_HIDE);
    EXPECT_EQ(window_->currentTab(), b);
    EXPECT_EQ(Highlighted(), 1);
}

TEST_F(MainWindowTabs, RemoveCategoryAsksFirstAndDeletesOnlyOnYes) {
    RecordingPrompt prompt;
    AddCategoryTab("Keep");
    Category* doomed = AddCategoryTab("Old & new");
    window_->SelectTab(doomed);

    prompt.answers = {IDNO};
    Command(ID_EDIT_REMOVE_CATEGORY);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text,
              "Are you sure you want to remove the \"Old & new\" tab and all it's settings?");
    EXPECT_EQ(prompt.asked[0].caption, "Confirm remove");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(window_->tabs().shown().size(), 2u);

    prompt.answers = {IDYES};
    Command(ID_EDIT_REMOVE_CATEGORY);
    EXPECT_EQ(Captions(), (Names{"Keep"}));
    auto icons = reinterpret_cast<HIMAGELIST>(::SendMessageA(hwnd_, UM_GETIMAGELIST, 0, 0));
    EXPECT_EQ(ImageList_GetImageCount(icons), 4) << "a removed list leaves the shared icons";
    ASSERT_NE(window_->currentTab(), nullptr);
    EXPECT_EQ(window_->currentTab()->GetName(), "Keep") << "the last tab's left one is current";
    EXPECT_TRUE(window_->tabs().hidden().empty()) << "removed, not hidden";

    prompt.answers = {IDYES};
    Command(ID_EDIT_REMOVE_CATEGORY);
    EXPECT_EQ(window_->currentTab(), nullptr);
    EXPECT_FALSE(window_->toolBar().IsButtonEnabled(4004));
    EXPECT_FALSE(window_->toolBar().IsButtonEnabled(40011));

    // With nothing current the command does not even ask.
    Command(ID_EDIT_REMOVE_CATEGORY);
    EXPECT_EQ(prompt.asked.size(), 3u);
}

TEST_F(MainWindowTabs, CategoryCommandsIgnoreAPageThatIsNoCategory) {
    RecordingPrompt prompt;
    TestPage* page = AddPageTab("Page");
    window_->SelectTab(page);
    DialogDriver driver;
    const UINT categoryCommands[] = {ID_EDIT_REMOVE_CATEGORY,  ID_EDIT_EDIT_CATEGORY,
                                     ID_EDIT_BACKUP_CATEGORY,  ID_EDIT_RESTORE_CATEGORY,
                                     ID_ADD_STRING_SETTING, ID_ADD_DWORD_SETTING};
    for (UINT id : categoryCommands)
        Command(id);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(driver.dialogsSeen(), 0);
    EXPECT_EQ(window_->tabs().shown().size(), 1u);
}

TEST_F(MainWindowTabs, AddCategoryCommandMakesACurrentEditableTab) {
    RecordingPrompt prompt;
    prompt.answers = {IDYES};  // create the missing key
    DialogDriver driver;
    const std::string subKey = scratch_.path() + "\\Added";
    driver.Then([&](HWND dialog) {
        DialogDriver::SetText(dialog, IDC_CATEGORY_NAME, "Added");
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_ROOT), CB_SETCURSEL, 1, 0);  // HKCU
        DialogDriver::SetText(dialog, IDC_CATEGORY_SUBKEY, subKey);
        ::SendMessageA(::GetDlgItem(dialog, IDC_CATEGORY_CARDS), LB_SETSEL, FALSE, 0);
        DialogDriver::Click(dialog, IDOK);
    });
    Command(ID_EDIT_ADD_CATEGORY);
    ASSERT_EQ(window_->tabs().shown().size(), 1u);
    Category* added = window_->currentCategory();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(Captions(), (Names{"Added"}));
    EXPECT_EQ(Highlighted(), 0);
    EXPECT_EQ(added->model().key.subKey, subKey);
    EXPECT_EQ(added->model().key.root, HKEY_CURRENT_USER);
    EXPECT_EQ(added->model().cardMask, 0x1FEull) << "the dialog's masks are kept";
    EXPECT_EQ(added->model().osMask, 0x1FFu);
    auto* list = dynamic_cast<CSettingList*>(added->view());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->IsWindowVisible());
    EXPECT_EQ(window_->statusBar().GetText(0), "HKCU\\" + subKey);
    EXPECT_TRUE(window_->toolBar().IsButtonEnabled(4005));

    // The toolbar's DWORD button opens the setting dialog with DWORD chosen.
    bool dwordChosen = false;
    driver.Then([&](HWND dialog) {
        dwordChosen = DialogDriver::Checked(dialog, IDC_SETTING_DWORD);
        DialogDriver::SetText(dialog, IDC_SETTING_NAME, "Level");
        DialogDriver::SetText(dialog, IDC_SETTING_VALUE_NAME, "Level");
        DialogDriver::Click(dialog, IDOK);
    });
    Command(ID_ADD_DWORD_SETTING);
    EXPECT_TRUE(dwordChosen);
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 0), "Level");

    // Edit renames the tab from the dialog's result.
    driver.Then([&](HWND dialog) {
        DialogDriver::SetText(dialog, IDC_CATEGORY_NAME, "Renamed");
        DialogDriver::Click(dialog, IDOK);
    });
    Command(ID_EDIT_EDIT_CATEGORY);
    EXPECT_EQ(Captions(), (Names{"Renamed"}));

    // Cancel adds nothing.
    driver.Then([&](HWND dialog) { DialogDriver::Click(dialog, IDCANCEL); });
    Command(ID_EDIT_ADD_CATEGORY);
    EXPECT_EQ(window_->tabs().shown().size(), 1u);
}

TEST_F(MainWindowTabs, BackupCommandReportsTheResult) {
    RecordingPrompt prompt;
    Category* category = AddCategoryTab("Backed");
    window_->SelectTab(category);
    char folder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof folder, folder);
    ::SetCurrentDirectoryA(testsupport::TestBinFolder().c_str());
    Command(ID_EDIT_BACKUP_CATEGORY);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Category successfully backed up!");
    EXPECT_EQ(prompt.asked[0].caption, "Backup");
    EXPECT_EQ(prompt.asked[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA("Backed *.backup", &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << "a backup file was written";
    ::FindClose(search);
    ::DeleteFileA(found.cFileName);
    ::SetCurrentDirectoryA(folder);
}

TEST_F(MainWindowTabs, AboutBoxStartsWithTheTitle) {
    DialogDriver driver;
    std::string text;
    driver.Then([&](HWND dialog) {
        text = DialogDriver::Text(dialog, IDC_ABOUT_TEXT);
        DialogDriver::Click(dialog, IDOK);
    });
    Command(ID_HELP_ABOUT);
    EXPECT_EQ(text.rfind("Quillon - v1.1", 0), 0u) << text;
}

// A right click on the bar: the menu it tracks is read while it is open.
HMENU g_trackedMenu = nullptr;
std::vector<std::pair<std::string, bool>> g_trackedItems;

LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && !g_trackedMenu) {
        g_trackedMenu = reinterpret_cast<HMENU>(message->wParam);
        for (int i = 0; i < ::GetMenuItemCount(g_trackedMenu); ++i) {
            char text[128] = "";
            ::GetMenuStringA(g_trackedMenu, i, text, sizeof text, MF_BYPOSITION);
            bool grayed = (::GetMenuState(g_trackedMenu, i, MF_BYPOSITION) & MF_GRAYED) != 0;
            g_trackedItems.emplace_back(text, grayed);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::EndMenu();
}

TEST_F(MainWindowTabs, RightClickTracksTheTabMenuForTheTabUnderTheMouse) {
    AddPageTab("A");
    TestPage* b = AddPageTab("B");
    window_->SelectTab(b);
    RECT item{};
    window_->tabBar().SendMessage(TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(window_->tabBar(), &point);
    // The click position is the one of the last message taken from the queue.
    ::SetCursorPos(point.x, point.y);
    ::PostMessageA(hwnd_, WM_NULL, 0, 0);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);

    g_trackedMenu = nullptr;
    g_trackedItems.clear();
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchMenus, nullptr, ::GetCurrentThreadId());
    ::SetTimer(nullptr, 0, 300, CloseMenu);
    NMHDR header{window_->tabBar(), 2002, static_cast<UINT>(NM_RCLICK)};
    ::SendMessageA(hwnd_, WM_NOTIFY, 2002, reinterpret_cast<LPARAM>(&header));
    ::UnhookWindowsHookEx(hook);

    if (::GetMessagePos() != static_cast<DWORD>(MAKELONG(point.x, point.y)))
        GTEST_SKIP() << "this display does not move the pointer";
    ASSERT_EQ(g_trackedItems.size(), 6u);
    EXPECT_EQ(g_trackedItems[0].first, "Add category ...");
    EXPECT_EQ(g_trackedItems[2].first, "<--- Move tab one step left");
    EXPECT_FALSE(g_trackedItems[2].second);
    EXPECT_TRUE(g_trackedItems[3].second) << "the last tab cannot move right";
    EXPECT_TRUE(g_trackedItems[4].second) << "it is the current tab";
    EXPECT_EQ(g_trackedItems[5].first, "Hide \"B\"");
}

}  // namespace
