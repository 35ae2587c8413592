#include "hot_key_dialog.h"

#include "companion_registry.h"
#include "companion_settings.h"
#include "hot_key_dialog_res.h"

namespace {

struct ModifierBox {
    int id;
    uint32_t bit;
};
const ModifierBox kModifierBoxes[] = {
    {IDC_HOTKEY_ALT, kChoiceAlt},
    {IDC_HOTKEY_SHIFT, kChoiceShift},
    {IDC_HOTKEY_CTRL, kChoiceCtrl},
    {IDC_HOTKEY_WIN, kChoiceWin},
};

}  // namespace

HotKeyDialog::HotKeyDialog(HWND owner) : CDialog(IDD_HOTKEYS, owner) {}

bool HotKeyDialog::OnInitDialog() {
    current_ = -1;
    dirty_ = false;
    for (int i = 0; i < kHotKeyFunctionCount; ++i)
        ::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_FUNCTION, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(HotKeyFunctionAt(i).label));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char text[2] = {letter, '\0'};
        ::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_LETTER, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(text));
    }
    ::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_FUNCTION, CB_SETCURSEL, 0, 0);
    LoadSelectedFunction();
    return true;
}

void HotKeyDialog::LoadSelectedFunction() {
    SaveCurrentFunction();
    int selected =
        static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_FUNCTION, CB_GETCURSEL, 0, 0));
    if (selected < 0 || selected >= kHotKeyFunctionCount) return;
    // A function without a stored value shows the key Pellam uses for it.
    const pellam::NumberValue& value = pellam::StoredSetting(HotKeyFunctionAt(selected).setting);
    choice_ = ChoiceFromCode(pellam::ReadCompanionNumber(pellam::kSuiteKey, value));
    ShowChoice();
    current_ = selected;
    dirty_ = false;
}

void HotKeyDialog::ShowChoice() {
    // A key that is not a letter (set by hand) selects no letter.
    int letter = choice_.key >= kFirstLetterKey && choice_.key <= kLastLetterKey
                     ? static_cast<int>(choice_.key - kFirstLetterKey)
                     : -1;
    ::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_LETTER, CB_SETCURSEL, letter, 0);
    for (const ModifierBox& box : kModifierBoxes)
        CheckDlgButton(box.id, (choice_.modifiers & box.bit) != 0);
}

void HotKeyDialog::ReadModifiers() {
    choice_.modifiers = 0;
    for (const ModifierBox& box : kModifierBoxes)
        if (IsDlgButtonChecked(box.id)) choice_.modifiers |= box.bit;
}

void HotKeyDialog::SaveCurrentFunction() {
    if (current_ < 0 || !dirty_) return;
    const char* name = pellam::StoredSetting(HotKeyFunctionAt(current_).setting).name;
    if (std::optional<uint32_t> code = CodeToStore(choice_))
        pellam::WriteCompanionNumber(pellam::kSuiteKey, name, *code);
    else
        pellam::DeleteCompanionValue(pellam::kSuiteKey, name);  // Pellam's default again
    dirty_ = false;
}

bool HotKeyDialog::OnCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDC_HOTKEY_FUNCTION:
        if (code == CBN_SELCHANGE) LoadSelectedFunction();
        return true;
    case IDC_HOTKEY_LETTER:
        if (code == CBN_SELCHANGE) {
            LRESULT letter = ::SendDlgItemMessageA(m_hWnd, IDC_HOTKEY_LETTER, CB_GETCURSEL, 0, 0);
            if (letter >= 0) {
                choice_.key = kFirstLetterKey + static_cast<uint32_t>(letter);
                dirty_ = true;
            }
        }
        return true;
    case IDC_HOTKEY_ALT:
    case IDC_HOTKEY_SHIFT:
    case IDC_HOTKEY_CTRL:
    case IDC_HOTKEY_WIN:
        if (code == BN_CLICKED) {
            ReadModifiers();
            dirty_ = true;
        }
        return true;
    default:
        return false;
    }
}

void HotKeyDialog::OnOK() {
    SaveCurrentFunction();
    EndDialog(IDOK);
}
