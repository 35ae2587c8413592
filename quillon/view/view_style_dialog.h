// CategoryViewStyleDialog ("View style"): edits the colours and background
// image of one live category list. All values live in the list control.
#pragma once

#include "controls.h"
#include "dialog.h"

class CategoryViewStyleDialog : public winlib::CDialog {
public:
    CategoryViewStyleDialog(HWND parent, winlib::CListCtrl& list);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void Apply();
    void ChooseColour(int editId, COLORREF current);
    void BrowseImage();
    winlib::CListCtrl& list_;
};
