#include "dialog_driver.h"

#include <vector>

namespace {
DialogDriver* activeDriver = nullptr;
}

DialogDriver::DialogDriver() {
    activeDriver = this;
    hook_ = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    ::UnhookWindowsHookEx(hook_);
    activeDriver = nullptr;
}

LRESULT CALLBACK DialogDriver::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeDriver) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = "";
        ::GetClassNameA(window, className, sizeof className);
        bool known = false;
        for (HWND pending : activeDriver->pending_) known |= pending == window;
        if (!known && std::string(className) == "#32770" &&
            !::GetPropA(window, "DialogDriver.seen")) {
            ::SetPropA(window, "DialogDriver.seen", reinterpret_cast<HANDLE>(1));
            ++activeDriver->seen_;
            activeDriver->pending_.push_back(window);
            // Run the step from the dialog's own message loop, after it is up.
            ::SetTimer(nullptr, 0, 10, RunStep);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    if (!activeDriver || activeDriver->pending_.empty()) return;
    HWND dialog = activeDriver->pending_.front();
    activeDriver->pending_.pop_front();
    if (activeDriver->steps_.empty()) {
        Click(dialog, IDCANCEL);  // an unexpected dialog must not hang the test
        return;
    }
    Step step = std::move(activeDriver->steps_.front());
    activeDriver->steps_.pop_front();
    step(dialog);
}

void DialogDriver::SetText(HWND dialog, int id, const std::string& text) {
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

std::string DialogDriver::Text(HWND dialog, int id) {
    std::vector<char> buffer(1024, '\0');
    ::GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

void DialogDriver::Click(HWND dialog, int id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (button)
        ::SendMessageA(button, BM_CLICK, 0, 0);
    else
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void DialogDriver::Select(HWND dialog, int id, int index) {
    HWND control = ::GetDlgItem(dialog, id);
    char className[32] = "";
    ::GetClassNameA(control, className, sizeof className);
    const bool combo = lstrcmpiA(className, "ComboBox") == 0;
    ::SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(control));
}

bool DialogDriver::Checked(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

std::string DialogDriver::Caption(HWND dialog) {
    char text[256] = "";
    ::GetWindowTextA(dialog, text, sizeof text);
    return text;
}
