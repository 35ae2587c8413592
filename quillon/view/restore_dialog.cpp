#include "restore_dialog.h"

#include "backup.h"
#include "prompt.h"
#include "restore_dialog_res.h"

#include <vector>

RestoreDialog::RestoreDialog(HWND parent, Category& category)
    : CDialog(IDD_RESTORE, parent), category_(category) {}

bool RestoreDialog::OnInitDialog() {
    list_.Attach(GetDlgItem(IDC_RESTORE_LIST));
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, "File", 200);
    list_.InsertColumn(1, "Date", 120);
    int row = 0;
    for (const BackupListing& backup : ListBackups()) {
        int inserted = list_.InsertItem(row++, backup.fileText);
        list_.SetItemText(inserted, 1, backup.dateText);
    }
    return true;
}

void RestoreDialog::OnOK() {
    std::vector<std::string> files;
    for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list_.GetNextItem(row, LVNI_SELECTED))
        files.push_back(list_.GetItemText(row, 0));
    if (files.empty()) {
        EndDialog(IDOK);
        return;
    }
    std::string question =
        files.size() == 1
            ? "Are you sure you want to restore the \"" + files[0] + "\" backup?"
            : "Are you sure you want to restore the " + std::to_string(files.size()) +
                  " selected backups?";
    if (CurrentPrompt().Ask(m_hWnd, question, "Confirm restore", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    for (const std::string& file : files) {
        RestoreCategory(category_, file + ".backup");
        category_.Refresh();
    }
    EndDialog(IDOK);
}
