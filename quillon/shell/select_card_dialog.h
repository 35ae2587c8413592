// SelectCardDialog ("Select graphic card"): asked when the primary display
// device is not recognised. OK remembers the chosen card in
// HKLM\SOFTWARE\Quillon "GraphicCard"; Cancel leaves the card unknown.
#pragma once

#include "dialog.h"

#include <cstdint>

class SelectCardDialog : public winlib::CDialog {
public:
    explicit SelectCardDialog(HWND owner);

    // One bit of kCardNames after OK; 0 when cancelled.
    int32_t card = 0;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
};
