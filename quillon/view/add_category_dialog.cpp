#include "add_category_dialog.h"

#include "platform_names.h"
#include "prompt.h"
#include "reg_key.h"
#include "root_key_table.h"
#include "add_category_dialog_res.h"

namespace {

HKEY RootAtPosition(int position) {
    return reinterpret_cast<HKEY>(
        static_cast<uintptr_t>(quillon::RootFromListPosition(position)));
}

}  // namespace

AddCategoryDialog::AddCategoryDialog(HWND mainWindow)
    : CDialog(IDD_ADD_CATEGORY, mainWindow) {}

AddCategoryDialog::AddCategoryDialog(HWND mainWindow, Category& category)
    : CDialog(IDD_ADD_CATEGORY, mainWindow), category_(&category) {
    const CategoryModel& model = category.model();
    name = category.GetName();
    dynamic = model.key.dynamic;
    root = model.key.root;
    subKey = model.key.subKey;
    dllFile = model.key.dllFile;
    parameter = model.key.parameter;
    cardMask = model.cardMask;
    osMask = model.osMask;
}

bool AddCategoryDialog::OnInitDialog() {
    HWND roots = GetDlgItem(IDC_CATEGORY_ROOT);
    for (int position = 0; position < 7; ++position)
        ::SendMessageA(roots, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(quillon::RootLongName(
                           quillon::RootFromListPosition(position))));
    SetDlgItemText(IDC_CATEGORY_NAME, name);
    HWND cards = GetDlgItem(IDC_CATEGORY_CARDS);
    for (int i = 0; i < kCardCount; ++i) {
        ::SendMessageA(cards, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCardNames[i]));
        ::SendMessageA(cards, LB_SETSEL, (cardMask >> i) & 1, i);
    }
    HWND oses = GetDlgItem(IDC_CATEGORY_OSES);
    for (int i = 0; i < kOsCount; ++i) {
        ::SendMessageA(oses, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kOsNames[i]));
        ::SendMessageA(oses, LB_SETSEL, (osMask >> i) & 1, i);
    }
    if (dynamic) {
        SetDlgItemText(IDC_CATEGORY_DLL, dllFile);
        SetDlgItemText(IDC_CATEGORY_PARAMETER, parameter);
        ::SendMessageA(roots, CB_SETCURSEL, 0, 0);
    } else {
        uint32_t rootValue = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(root));
        ::SendMessageA(roots, CB_SETCURSEL, quillon::RootListPosition(rootValue), 0);
        SetDlgItemText(IDC_CATEGORY_SUBKEY, subKey);
    }
    ::CheckRadioButton(m_hWnd, IDC_CATEGORY_STATIC, IDC_CATEGORY_DYNAMIC,
                       dynamic ? IDC_CATEGORY_DYNAMIC : IDC_CATEGORY_STATIC);
    EnableKeyControls(dynamic);
    return true;
}

void AddCategoryDialog::EnableKeyControls(bool isDynamic) {
    ::EnableWindow(GetDlgItem(IDC_CATEGORY_ROOT), !isDynamic);
    ::EnableWindow(GetDlgItem(IDC_CATEGORY_SUBKEY), !isDynamic);
    ::EnableWindow(GetDlgItem(IDC_CATEGORY_DLL), isDynamic);
    ::EnableWindow(GetDlgItem(IDC_CATEGORY_PARAMETER), isDynamic);
}

bool AddCategoryDialog::OnCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED || (id != IDC_CATEGORY_STATIC && id != IDC_CATEGORY_DYNAMIC))
        return false;
    // The two radios sit in different control groups (their edits lie
    // between them), so they are kept exclusive here.
    ::CheckRadioButton(m_hWnd, IDC_CATEGORY_STATIC, IDC_CATEGORY_DYNAMIC, id);
    EnableKeyControls(id == IDC_CATEGORY_DYNAMIC);
    return true;
}

bool AddCategoryDialog::AcceptStaticKey() {
    if (RegKey().Open(root, subKey, RegistryView::Native) == ERROR_SUCCESS) return true;
    if (CurrentPrompt().Ask(m_hWnd,
                            "The given registry key does not exist. Do you want to create it?",
                            "Confirm create", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    RegKey created;
    created.Create(root, subKey, RegistryView::Native);  // accepted even if this fails
    return true;
}

void AddCategoryDialog::OnOK() {
    name = GetDlgItemText(IDC_CATEGORY_NAME);
    uint64_t cards = 0;
    for (int i = 0; i < kCardCount; ++i)
        if (::SendMessageA(GetDlgItem(IDC_CATEGORY_CARDS), LB_GETSEL, i, 0) > 0)
            cards |= 1ull << i;
    uint32_t oses = 0;
    for (int i = 0; i < kOsCount; ++i)
        if (::SendMessageA(GetDlgItem(IDC_CATEGORY_OSES), LB_GETSEL, i, 0) > 0) oses |= 1u << i;
    cardMask = cards;
    osMask = oses;
    dynamic = IsDlgButtonChecked(IDC_CATEGORY_DYNAMIC);
    if (dynamic) {
        dllFile = GetDlgItemText(IDC_CATEGORY_DLL);
        parameter = GetDlgItemText(IDC_CATEGORY_PARAMETER);
    } else {
        int position =
            static_cast<int>(::SendMessageA(GetDlgItem(IDC_CATEGORY_ROOT), CB_GETCURSEL, 0, 0));
        root = RootAtPosition(position);
        subKey = GetDlgItemText(IDC_CATEGORY_SUBKEY);
        if (!AcceptStaticKey()) return;
    }
    if (category_) {
        category_->SetName(name);
        CategoryKey& key = category_->model().key;
        key.dynamic = dynamic;
        if (dynamic) {
            key.dllFile = dllFile;
            key.parameter = parameter;
        } else {
            key.root = root;
            key.subKey = subKey;
        }
        category_->model().cardMask = cardMask;
        category_->model().osMask = osMask;
        category_->Refresh();
    }
    EndDialog(IDOK);
}
