#include "tab_page.h"

#include "page_container.h"

namespace tabplugin {

// The container hands its messages to the page first. It paints its whole
// client area itself: the main window behind it is black, and a static
// control leaves the gaps between the page's controls unpainted while a
// message box of the page is over them.
class TabPage::Container : public winlib::CStatic {
public:
    explicit Container(TabPage& page) : page_(page) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (page_.OnContainerMessage(message, wParam, lParam, result)) return result;
        if (message == WM_ERASEBKGND) {
            RECT client = GetClientRect();
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(m_hWnd, &paint);
            if (paint.fErase) ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
            ::EndPaint(m_hWnd, &paint);
            return 0;
        }
        return CStatic::WindowProc(message, wParam, lParam);
    }

private:
    TabPage& page_;
};

TabPage::TabPage(int minimumWidth, int minimumHeight)
    : minimumWidth_(minimumWidth), minimumHeight_(minimumHeight) {}

// The page's own controls, members of the derived page, are gone by now:
// the container goes last.
TabPage::~TabPage() = default;

HWND TabPage::container() const { return container_ ? container_->m_hWnd : nullptr; }

bool TabPage::CreateContainer(HWND mainWindow) {
    mainWindow_ = mainWindow;
    container_ = std::make_unique<Container>(*this);
    return CreatePageContainer(*container_, mainWindow);
}

HFONT TabPage::HostFont() const { return tabplugin::HostFont(mainWindow_); }

RECT TabPage::PageRect() const { return HostPageRect(mainWindow_); }

bool TabPage::OnContainerMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

POINT TabPage::ClickPoint(const NMHDR& notification) {
    DWORD position = ::GetMessagePos();
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ::ScreenToClient(notification.hwndFrom, &point);
    return point;
}

void TabPage::Show() {
    if (!container_ || !container_->m_hWnd) return;
    OnShowing();
    container_->ShowWindow(SW_SHOW);
}

void TabPage::Hide() {
    if (container_ && container_->m_hWnd) container_->ShowWindow(SW_HIDE);
}

void TabPage::Resize() {
    if (!container_ || !container_->m_hWnd) return;
    container_->MoveWindow(PageRect(), true);
    RECT client = container_->GetClientRect();
    Arrange(client.right - client.left, client.bottom - client.top);
}

}  // namespace tabplugin
