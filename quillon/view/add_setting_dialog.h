// AddSettingDialog ("Add setting"): defines a new setting or the replacement
// of an edited one. On OK 'result' holds the new setting.
#pragma once

#include "dialog.h"
#include "setting.h"
#include "setting_form.h"

#include <memory>

class AddSettingDialog : public winlib::CDialog {
public:
    AddSettingDialog(HWND parent, HKEY root, const std::string& subKey);

    // Prefills the fields from a setting being edited.
    void PrefillFrom(const Setting& setting);

    // The type choice shared by every setting dialog of the program.
    static bool StringTypeChosen();
    static void ChooseStringType(bool isString);

    SettingForm form;
    std::unique_ptr<Setting> result;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    HKEY root_;
    std::string subKey_;
};
