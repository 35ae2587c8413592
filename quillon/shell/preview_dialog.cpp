#include "preview_dialog.h"

#include "preview_dialog_res.h"

PreviewDialog::PreviewDialog(HWND owner, std::string caption, std::string summary, std::vector<PreviewColumn> columns,
                             std::vector<std::vector<std::string>> rows)
    : CDialog(IDD_PREVIEW, owner),
      caption_(std::move(caption)),
      summary_(std::move(summary)),
      columns_(std::move(columns)),
      rows_(std::move(rows)) {}

PreviewDialog::~PreviewDialog() { list_.Detach(); }

bool PreviewDialog::OnInitDialog() {
    ::SetWindowTextA(m_hWnd, caption_.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_PREVIEW_SUMMARY, summary_.c_str());
    list_.Attach(GetDlgItem(IDC_PREVIEW_LIST));
    list_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (size_t c = 0; c < columns_.size(); ++c)
        list_.InsertColumn(static_cast<int>(c), columns_[c].heading, columns_[c].width);
    for (const std::vector<std::string>& row : rows_) {
        if (row.empty()) continue;
        int item = list_.InsertItem(list_.GetItemCount(), row[0]);
        for (size_t c = 1; c < row.size(); ++c) list_.SetItemText(item, static_cast<int>(c), row[c]);
    }
    return true;
}
