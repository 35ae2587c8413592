// RestoreDialog ("Restore"): lists every backup file of the program folder
// and writes the chosen ones into one category's key.
#pragma once

#include "category.h"
#include "controls.h"
#include "dialog.h"

class RestoreDialog : public winlib::CDialog {
public:
    RestoreDialog(HWND parent, Category& category);
    ~RestoreDialog() override { list_.Detach(); }  // the dialog owns the control

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    Category& category_;
    winlib::CListCtrl list_;
};
