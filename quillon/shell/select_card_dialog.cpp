#include "select_card_dialog.h"

#include "platform_detect.h"
#include "platform_names.h"
#include "reg_key.h"
#include "select_card_dialog_res.h"

SelectCardDialog::SelectCardDialog(HWND owner) : CDialog(IDD_SELECT_CARD, owner) {}

bool SelectCardDialog::OnInitDialog() {
    HWND list = GetDlgItem(IDC_CARD_LIST);
    for (const char* name : kCardNames)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    // Nothing to confirm until a card is chosen.
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    return true;
}

bool SelectCardDialog::OnCommand(WORD id, WORD code, HWND) {
    if (id != IDC_CARD_LIST || code != LBN_SELCHANGE) return false;
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    return true;
}

void SelectCardDialog::OnOK() {
    // Enter can still send IDOK while the button is disabled.
    LRESULT index = ::SendMessageA(GetDlgItem(IDC_CARD_LIST), LB_GETCURSEL, 0, 0);
    if (index < 0 || index >= kCardCount) return;
    card = 1 << index;
    RegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kQuillonKey) == ERROR_SUCCESS)
        key.key().SetDword(kRememberedCardValue, static_cast<DWORD>(card));
    EndDialog(IDOK);
}
