#include "wnd.h"

#include <cstdio>
#include <map>
#include <tuple>

namespace winlib {

namespace {
const char kObjectProperty[] = "winlib.CWnd";
}

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // Virtual dispatch is over once a destructor runs: unbind first so the
        // destruction messages reach the window's own procedure only.
        if (bound_) ::RemovePropA(m_hWnd, kObjectProperty);
        if (previousProc_)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        ::DestroyWindow(hwnd);
    }
}

const char* CWnd::RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background,
                                      HICON icon) {
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Key, std::string> registered;
    Key key{classStyle, cursor, background, icon};
    auto found = registered.find(key);
    if (found != registered.end()) return found->second.c_str();

    char name[64];
    std::snprintf(name, sizeof name, "winlib:%u:%p:%p:%p", classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background),
                  static_cast<void*>(icon));
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return registered.emplace(key, name).first->second.c_str();
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId) {
    if (!className) return false;
    HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                  menuOrId, ::GetModuleHandleA(nullptr), this);
    return hwnd != nullptr && hwnd == m_hWnd;
}

bool CWnd::CreateControl(const char* className, const char* text, DWORD style, const RECT& rect,
                         HWND parent, UINT id, DWORD exStyle) {
    m_hWnd = ::CreateWindowExA(exStyle, className, text, style, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ::GetModuleHandleA(nullptr), nullptr);
    return m_hWnd != nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || FromHandlePermanent(hwnd)) return false;
    m_hWnd = hwnd;
    bound_ = true;
    ::SetPropA(hwnd, kObjectProperty, this);
    previousProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return previousProc_ != nullptr;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (bound_ && hwnd) ::RemovePropA(hwnd, kObjectProperty);
    bound_ = false;
    m_hWnd = nullptr;
    return hwnd;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd) return false;
    HWND hwnd = m_hWnd;
    bool destroyed = ::DestroyWindow(hwnd) != FALSE;
    if (destroyed && !bound_) m_hWnd = nullptr;  // bound windows clear it at WM_NCDESTROY
    return destroyed;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) const {
    return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, repaint) != FALSE;
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        CWnd* child = header ? FromHandlePermanent(header->hwndFrom) : nullptr;
        LRESULT result = 0;
        if (child && child != this && child->OnReflectedNotify(header, result)) return result;
    }
    if (message == WM_COMMAND && lParam) {
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child && child != this && child->OnReflectedCommand(HIWORD(wParam))) return 0;
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandlePermanent(hwnd);
    if (!self && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWnd*>(create->lpCreateParams);
        if (self) {
            self->m_hWnd = hwnd;
            self->bound_ = true;
            ::SetPropA(hwnd, kObjectProperty, self);
        }
    }
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->WindowProc(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's message dispatch.
        result = self->Default(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::RemovePropA(hwnd, kObjectProperty);
        self->previousProc_ = nullptr;
        self->m_hWnd = nullptr;
        self->bound_ = false;
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace winlib
