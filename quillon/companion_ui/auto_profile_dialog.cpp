#include "auto_profile_dialog.h"

#include "auto_profile_dialog_res.h"
#include "companion_registry.h"
#include "companion_settings.h"
#include "file_names.h"
#include "find_files.h"
#include "profile_command.h"
#include "prompt.h"
#include "same_name.h"

#include <commdlg.h>

namespace {

constexpr size_t kEnumeratedBytes = 512;
constexpr int kExecutableColumnWidth = 200;
constexpr int kCommandColumnWidth = 369;
constexpr int kUndoColumnWidth = 80;
constexpr char kUndoText[] = "Yes";
const int kEditingControls[] = {IDC_AUTO_LIST,    IDC_AUTO_BROWSE, IDC_AUTO_EXECUTABLE, IDC_AUTO_COMMAND,
                                IDC_AUTO_RESET,   IDC_AUTO_PROFILE, IDC_AUTO_UNDO};

bool UndoneAtEnd(const std::string& executable) {
    return pellam::ReadCompanionNumber(pellam::kGameProfileUndoKey, {executable.c_str(), 0}) != 0;
}

std::string ProgramPath() {
    char path[512] = "";
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path - 1);
    return std::string(path, length < sizeof path ? length : 0);
}

}  // namespace

AutoProfileDialog::AutoProfileDialog(HWND owner) : CDialog(IDD_AUTOPROFILES, owner) {}

// The list belongs to the dialog's window, which is gone by now.
AutoProfileDialog::~AutoProfileDialog() { list_.Detach(); }

bool AutoProfileDialog::OnInitDialog() {
    userEdit_ = true;
    list_.Attach(GetDlgItem(IDC_AUTO_LIST));
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, "Executable", kExecutableColumnWidth);
    list_.InsertColumn(1, "Command line", kCommandColumnWidth);
    list_.InsertColumn(2, "Undo at end", kUndoColumnWidth);

    // Pellam runs auto-profiles when the switch was never stored: so does the box.
    enabled_ = pellam::ReadCompanionNumber(pellam::kSuiteKey,
                                           pellam::StoredSetting(pellam::kDoProfiles)) != 0;
    CheckDlgButton(IDC_AUTO_ENABLE, enabled_);
    if (!enabled_) EnableEditing(false);
    ::EnableWindow(GetDlgItem(IDC_AUTO_ADD), FALSE);
    ::EnableWindow(GetDlgItem(IDC_AUTO_REMOVE), FALSE);

    FillList();
    FillProfiles();
    return true;
}

void AutoProfileDialog::FillList() {
    for (const pellam::NamedText& value :
         pellam::ReadCompanionTexts(pellam::kGameProfileKey, kEnumeratedBytes, kEnumeratedBytes)) {
        if (SameName(value.name, pellam::kResetValue)) {
            SetDlgItemText(IDC_AUTO_RESET, value.text);
            continue;
        }
        int row = list_.InsertItem(list_.GetItemCount(), value.name);
        list_.SetItemText(row, 1, value.text);
        list_.SetItemText(row, 2, UndoneAtEnd(value.name) ? kUndoText : "");
    }
}

void AutoProfileDialog::FillProfiles() {
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("Profiles\\*.qlp"))
        ::SendDlgItemMessageA(m_hWnd, IDC_AUTO_PROFILE, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(ProfileMenuText(found.cFileName).c_str()));
}

void AutoProfileDialog::EnableEditing(bool enable) {
    for (int id : kEditingControls) ::EnableWindow(GetDlgItem(id), enable);
    if (!enable) {
        ::EnableWindow(GetDlgItem(IDC_AUTO_ADD), FALSE);
        ::EnableWindow(GetDlgItem(IDC_AUTO_REMOVE), FALSE);
    }
}

void AutoProfileDialog::OnEnableClicked() {
    enabled_ = IsDlgButtonChecked(IDC_AUTO_ENABLE);
    EnableEditing(enabled_);
    // Nothing stays selected, so Remove starts disabled.
    for (int row = 0; row < list_.GetItemCount(); ++row) list_.SetItemState(row, 0, LVIS_SELECTED);
    if (enabled_) UpdateAddButton();
    // Written into a key created when missing, so the switch is never lost.
    pellam::WriteCompanionNumber(pellam::kSuiteKey, pellam::StoredSetting(pellam::kDoProfiles).name,
                                 enabled_ ? 1 : 0);
}

void AutoProfileDialog::OnBrowse() {
    char file[256] = "";
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = m_hWnd;
    open.lpstrFilter = "Executables\0*.exe\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                 OFN_NONETWORKBUTTON | OFN_LONGNAMES;
    if (::GetOpenFileNameA(&open)) SetDlgItemText(IDC_AUTO_EXECUTABLE, FileNameOfPath(file));
}

