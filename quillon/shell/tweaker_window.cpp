// The main window's creation, layout, size limits and close.
#include "tweaker_window.h"

#include "app_messages.h"
#include "category.h"
#include "frame_rules.h"
#include "platform_detect.h"
#include "resource.h"
#include "setting_list.h"
#include "window_settings.h"

#include <ole2.h>

#include <algorithm>

const char kMainWindowTitle[] = "Quillon - v1.1";

namespace {

const DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
const int kBarHeight = 32;
const int kStatusHeight = 20;
const int kAnimationWidth = 96;
const int kAnimationHeight = 64;
const int kStatusPaneMinimum = 300;
const int kStatusPaneRight = 200;

TBBUTTON Button(int image, int command) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

TBBUTTON Separator() {
    TBBUTTON button{};
    button.fsStyle = TBSTYLE_SEP;
    return button;
}

}  // namespace

CTweakerWindow::CTweakerWindow(HINSTANCE instance, const std::string& commandLine)
    : instance_(instance), commandLine_(commandLine) {
    oleInitialized_ = SUCCEEDED(::OleInitialize(nullptr));
    WindowSettings stored = LoadWindowSettings();
    placement_ = stored.rect;
    showStyle_ = WantsStartMinimized(commandLine_) ? WS_MINIMIZE : stored.showStyle;
}

CTweakerWindow::~CTweakerWindow() {
    DestroyTabs();
    StopAnimation();
    trayIcon_.Remove();
    DestroyWindow();
    if (oleInitialized_) ::OleUninitialize();
}

bool CTweakerWindow::CreateFrame() {
    HICON icon = ::LoadIconA(instance_, MAKEINTRESOURCEA(IDI_QUILLON));
    const char* className = RegisterWindowClass(
        0, nullptr, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), icon);
    return Create(className, kMainWindowTitle, kFrameStyle, placement_, IDR_MAINMENU);
}

LRESULT CTweakerWindow::OnCreate() {
    hostWindow_.m_hWnd = m_hWnd;
    CreateBars();
    platform_ = DetectPlatform(m_hWnd);
    LoadLayout();
    CreateTabBar();
    CreateToolBar();
    RelayoutFrame();
    ShowAtStart();
    DiscoverNewFiles();
    FillProfilesMenu();
    OfferUndoOfInterruptedChange();
    if (showStyle_ == WS_MINIMIZE) {
        SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
        showStyle_ = 0;
    }
    UpdateCommandState();
    return 0;
}

void CTweakerWindow::CreateBars() {
    font_.CreateFont(8, "Ms Sans Serif");

    imageList_.Create(16, 16, ILC_COLOR4 | ILC_MASK, RegistryIcons::kCount, 0);
    imageList_.SetBkColor(CLR_NONE);
    icons_.Load(instance_);
    for (int slot = 0; slot < RegistryIcons::kCount; ++slot) imageList_.Add(icons_.icon(slot));

    RECT none{0, 0, 0, 0};
    statusBar_.Create(WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, none, m_hWnd,
                      IDC_STATUS_BAR);
    animationStrip_.Create("", WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_BLACKRECT, none, m_hWnd,
                           IDC_ANIMATION_STRIP);
}

void CTweakerWindow::CreateTabBar() {
    RECT none{0, 0, 0, 0};
    tabBar_.Create(WS_VISIBLE | WS_TABSTOP | TCS_FOCUSNEVER, none, m_hWnd, IDC_TAB_BAR);
    tabBar_.SetFont(font_);
    for (int i = 0; i < tabs_.shownCount(); ++i) tabBar_.InsertItem(i, tabs_.ShownAt(i)->GetName());
    HighlightCurrentTab();
}

