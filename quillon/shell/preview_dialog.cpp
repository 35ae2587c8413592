#include "preview_dialog.h"

#include "preview_dialog_res.h"

namespace {
constexpr int kCategoryWidth = 130, kValueWidth = 150, kStateWidth = 140;
}  // namespace

PreviewDialog::PreviewDialog(HWND owner, std::string profileName, std::vector<PreviewRow> rows)
    : CDialog(IDD_PREVIEW, owner), profileName_(std::move(profileName)), rows_(std::move(rows)) {}

PreviewDialog::~PreviewDialog() { list_.Detach(); }

bool PreviewDialog::OnInitDialog() {
    std::string summary = "Applying \"" + profileName_ + "\" changes " + std::to_string(rows_.size()) +
                          (rows_.size() == 1 ? " value:" : " values:");
    ::SetDlgItemTextA(m_hWnd, IDC_PREVIEW_SUMMARY, summary.c_str());
    list_.Attach(GetDlgItem(IDC_PREVIEW_LIST));
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.InsertColumn(0, "Category", kCategoryWidth);
    list_.InsertColumn(1, "Value", kValueWidth);
    list_.InsertColumn(2, "Current value", kStateWidth);
    list_.InsertColumn(3, "New value", kStateWidth);
    for (const PreviewRow& row : rows_) {
        int item = list_.InsertItem(list_.GetItemCount(), row.category);
        list_.SetItemText(item, 1, row.value);
        list_.SetItemText(item, 2, row.current);
        list_.SetItemText(item, 3, row.next);
    }
    return true;
}
