#include "add_setting_dialog.h"

#include "prompt.h"
#include "reg_key.h"
#include "add_setting_dialog_res.h"

namespace {
bool stringTypeChosen = true;  // "String" until a dialog or caller chooses
}

bool AddSettingDialog::StringTypeChosen() { return stringTypeChosen; }
void AddSettingDialog::ChooseStringType(bool isString) { stringTypeChosen = isString; }

AddSettingDialog::AddSettingDialog(HWND parent, HKEY root, const std::string& subKey)
    : CDialog(IDD_ADD_SETTING, parent), root_(root), subKey_(subKey) {}

void AddSettingDialog::PrefillFrom(const Setting& setting) {
    form.name = setting.ColumnText(0);
    form.valueName = setting.ColumnText(2);
    form.comment = setting.ColumnText(4);
    form.rangeText = setting.GetRangeText();
    form.tweakMap = setting.GetTweakMap();
    ChooseStringType(dynamic_cast<const StringSetting*>(&setting) != nullptr);
}

bool AddSettingDialog::OnInitDialog() {
    CheckDlgButton(IDC_SETTING_STRING, stringTypeChosen);
    CheckDlgButton(IDC_SETTING_DWORD, !stringTypeChosen);
    SetDlgItemText(IDC_SETTING_NAME, form.name);
    SetDlgItemText(IDC_SETTING_VALUE_NAME, form.valueName);
    SetDlgItemText(IDC_SETTING_COMMENT, form.comment);
    SetDlgItemText(IDC_SETTING_RANGE, form.rangeText);
    SetDlgItemText(IDC_SETTING_TWEAK_MAP, form.tweakMap);
    return true;
}

void AddSettingDialog::OnOK() {
    form.name = GetDlgItemText(IDC_SETTING_NAME);
    form.valueName = GetDlgItemText(IDC_SETTING_VALUE_NAME);
    form.comment = GetDlgItemText(IDC_SETTING_COMMENT);
    form.rangeText = GetDlgItemText(IDC_SETTING_RANGE);
    form.tweakMap = GetDlgItemText(IDC_SETTING_TWEAK_MAP);
    form.isString = IsDlgButtonChecked(IDC_SETTING_STRING);
    ChooseStringType(form.isString);
    ApplyDefaultRange(form);

    std::unique_ptr<Setting> setting;
    {
        RegKey key;
        key.Open(root_, subKey_, RegistryView::Native);
        if (form.isString)
            setting = std::make_unique<StringSetting>(form.name, form.valueName, form.comment,
                                                      key.handle());
        else
            setting = std::make_unique<DWordSetting>(form.name, form.valueName, form.comment,
                                                     key.handle());
    }
    if (!setting->ParseRange(form.rangeText)) {
        CurrentPrompt().Ask(m_hWnd, "The range is misformated", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    setting->tweakMap = StoredTweakMap(form.tweakMap);
    result = std::move(setting);
    EndDialog(IDOK);
}
