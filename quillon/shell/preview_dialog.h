// PreviewDialog ("Preview profile"): what applying a profile would change,
// one row per value that differs: its category, the value, what it holds now
// and what it would hold ("(absent)" for a value that does not exist).
// Apply ends with IDOK, Cancel with IDCANCEL; nothing is written here.
#pragma once

#include "controls.h"
#include "dialog.h"

#include <string>
#include <vector>

struct PreviewRow {
    std::string category;
    std::string value;
    std::string current;
    std::string next;
};

class PreviewDialog : public winlib::CDialog {
public:
    PreviewDialog(HWND owner, std::string profileName, std::vector<PreviewRow> rows);
    ~PreviewDialog() override;

protected:
    bool OnInitDialog() override;

private:
    std::string profileName_;
    std::vector<PreviewRow> rows_;
    winlib::CListCtrl list_;
};
