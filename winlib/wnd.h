// CWnd: a window handle with an optional C++ object bound to it.
//
// Windows created through CreateEx with a class registered by
// RegisterWindowClass route every message to the virtual WindowProc of the
// object that created them. The object is bound at WM_NCCREATE (from
// lpCreateParams) and unbound at WM_NCDESTROY; messages before binding go to
// DefWindowProc. No C++ exception leaves a window procedure.
//
// Controls created with CreateControl are ordinary system windows: the object
// only holds their handle and destroys them with itself.
#pragma once

#include <windows.h>

#include <string>

namespace winlib {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }

    // Registers (once per distinct parameter set) a window class whose
    // procedure dispatches to CWnd objects; returns its name.
    static const char* RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background,
                                           HICON icon);

    // Creates a window of a class from RegisterWindowClass, bound to this object.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);
    // Creates a system control (list view, button ...) as a child of parent.
    bool CreateControl(const char* className, const char* text, DWORD style, const RECT& rect,
                       HWND parent, UINT id, DWORD exStyle = 0);

    // Binds this object to an existing window (a system control) by replacing
    // its window procedure; Default then calls the control's own procedure.
    bool SubclassWindow(HWND hwnd);
    // Takes over a handle without binding a procedure (a dialog's control).
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach();
    bool DestroyWindow();

    // The bound object of a window created by CreateEx, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam) != FALSE;
    }
    bool ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool MoveWindow(const RECT& rect, bool repaint = true) const;
    bool EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != FALSE; }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void SetFont(HFONT font, bool redraw = true) const {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    // Handles one message; the default passes it to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Notifications a control sends its parent, offered back to the control's
    // own object first. Return true when handled (result in 'result').
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }
    // A WM_COMMAND notification (BN_CLICKED, CBN_SELCHANGE ...) a control
    // sends its parent, offered back to the control's own object first.
    virtual bool OnReflectedCommand(UINT notifyCode) {
        (void)notifyCode;
        return false;
    }
    // Called after WM_NCDESTROY, when the handle is already gone.
    virtual void PostNcDestroy() {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        if (previousProc_) return ::CallWindowProcA(previousProc_, m_hWnd, message, wParam, lParam);
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    bool bound_ = false;
    WNDPROC previousProc_ = nullptr;
};

}  // namespace winlib