void CTweakerWindow::CreateToolBar() {
    RECT none{0, 0, 0, 0};
    toolBar_.Create(WS_VISIBLE | CCS_NORESIZE, none, m_hWnd, IDC_TOOLBAR);
    toolBar_.AddBitmap(7, instance_, IDB_TOOLBAR);
    const TBBUTTON buttons[] = {
        Separator(),
        Button(0, ID_EDIT_ADD_CATEGORY),
        Separator(),
        Button(1, ID_ADD_STRING_SETTING),
        Button(2, ID_ADD_DWORD_SETTING),
        Separator(),
        Button(3, ID_FILE_IMPORT),
        Button(4, ID_FILE_EXPORT_CURRENT),
        Button(5, ID_FILE_EXPORT_SHOWN),
        Button(6, ID_FILE_EXPORT_ALL),
    };
    toolBar_.AddButtons(static_cast<int>(std::size(buttons)), buttons);
}

void CTweakerWindow::ShowAtStart() {
    if (showStyle_ == WS_MINIMIZE) return;  // start-up ends by going to the tray
    ShowWindow(showStyle_ == WS_MAXIMIZE ? SW_SHOWMAXIMIZED : SW_SHOW);
    ::UpdateWindow(m_hWnd);
}

std::string CTweakerWindow::StopAnimation() {
    if (!animation_) return "";
    std::string file = animation_->GetFileName();
    // The thread object is freed only once its thread has ended; one that
    // does not end is left to the process rather than freed under it.
    if (animation_->Stop(1000) || animation_->Stop(5000))
        animation_.reset();
    else
        animation_.release();
    RelayoutFrame();
    return file;
}

void CTweakerWindow::StartAnimation(const std::string& file) {
    if (animation_ || file.empty()) return;  // never a second one beside it
    animation_ = std::make_unique<AnimationThread>(animationStrip_.m_hWnd, file);
    if (!animation_->Start()) animation_.reset();
    RelayoutFrame();
}

RECT CTweakerWindow::PageRect() const {
    RECT page = GetClientRect();
    page.top = kBarHeight * 2;
    page.bottom -= kStatusHeight;
    return page;
}

void CTweakerWindow::RelayoutFrame() {
    RECT page{};
    ::SendMessageA(m_hWnd, UM_GETPAGERECT, reinterpret_cast<WPARAM>(&page), 0);
    const int width = page.right - page.left;
    const int height = page.bottom + kStatusHeight;
    const int barWidth = AnimationRunning() ? std::max(0, width - kAnimationWidth) : width;
    toolBar_.MoveWindow(RECT{0, 0, barWidth, kBarHeight});
    tabBar_.MoveWindow(RECT{0, kBarHeight, barWidth, kBarHeight * 2});
    statusBar_.MoveWindow(RECT{0, height - kStatusHeight, width, height});
    int edges[2] = {std::max(kStatusPaneMinimum, width - kStatusPaneRight), -1};
    statusBar_.SetParts(2, edges);
    if (AnimationRunning()) {
        animationStrip_.MoveWindow(
            RECT{width - kAnimationWidth, 0, width, kAnimationHeight});
        animationStrip_.ShowWindow(SW_SHOW);
    } else {
        animationStrip_.ShowWindow(SW_HIDE);
    }
}

void CTweakerWindow::OnSizing(UINT edge, RECT* rect) {
    TabObject* current = tabs_.current();
    if (!current || !rect) return;
    int minWidth = 0, minHeight = 0;
    int maxWidth = kUnlimitedPageSize, maxHeight = kUnlimitedPageSize;
    current->GetConstraints(&minWidth, &minHeight, &maxWidth, &maxHeight);
    SizeLimits client = FrameLimitsFromPage(minWidth, minHeight, maxWidth, maxHeight);

    // The minimum is a client size and gets the frame around it; the maximum
    // is used as it is.
    RECT minimum{0, 0, client.minWidth, client.minHeight};
    ::AdjustWindowRectEx(&minimum, static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)),
                         ::GetMenu(m_hWnd) != nullptr,
                         static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    SizeLimits window = client;
    window.minWidth = minimum.right - minimum.left;
    window.minHeight = minimum.bottom - minimum.top;

    DragRect dragged{rect->left, rect->top, rect->right, rect->bottom};
    ClampDraggedRect(dragged, edge, window);
    *rect = RECT{dragged.left, dragged.top, dragged.right, dragged.bottom};
}

