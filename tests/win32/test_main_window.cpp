// The main window in this process: frame, menu bar, bars and their layout,
// the application messages, size limits, the tray, and what close stores.
#include "app_messages.h"
#include "main_window_fixture.h"
#include "resource.h"
#include "setting_list.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct MenuEntry {
    const char* text;  // nullptr for a separator
    UINT id;
};

struct Popup {
    const char* title;
    std::vector<MenuEntry> items;
};

const std::vector<Popup> kMenuBar = {
    {"&File",
     {{"&Import ...", 40007},
      {"&Export current category ...", 40008},
      {"Export all shown categories ...", 40011},
      {"Export all categories ...", 40012},
      {nullptr, 0},
      {"&Exit", 40001}}},
    {"&Edit",
     {{"&Add category ...", 40003},
      {"&Edit category ...", 40009},
      {"&Remove category", 40004},
      {nullptr, 0},
      {"&Backup category", 40015},
      {"R&estore category ...", 40016}}},
    {"&Options", {{"&HotKeys ...", 40019}, {"&Preferences ...", 40002}}},
    {"&Profiles",
     {{"&Create profile ...", 40014},
      {"&Autoprofiles ...", 40018},
      {nullptr, 0},
      {"&Undo last change", 40030},
      {"&Preview before applying", 40031}}},
    {"&Help", {{"&About", 40013}}},
};

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = "";
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

RECT ChildRect(HWND parent, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Grayed(HWND window, UINT id) {
    return (::GetMenuState(::GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, OpensShownAtTheDefaultRectangleWithTitleStyleAndIcon) {
    EXPECT_EQ(window_->GetWindowText(), "Quillon - v1.1");
    LONG style = ::GetWindowLongA(hwnd_, GWL_STYLE);
    const LONG expected = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    EXPECT_EQ(style & expected, expected);
    EXPECT_TRUE(style & WS_VISIBLE);
    RECT rect = window_->GetWindowRect();
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 740);
    EXPECT_EQ(rect.bottom - rect.top, 512);
    EXPECT_NE(::GetClassLongPtrA(hwnd_, GCLP_HICON), 0u) << "the class carries icon 124";
    EXPECT_EQ(window_->currentTab(), nullptr) << "no tabs before the layout file exists";
}

TEST_F(MainWindow, MenuBarHasEveryPopupItemAndId) {
    HMENU bar = ::GetMenu(hwnd_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(::GetMenuItemCount(bar), static_cast<int>(kMenuBar.size()));
    for (size_t p = 0; p < kMenuBar.size(); ++p) {
        SCOPED_TRACE(kMenuBar[p].title);
        EXPECT_EQ(MenuText(bar, static_cast<UINT>(p)), kMenuBar[p].title);
        HMENU popup = ::GetSubMenu(bar, static_cast<int>(p));
        ASSERT_NE(popup, nullptr);
        const auto& items = kMenuBar[p].items;
        ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(items.size()));
        for (size_t i = 0; i < items.size(); ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID;
            ASSERT_TRUE(::GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info));
            if (!items[i].text) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << "item " << i;
                continue;
            }
            EXPECT_EQ(MenuText(popup, static_cast<UINT>(i)), items[i].text);
            EXPECT_EQ(info.wID, items[i].id) << items[i].text;
        }
    }
}

