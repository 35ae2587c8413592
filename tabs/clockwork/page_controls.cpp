#include "page_controls.h"

#include "registry.h"

namespace clockwork {

bool ClickButton::Make(const std::string& caption, DWORD style, const RECT& rect, HWND parent,
                       UINT id, HFONT font) {
    if (!Create(caption, style, rect, parent, id) || !SubclassWindow(m_hWnd)) return false;
    SetFont(font);
    return true;
}

bool ClickButton::OnReflectedCommand(UINT notifyCode) {
    if (notifyCode != BN_CLICKED || !onClick) return false;
    onClick();
    return true;
}

bool GroupBox::Make(const std::string& caption, const RECT& rect, HWND parent, UINT id,
                    HFONT font) {
    if (!Create(caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, rect, parent, id) ||
        !SubclassWindow(m_hWnd))
        return false;
    SetFont(font);
    return true;
}

bool ChoiceList::Make(DWORD style, const RECT& rect, HWND parent, UINT id, HFONT font) {
    if (!Create(style, rect, parent, id) || !SubclassWindow(m_hWnd)) return false;
    SetFont(font);
    return true;
}

bool ChoiceList::OnReflectedCommand(UINT notifyCode) {
    if (notifyCode != CBN_SELCHANGE || !onChange) return false;
    onChange();
    return true;
}

ApplyOption::ApplyOption(const std::string& caption, bool ticked)
    : caption_(caption), ticked_(ticked ? 1 : 0) {
    winlib::RegistryKey key;
    DWORD stored = 0;
    if (key.Open(HKEY_LOCAL_MACHINE, kOptionsKey, KEY_QUERY_VALUE) == ERROR_SUCCESS &&
        key.QueryDword(caption_.c_str(), stored))
        ticked_ = stored != 0 ? 1 : 0;
}

ApplyOption::~ApplyOption() {
    if (!made_) return;
    winlib::RegistryKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kOptionsKey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
        key.SetDword(caption_.c_str(), static_cast<DWORD>(ticked_));
}

bool ApplyOption::Make(const RECT& rect, HWND parent, UINT id, HFONT font) {
    if (!ClickButton::Make(caption_, WS_CHILD | WS_VISIBLE | BS_CHECKBOX, rect, parent, id, font))
        return false;
    SetCheck(ticked_ ? BST_CHECKED : BST_UNCHECKED);
    made_ = true;
    return true;
}

bool ApplyOption::Toggle() {
    ticked_ = ticked_ ? 0 : 1;
    SetCheck(ticked_ ? BST_CHECKED : BST_UNCHECKED);
    return ticked_ != 0;
}

}  // namespace clockwork
