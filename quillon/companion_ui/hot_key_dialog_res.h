// Template and control IDs of the "HotKeys" dialog.
#pragma once

#define IDD_HOTKEYS 132

#define IDC_HOTKEY_LETTER 1054
#define IDC_HOTKEY_ALT 1056
#define IDC_HOTKEY_SHIFT 1057
#define IDC_HOTKEY_CTRL 1058
#define IDC_HOTKEY_WIN 1059
#define IDC_HOTKEY_FUNCTION 1060