TEST_F(MainWindow, BarsSitWhereTheLayoutPutsThem) {
    RECT client = window_->GetClientRect();
    const LONG width = client.right, height = client.bottom;

    HWND toolbar = ::GetDlgItem(hwnd_, 2005);
    HWND tabs = ::GetDlgItem(hwnd_, 2002);
    HWND status = ::GetDlgItem(hwnd_, 2003);
    HWND strip = ::GetDlgItem(hwnd_, 2004);
    ASSERT_TRUE(toolbar && tabs && status && strip);

    RECT r = ChildRect(hwnd_, toolbar);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, width) << "without an animation the bars span the width";
    EXPECT_EQ(r.bottom, 32);
    r = ChildRect(hwnd_, tabs);
    EXPECT_EQ(r.top, 32);
    EXPECT_EQ(r.bottom, 64);
    EXPECT_EQ(r.right, width);
    r = ChildRect(hwnd_, status);
    EXPECT_EQ(r.top, height - 20);
    EXPECT_EQ(r.bottom, height);
    EXPECT_EQ(r.right, width);

    EXPECT_FALSE(::IsWindowVisible(strip)) << "no animation runs";
    EXPECT_EQ(::GetWindowLongA(strip, GWL_STYLE) & SS_TYPEMASK, SS_BLACKRECT);
    LONG tabStyle = ::GetWindowLongA(tabs, GWL_STYLE);
    EXPECT_EQ(tabStyle & (WS_TABSTOP | TCS_FOCUSNEVER), WS_TABSTOP | TCS_FOCUSNEVER);
    auto* font = reinterpret_cast<winlib::CFont*>(::SendMessageA(hwnd_, UM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font->m_hObject, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(tabs, WM_GETFONT, 0, 0)), font->m_hObject);

    // Resizing lays the bars out again.
    ::SetWindowPos(hwnd_, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    client = window_->GetClientRect();
    EXPECT_EQ(ChildRect(hwnd_, toolbar).right, client.right);
    EXPECT_EQ(ChildRect(hwnd_, status).top, client.bottom - 20);
}

TEST_F(MainWindow, ToolbarButtonsInOrderWithTheirImages) {
    const winlib::CToolBarCtrl& toolbar = window_->toolBar();
    // image, command; -1 for a separator
    const int expected[][2] = {{-1, 0},     {0, 40003}, {-1, 0},    {1, 4004},  {2, 4005},
                               {-1, 0},     {3, 40007}, {4, 40008}, {5, 40011}, {6, 40012}};
    ASSERT_EQ(toolbar.GetButtonCount(), 10);
    for (int i = 0; i < 10; ++i) {
        TBBUTTON button{};
        ASSERT_TRUE(toolbar.SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        if (expected[i][0] < 0) {
            EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP) << "button " << i;
            continue;
        }
        EXPECT_EQ(button.iBitmap, expected[i][0]) << "button " << i;
        EXPECT_EQ(button.idCommand, expected[i][1]) << "button " << i;
    }
    auto images = reinterpret_cast<HIMAGELIST>(toolbar.SendMessage(TB_GETIMAGELIST));
    ASSERT_NE(images, nullptr) << "bitmap 123 was loaded";
    EXPECT_EQ(ImageList_GetImageCount(images), 7);
}

TEST_F(MainWindow, RowIconListHasFourIconsWhateverTheRegistryEditorOffers) {
    auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(hwnd_, UM_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 4);
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    for (int slot = 0; slot < RegistryIcons::kCount; ++slot)
        EXPECT_NE(window_->icons().icon(slot), nullptr) << "slot " << slot;
}

