#include "page_controls.h"

#include "scoped.h"

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
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kOptionsKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return;
    winlib::ScopedRegKey key(raw);
    DWORD stored = 0, type = 0, size = sizeof stored;
    if (::RegQueryValueExA(raw, caption_.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&stored),
                           &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof stored)
        ticked_ = stored != 0 ? 1 : 0;
}

ApplyOption::~ApplyOption() {
    if (!made_) return;
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOptionsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &raw, nullptr) != ERROR_SUCCESS)
        return;
    winlib::ScopedRegKey key(raw);
    ::RegSetValueExA(raw, caption_.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&ticked_),
                     sizeof ticked_);
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
