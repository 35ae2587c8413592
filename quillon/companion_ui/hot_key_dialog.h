// HotKeyDialog ("HotKeys"): the user picks one of the nine gamma, brightness
// and contrast functions, then a letter and modifiers. A function's choice is
// stored in the companion's key when the user moves to another function or
// presses "Done"; Pellam notices the change itself.
#pragma once

#include "dialog.h"
#include "hot_key_choice.h"

class HotKeyDialog : public winlib::CDialog {
public:
    explicit HotKeyDialog(HWND owner);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    // Stores the function being edited when it was changed, then shows the
    // one selected in the function list.
    void LoadSelectedFunction();
    void SaveCurrentFunction();
    void ShowChoice();
    void ReadModifiers();

    HotKeyChoice choice_;
    int current_ = -1;
    bool dirty_ = false;
};