TEST_F(MainWindow, AnswersStatusPageAndListStyleMessages) {
    ::SendMessageA(hwnd_, UM_SETSTATUSTEXT, reinterpret_cast<WPARAM>("HKEY_CURRENT_USER\\x"), 0);
    EXPECT_EQ(window_->statusBar().GetText(0), "HKEY_CURRENT_USER\\x");

    RECT page{};
    EXPECT_EQ(::SendMessageA(hwnd_, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0), 0);
    RECT client = window_->GetClientRect();
    EXPECT_EQ(page.left, 0);
    EXPECT_EQ(page.top, 64);
    EXPECT_EQ(page.right, client.right);
    EXPECT_EQ(page.bottom, client.bottom - 20);

    EXPECT_EQ(::SendMessageA(hwnd_, UM_GETLISTSTYLE, 0, 0), 0x24);
    Category* shown = AddCategoryTab("Shown");
    Category* hidden = AddCategoryTab("Hidden");
    // Hide the second one through the tab menu command.
    RECT item{};
    window_->tabBar().SendMessage(TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(window_->tabBar(), &point);
    ASSERT_EQ(window_->HitTestTab(point), 1);
    ::SendMessageA(hwnd_, WM_COMMAND, ID_TAB_HIDE, 0);
    ASSERT_EQ(window_->tabs().hidden().size(), 1u);

    shown->Show();
    ::SendMessageA(hwnd_, UM_SETLISTSTYLE, LVS_EX_GRIDLINES, 1);
    EXPECT_EQ(::SendMessageA(hwnd_, UM_GETLISTSTYLE, 0, 0), 0x24 | LVS_EX_GRIDLINES);
    // A list made before the change takes it at once, one made later (the
    // hidden tab's, never shown) takes it when it is first shown.
    for (Category* category : {shown, hidden}) {
        category->Show();
        auto* list = dynamic_cast<CSettingList*>(category->view());
        EXPECT_EQ(list->GetExtendedStyle() & 0xFF, static_cast<DWORD>(0x24 | LVS_EX_GRIDLINES))
            << category->GetName() << ": shown and hidden lists alike";
        category->Hide();
    }
    ::SendMessageA(hwnd_, UM_SETLISTSTYLE, LVS_EX_CHECKBOXES, 0);
    EXPECT_EQ(::SendMessageA(hwnd_, UM_GETLISTSTYLE, 0, 0),
              LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
}

TEST_F(MainWindow, PlatformRecordIsCopiedUpToItsSize) {
    unsigned char buffer[40];
    std::memset(buffer, 0xCC, sizeof buffer);
    ::SendMessageA(hwnd_, UM_GETPLATFORM, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    PlatformInfo copied;
    std::memcpy(&copied, buffer, sizeof copied);
    EXPECT_EQ(copied.card, 8) << "the remembered card";
    EXPECT_EQ(copied.cardVendor, 2);
    EXPECT_EQ(copied.card, window_->platform().card);
    for (size_t i = 24; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0xCC) << "byte " << i;

    std::memset(buffer, 0xCC, sizeof buffer);
    ::SendMessageA(hwnd_, UM_GETPLATFORM, 8, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(buffer[8], 0xCC) << "only the bytes asked for";
    EXPECT_EQ(::SendMessageA(hwnd_, UM_GETPLATFORM, 24, 0), 0) << "no buffer: nothing copied";
}

TEST_F(MainWindow, ViewStyleAndColumnWidthsCopyToTheOtherShownCategories) {
    Category* source = AddCategoryTab("Source");
    Category* target = AddCategoryTab("Target");
    auto* sourceList = dynamic_cast<CSettingList*>(source->view());
    auto* targetList = dynamic_cast<CSettingList*>(target->view());
    source->Show();  // the user restyles the list in front of them
    sourceList->SetTextColor(RGB(10, 20, 30));
    sourceList->SetTextBkColor(RGB(40, 50, 60));
    sourceList->SetBkColor(RGB(70, 80, 90));
    sourceList->SetColumnWidth(0, 222);
    sourceList->SetColumnWidth(4, 33);

    // The target's list is made when it is first shown, after the copy.
    ::SendMessageA(hwnd_, UM_COPYVIEWSTYLE, reinterpret_cast<WPARAM>(sourceList), 0);
    target->Show();
    EXPECT_EQ(targetList->GetTextColor(), RGB(10, 20, 30));
    EXPECT_EQ(targetList->GetTextBkColor(), RGB(40, 50, 60));
    EXPECT_EQ(targetList->GetBkColor(), RGB(70, 80, 90));
    EXPECT_NE(targetList->GetColumnWidth(0), 222) << "the view style leaves widths alone";

    ::SendMessageA(hwnd_, UM_COPYCOLUMNWIDTHS, reinterpret_cast<WPARAM>(sourceList), 0);
    EXPECT_EQ(targetList->GetColumnWidth(0), 222);
    EXPECT_EQ(targetList->GetColumnWidth(4), 33);

    // An address that is none of the window's lists is ignored, not followed.
    int unrelated = 0;
    ::SendMessageA(hwnd_, UM_COPYVIEWSTYLE, reinterpret_cast<WPARAM>(&unrelated), 0);
    EXPECT_EQ(targetList->GetBkColor(), RGB(70, 80, 90));
}

TEST_F(MainWindow, SizeLimitsFollowTheCurrentPage) {
    RECT dragged{100, 100, 140, 160};
    // Without a current tab the drag is left alone.
    ::SendMessageA(hwnd_, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&dragged));
    EXPECT_EQ(dragged.right, 140);

    TestPage* page = AddPageTab("Page");
    window_->SelectTab(page);
    RECT frame{0, 0, 128, 84};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_STYLE)), TRUE,
                         static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    const LONG minimumWidth = frame.right - frame.left, minimumHeight = frame.bottom - frame.top;
    dragged = RECT{100, 100, 140, 160};
    ::SendMessageA(hwnd_, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&dragged));
    EXPECT_EQ(dragged.left, 100);
    EXPECT_EQ(dragged.right - dragged.left, minimumWidth) << "at least 128 wide";
    EXPECT_EQ(dragged.bottom - dragged.top, minimumHeight) << "room for the bars";

    page->minWidth = 400;
    dragged = RECT{500, 100, 700, 600};
    ::SendMessageA(hwnd_, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&dragged));
    EXPECT_EQ(dragged.right, 700) << "the edge not dragged stays";
    EXPECT_EQ(dragged.right - dragged.left, minimumWidth - 128 + 400)
        << "the page's minimum width stops the drag";

    // Selecting a page re-applies its limits to the window at once.
    ::SetWindowPos(hwnd_, nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
    TestPage* wide = AddPageTab("Wide");
    wide->minWidth = 500;
    window_->SelectTab(wide);
    RECT now = window_->GetWindowRect();
    EXPECT_EQ(now.right - now.left, minimumWidth - 128 + 500);
    EXPECT_EQ(page->hides, 1) << "the old page was hidden";
    EXPECT_EQ(wide->shows, 1);
}

