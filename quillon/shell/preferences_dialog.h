// PreferencesDialog ("Preferences"): moves tabs between the tab bar and the
// hidden list, deletes tabs, chooses the animation and switches full-row
// selection and starting with Windows. Each action is applied to the main
// window at once; the dialog keeps no copy of its state, so "Close" only
// closes it.
#pragma once

#include "dialog.h"

class CTweakerWindow;

class PreferencesDialog : public winlib::CDialog {
public:
    explicit PreferencesDialog(CTweakerWindow& window);

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void FillTabLists();
    void FillAnimations();
    void OnShownSelected();
    void OnHiddenSelected();
    void OnHide();
    void OnShow();
    void OnDeleteShown();
    void OnDeleteHidden();
    void OnAnimationChosen();
    void OnFullRowClicked();
    void OnStartClicked();
    // Entry i of the shown list is shown tab i; of the hidden list, hidden tab i.
    int Selection(int listId) const;
    void AddEntry(int listId, const std::string& text) const;
    void RemoveEntry(int listId, int index) const;
    void Enable(int id, bool enable) const;
    // "Yes" to the question about removing this tab for good.
    bool ConfirmDelete(const char* question, const std::string& tabName) const;

    CTweakerWindow& window_;
};