void AutoProfileDialog::OnProfileChosen() {
    HWND profiles = GetDlgItem(IDC_AUTO_PROFILE);
    LRESULT index = ::SendMessageA(profiles, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    LRESULT length = ::SendMessageA(profiles, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return;
    std::string name(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(profiles, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&name[0]));
    name.resize(static_cast<size_t>(length));
    userEdit_ = false;
    SetDlgItemText(IDC_AUTO_COMMAND, ProfileCommandLine(ProgramPath(), name));
    userEdit_ = true;
}

void AutoProfileDialog::UpdateAddButton() {
    bool both = !GetDlgItemText(IDC_AUTO_EXECUTABLE).empty() &&
                !GetDlgItemText(IDC_AUTO_COMMAND).empty();
    ::EnableWindow(GetDlgItem(IDC_AUTO_ADD), both && enabled_);
}

void AutoProfileDialog::OnEditChanged(WORD id) {
    UpdateAddButton();
    // Typed by the user: the command is no longer the chosen profile's.
    if (id == IDC_AUTO_COMMAND && userEdit_)
        ::SendDlgItemMessageA(m_hWnd, IDC_AUTO_PROFILE, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int AutoProfileDialog::RowOf(const std::string& executable) const {
    for (int row = 0; row < list_.GetItemCount(); ++row)
        if (SameName(list_.GetItemText(row, 0), executable)) return row;
    return -1;
}

void AutoProfileDialog::OnAdd() {
    std::string executable = GetDlgItemText(IDC_AUTO_EXECUTABLE);
    std::string command = GetDlgItemText(IDC_AUTO_COMMAND);
    if (executable.empty() || command.empty()) return;
    SetDlgItemText(IDC_AUTO_EXECUTABLE, "");
    SetDlgItemText(IDC_AUTO_COMMAND, "");
    bool undo = IsDlgButtonChecked(IDC_AUTO_UNDO);
    CheckDlgButton(IDC_AUTO_UNDO, false);
    if (!pellam::WriteCompanionText(pellam::kGameProfileKey, executable.c_str(), command)) return;
    // Beside the command, in a key of its own: the commands' key keeps
    // only commands.
    if (undo)
        pellam::WriteCompanionNumber(pellam::kGameProfileUndoKey, executable.c_str(), 1);
    else
        pellam::DeleteCompanionValue(pellam::kGameProfileUndoKey, executable.c_str());
    // The registry keeps one command per executable, and so does the list.
    int row = RowOf(executable);
    if (row < 0) row = list_.InsertItem(list_.GetItemCount(), executable);
    list_.SetItemText(row, 1, command);
    list_.SetItemText(row, 2, undo ? kUndoText : "");
}

void AutoProfileDialog::OnRemove() {
    if (CurrentPrompt().Ask(m_hWnd, "Do you want to delete these autoprofiles?", "Confirm delete",
                            MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.GetNextItem(row - 1, LVNI_SELECTED)) {
        std::string executable = list_.GetItemText(row, 0);
        if (!pellam::DeleteCompanionValue(pellam::kGameProfileKey, executable.c_str())) break;
        pellam::DeleteCompanionValue(pellam::kGameProfileUndoKey, executable.c_str());
        list_.DeleteItem(row);
    }
}

bool AutoProfileDialog::OnCommand(WORD id, WORD code, HWND) {
    switch (id) {
    case IDC_AUTO_ENABLE:
        if (code == BN_CLICKED) OnEnableClicked();
        return true;
    case IDC_AUTO_BROWSE:
        if (code == BN_CLICKED) OnBrowse();
        return true;
    case IDC_AUTO_ADD:
        if (code == BN_CLICKED) OnAdd();
        return true;
    case IDC_AUTO_REMOVE:
        if (code == BN_CLICKED) OnRemove();
        return true;
    case IDC_AUTO_PROFILE:
        if (code == CBN_SELCHANGE) OnProfileChosen();
        return true;
    case IDC_AUTO_EXECUTABLE:
    case IDC_AUTO_COMMAND:
        if (code == EN_CHANGE) OnEditChanged(id);
        return true;
    default:
        return false;
    }
}

bool AutoProfileDialog::OnNotify(NMHDR* header, LRESULT& result) {
    if (!header || header->idFrom != IDC_AUTO_LIST || header->code != LVN_ITEMCHANGED)
        return false;
    bool selected = list_.GetNextItem(-1, LVNI_SELECTED) >= 0;
    ::EnableWindow(GetDlgItem(IDC_AUTO_REMOVE), selected && enabled_);
    result = 0;
    return true;
}

void AutoProfileDialog::OnOK() {
    std::string reset = GetDlgItemText(IDC_AUTO_RESET);
    // The key is created when missing: a Reset command typed before any
    // auto-profile exists is kept too.
    if (reset.empty())
        pellam::DeleteCompanionValue(pellam::kGameProfileKey, pellam::kResetValue);
    else
        pellam::WriteCompanionText(pellam::kGameProfileKey, pellam::kResetValue, reset);
    EndDialog(IDOK);
}