TEST_F(MainWindow, MinimisingGoesToTheTrayAndTheTrayClickRestores) {
    TestPage* page = AddPageTab("Page");
    window_->SelectTab(page);
    ::ShowWindow(hwnd_, SW_MINIMIZE);
    EXPECT_TRUE(window_->inTray());
    EXPECT_FALSE(::IsWindowVisible(hwnd_)) << "hidden, only the tray icon is left";
    EXPECT_EQ(page->hides, 1);

    ::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
    EXPECT_TRUE(window_->inTray()) << "only a left click restores";
    ::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONUP);
    EXPECT_FALSE(::IsWindowVisible(hwnd_));

    EXPECT_EQ(::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN), 0);
    EXPECT_FALSE(window_->inTray());
    EXPECT_TRUE(::IsWindowVisible(hwnd_));
    EXPECT_FALSE(::IsIconic(hwnd_));
    EXPECT_EQ(page->shows, 2);
    EXPECT_FALSE(::IsWindowVisible(window_->animationStrip()))
        << "no animation ran before, none is started";

    // A wake-up while the window is open changes nothing but the focus.
    EXPECT_EQ(::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN), 0);
    EXPECT_TRUE(::IsWindowVisible(hwnd_));
}

TEST_F(MainWindow, MinimizeSwitchStartsInTheTrayButOnlyInLowerCase) {
    MakeWindow("-minimize");
    EXPECT_FALSE(::IsWindowVisible(hwnd_));
    EXPECT_TRUE(window_->inTray());
    EXPECT_EQ(window_->showStyle(), 0u) << "the start-up state ends with creation";
    ::SendMessageA(hwnd_, UM_TRAYNOTIFY, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(::IsWindowVisible(hwnd_));

    MakeWindow("-MINIMIZE");
    EXPECT_TRUE(::IsWindowVisible(hwnd_));
    EXPECT_FALSE(window_->inTray());
}

TEST_F(MainWindow, CloseStoresThePlacementTheNextWindowUses) {
    ::SetWindowPos(hwnd_, nullptr, 30, 40, 700, 450, SWP_NOZORDER);
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hwnd_));
    DWORD left = 0, top = 0, right = 0, bottom = 0, style = 1;
    ASSERT_TRUE(programkey::GetDWord("MainWindowLeft", left));
    ASSERT_TRUE(programkey::GetDWord("MainWindowTop", top));
    ASSERT_TRUE(programkey::GetDWord("MainWindowRight", right));
    ASSERT_TRUE(programkey::GetDWord("MainWindowBottom", bottom));
    ASSERT_TRUE(programkey::GetDWord("ShowStyle", style));
    EXPECT_EQ(left, 30u);
    EXPECT_EQ(top, 40u);
    EXPECT_EQ(right, 730u);
    EXPECT_EQ(bottom, 490u);
    EXPECT_EQ(style, 0u);

    MakeWindow();
    RECT rect = window_->GetWindowRect();
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(rect.right, 730);
    EXPECT_EQ(rect.bottom, 490);

    // Maximised: the normal rectangle is kept and the next window opens maximised.
    ::ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(programkey::GetDWord("ShowStyle", style));
    EXPECT_EQ(style, static_cast<DWORD>(WS_MAXIMIZE));
    ASSERT_TRUE(programkey::GetDWord("MainWindowRight", right));
    EXPECT_EQ(right, 730u);
    MakeWindow();
    EXPECT_TRUE(::IsZoomed(hwnd_));
}

