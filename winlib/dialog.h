// CDialog: a modal dialog built from a resource template.
//
// The object is bound at WM_INITDIALOG and messages go to the virtual
// handlers. OnOK is where a dialog validates its controls and copies them
// into plain fields; the caller reads those fields after DoModal returns.
#pragma once

#include "wnd.h"

#include <string>

namespace winlib {

class CDialog : public CWnd {
public:
    // resourceModule: the module holding the template (null: the program).
    CDialog(UINT templateId, HWND parent, HMODULE resourceModule = nullptr);

    // Returns IDOK, IDCANCEL or the value given to EndDialog; -1 on failure.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text) const;
    int GetDlgItemInt(int id, bool* ok = nullptr, bool isSigned = true) const;
    void SetDlgItemInt(int id, int value) const { ::SetDlgItemInt(m_hWnd, id, value, TRUE); }
    bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void CheckDlgButton(int id, bool checked) const {
        ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }

protected:
    // Return true to let the system set the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Commands other than IDOK / IDCANCEL; return true when handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    // Every message; return true when handled (result in 'result').
    virtual bool DialogProc(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    HWND parent_;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    UINT templateId_;
    HMODULE resourceModule_;
};

}  // namespace winlib
