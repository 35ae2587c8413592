// Template and control IDs of the "Add setting" dialog.
#pragma once

#define IDD_ADD_SETTING 103

#define IDC_SETTING_NAME 1005
#define IDC_SETTING_VALUE_NAME 1006
#define IDC_SETTING_COMMENT 1007
#define IDC_SETTING_STRING 1008
#define IDC_SETTING_DWORD 1009
#define IDC_SETTING_RANGE 1010
#define IDC_SETTING_TWEAK_MAP 1036