TEST_F(MainWindow, StoredRectangleWithoutAreaIsNotUsed) {
    window_.reset();
    programkey::SetDWord("MainWindowLeft", 500);
    programkey::SetDWord("MainWindowRight", 100);
    MakeWindow();
    RECT rect = window_->GetWindowRect();
    EXPECT_EQ(rect.right - rect.left, 740);
}

TEST_F(MainWindow, CloseWhileInTheTrayStillStoresAndEnds) {
    ::ShowWindow(hwnd_, SW_MINIMIZE);
    ASSERT_TRUE(window_->inTray());
    ::SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hwnd_));
    EXPECT_FALSE(window_->inTray()) << "no icon is left behind";
    DWORD right = 0;
    EXPECT_TRUE(programkey::GetDWord("MainWindowRight", right));
    EXPECT_EQ(right, 740u);
}

TEST_F(MainWindow, EscapeAndExitClose) {
    ::PostMessageA(hwnd_, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !::IsWindow(hwnd_); }));
    DWORD right = 0;
    EXPECT_TRUE(programkey::GetDWord("MainWindowRight", right)) << "closing saved first";

    MakeWindow();
    HWND second = hwnd_;
    ::PostMessageA(second, WM_COMMAND, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !::IsWindow(second); }));
}

TEST_F(MainWindow, OtherKeysDoNotClose) {
    ::PostMessageA(hwnd_, WM_KEYDOWN, 'A', 0);
    testsupport::PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(::IsWindow(hwnd_));
}

TEST_F(MainWindow, CommandStateFollowsTheKindOfCurrentTab) {
    const winlib::CToolBarCtrl& toolbar = window_->toolBar();
    const int categoryButtons[] = {4004, 4005, 40008};
    const int anyTabButtons[] = {40011, 40012};
    for (int id : categoryButtons) EXPECT_FALSE(toolbar.IsButtonEnabled(id)) << id;
    for (int id : anyTabButtons) EXPECT_FALSE(toolbar.IsButtonEnabled(id)) << id;
    EXPECT_TRUE(toolbar.IsButtonEnabled(40003));
    EXPECT_TRUE(Grayed(hwnd_, 40015));

    TestPage* page = AddPageTab("Plug-in page");
    window_->SelectTab(page);
    window_->UpdateCommandState();
    for (int id : categoryButtons) EXPECT_FALSE(toolbar.IsButtonEnabled(id)) << id;
    for (int id : anyTabButtons) EXPECT_TRUE(toolbar.IsButtonEnabled(id)) << id;
    EXPECT_TRUE(Grayed(hwnd_, 40015));
    ::SendMessageA(hwnd_, WM_INITMENUPOPUP,
                   reinterpret_cast<WPARAM>(::GetSubMenu(::GetMenu(hwnd_), 1)), 1);
    EXPECT_TRUE(Grayed(hwnd_, 40009));
    EXPECT_TRUE(Grayed(hwnd_, 40004));

    Category* category = AddCategoryTab("Category");
    window_->SelectTab(category);
    window_->UpdateCommandState();
    for (int id : categoryButtons) EXPECT_TRUE(toolbar.IsButtonEnabled(id)) << id;
    EXPECT_FALSE(Grayed(hwnd_, 40015));
    ::SendMessageA(hwnd_, WM_INITMENUPOPUP,
                   reinterpret_cast<WPARAM>(::GetSubMenu(::GetMenu(hwnd_), 1)), 1);
    EXPECT_FALSE(Grayed(hwnd_, 40009));
    EXPECT_FALSE(Grayed(hwnd_, 40004));
}

}  // namespace
