// Template and control IDs of the "Autoprofiles" dialog.
#pragma once

#define IDD_AUTOPROFILES 131

#define IDC_AUTO_BROWSE 1015
#define IDC_AUTO_LIST 1043
#define IDC_AUTO_ADD 1044
#define IDC_AUTO_REMOVE 1045
#define IDC_AUTO_EXECUTABLE 1046
#define IDC_AUTO_COMMAND 1048
#define IDC_AUTO_PROFILE 1049
#define IDC_AUTO_RESET 1050
#define IDC_AUTO_ENABLE 1051
#define IDC_AUTO_UNDO 1063
