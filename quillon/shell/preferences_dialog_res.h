// Template and control IDs of the "Preferences" dialog.
#pragma once

#define IDD_PREFERENCES 113

#define IDC_PREF_HIDDEN 1026
#define IDC_PREF_SHOWN 1027
#define IDC_PREF_HIDE 1028
#define IDC_PREF_SHOW 1029
#define IDC_PREF_DELETE_SHOWN 1030
#define IDC_PREF_DELETE_HIDDEN 1031
#define IDC_PREF_ANIMATION 1034
#define IDC_PREF_FULL_ROW 1035
#define IDC_PREF_START 1036