void CTweakerWindow::OnSize(UINT kind) {
    if (kind == SIZE_MINIMIZED) {
        MinimizeToTray();
        return;
    }
    RelayoutFrame();
    for (const auto& tab : tabs_.shown()) tab->Resize();
}

void CTweakerWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (TabObject* current = tabs_.current()) current->Paint(dc);
    ::EndPaint(m_hWnd, &paint);
}

// Children that show their parent's background through (the themed toolbar
// and tab bar, a list without a background colour) have this window erase
// into their own device context. The bars get the colour of buttons; the page
// area and every page keep the class's black.
void CTweakerWindow::OnEraseBackground(HDC dc) {
    HWND target = ::WindowFromDC(dc);
    RECT area{};
    ::GetClipBox(dc, &area);
    bool bar = target == toolBar_.m_hWnd || target == tabBar_.m_hWnd;
    ::FillRect(dc, &area,
               bar ? ::GetSysColorBrush(COLOR_BTNFACE)
                   : static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (target == m_hWnd) {
        RECT client = GetClientRect();
        RECT bars{0, 0, client.right, std::min<LONG>(client.bottom, kBarHeight * 2)};
        ::FillRect(dc, &bars, ::GetSysColorBrush(COLOR_BTNFACE));
    }
}

void CTweakerWindow::UpdateCommandState() {
    const bool category = currentCategory() != nullptr;
    const bool anyTab = tabs_.current() != nullptr;
    toolBar_.EnableButton(ID_ADD_STRING_SETTING, category);
    toolBar_.EnableButton(ID_ADD_DWORD_SETTING, category);
    toolBar_.EnableButton(ID_FILE_EXPORT_CURRENT, category);
    toolBar_.EnableButton(ID_FILE_EXPORT_SHOWN, anyTab);
    toolBar_.EnableButton(ID_FILE_EXPORT_ALL, anyTab);
    ::EnableMenuItem(::GetMenu(m_hWnd), ID_EDIT_BACKUP_CATEGORY,
                     MF_BYCOMMAND | (category ? MF_ENABLED : MF_GRAYED));
}

void CTweakerWindow::OnInitMenuPopup(HMENU menu) {
    if (menu == ::GetSubMenu(::GetMenu(m_hWnd), kProfilesMenuPosition)) UpdateProfilesMenu(menu);
    const UINT state = MF_BYCOMMAND | (currentCategory() ? MF_ENABLED : MF_GRAYED);
    ::EnableMenuItem(menu, ID_EDIT_EDIT_CATEGORY, state);
    ::EnableMenuItem(menu, ID_EDIT_REMOVE_CATEGORY, state);
}

void CTweakerWindow::DestroyTabs() { tabs_.Clear(); }

void CTweakerWindow::OnClose() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(m_hWnd, &placement)) {
        showStyle_ = placement.showCmd == SW_SHOWMAXIMIZED ? WS_MAXIMIZE : 0;
        StoreWindowSettings({placement.rcNormalPosition, showStyle_});
    }
    SaveLayout();
    DestroyTabs();
    StopAnimation();
    // Closed while in the tray: the icon would stay behind without a window.
    trayIcon_.Remove();
    icons_.Destroy();
    DestroyWindow();
    if (oleInitialized_) {
        ::OleUninitialize();
        oleInitialized_ = false;
    }
}

LRESULT CTweakerWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    LRESULT result = OnApplicationMessage(message, wParam, lParam, handled);
    if (handled) return result;
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessage(WM_CLOSE);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (OnNotify(reinterpret_cast<NMHDR*>(lParam))) return 0;
        break;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_SIZING:
        OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        OnEraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return 0;
    default:
        break;
    }
    return CMainWnd::WindowProc(message, wParam, lParam);
}
