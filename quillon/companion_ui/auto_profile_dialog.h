// AutoProfileDialog ("Autoprofiles"): pairs game executables with the
// command Pellam runs before each game goes on (usually Quillon with one of
// its profiles), edits the "Reset" command run after such a game ends and
// switches auto-profiles on and off. Everything it shows lives in the
// companion's registry key; every change is written at once, the Reset
// command at "Done".
#pragma once

#include "controls.h"
#include "dialog.h"

#include <string>

class AutoProfileDialog : public winlib::CDialog {
public:
    explicit AutoProfileDialog(HWND owner);
    ~AutoProfileDialog() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void FillList();
    void FillProfiles();
    void EnableEditing(bool enable);
    void OnEnableClicked();
    void OnBrowse();
    void OnProfileChosen();
    void OnEditChanged(WORD id);
    void OnAdd();
    void OnRemove();
    // The row of an executable (names compare as the registry does), or -1.
    int RowOf(const std::string& executable) const;
    void UpdateAddButton();

    winlib::CListCtrl list_;
    bool enabled_ = false;
    // Cleared while the dialog itself writes the command line, so only the
    // user's typing clears the profile choice.
    bool userEdit_ = true;
};
