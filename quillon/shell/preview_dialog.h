// PreviewDialog: what a change would do, before it is done: a summary line
// and one row per item it changes (for a profile: each value that differs,
// with its category, what it holds now and what it would hold; for a tweak
// database: each category and setting it adds or changes). Apply ends with
// IDOK, Cancel with IDCANCEL; nothing is written here.
#pragma once

#include "controls.h"
#include "dialog.h"

#include <string>
#include <vector>

struct PreviewColumn {
    const char* heading;
    int width;
};

class PreviewDialog : public winlib::CDialog {
public:
    PreviewDialog(HWND owner, std::string caption, std::string summary, std::vector<PreviewColumn> columns,
                  std::vector<std::vector<std::string>> rows);
    ~PreviewDialog() override;

protected:
    bool OnInitDialog() override;

private:
    std::string caption_, summary_;
    std::vector<PreviewColumn> columns_;
    std::vector<std::vector<std::string>> rows_;
    winlib::CListCtrl list_;
};
