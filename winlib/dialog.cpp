#include "dialog.h"

#include <vector>

namespace winlib {

namespace {
const char kDialogProperty[] = "winlib.CDialog";
}

CDialog::CDialog(UINT templateId, HWND parent, HMODULE resourceModule)
    : parent_(parent), templateId_(templateId), resourceModule_(resourceModule) {}

INT_PTR CDialog::DoModal() {
    HMODULE module = resourceModule_ ? resourceModule_ : ::GetModuleHandleA(nullptr);
    INT_PTR result = ::DialogBoxParamA(module, MAKEINTRESOURCEA(templateId_), parent_,
                                       StaticDialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

std::string CDialog::GetDlgItemText(int id) const {
    HWND item = ::GetDlgItem(m_hWnd, id);
    int length = item ? ::GetWindowTextLengthA(item) : 0;
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetDlgItemTextA(m_hWnd, id, buffer.data(), length + 1);
    return buffer.data();
}

void CDialog::SetDlgItemText(int id, const std::string& text) const {
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

int CDialog::GetDlgItemInt(int id, bool* ok, bool isSigned) const {
    BOOL translated = FALSE;
    int value = static_cast<int>(::GetDlgItemInt(m_hWnd, id, &translated, isSigned));
    if (ok) *ok = translated != FALSE;
    return value;
}

bool CDialog::OnCommand(WORD, WORD, HWND) { return false; }

bool CDialog::OnNotify(NMHDR*, LRESULT&) { return false; }

bool CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND: {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
        return OnCommand(id, code, reinterpret_cast<HWND>(lParam));
    }
    case WM_NOTIFY: {
        LRESULT notifyResult = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), notifyResult)) return false;
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, notifyResult);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* self = static_cast<CDialog*>(::GetPropA(hwnd, kDialogProperty));
    if (!self && message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetPropA(hwnd, kDialogProperty, self);
    }
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        ::RemovePropA(hwnd, kDialogProperty);
        return FALSE;
    }
    INT_PTR result = FALSE;
    try {
        if (!self->DialogProc(message, wParam, lParam, result)) result = FALSE;
    } catch (...) {
        // An exception must not unwind through the dialog manager.
        result = FALSE;
    }
    return result;
}

}  // namespace winlib
