// Resource and command identifiers of the main program.
#pragma once

// Resources
#define IDR_MAINMENU 101
#define IDB_TOOLBAR 123
#define IDI_QUILLON 124
#define IDD_ABOUT 125
#define IDC_ABOUT_TEXT 1000

// Row icons used when the registry editor's cannot be extracted
#define IDI_VALUE_STRING 140
#define IDI_VALUE_BINARY 141
#define IDI_KEY_CLOSED 142
#define IDI_KEY_OPEN 143

// Main window controls and the tray icon
#define IDC_TAB_BAR 2002
#define IDC_STATUS_BAR 2003
#define IDC_ANIMATION_STRIP 2004
#define IDC_TOOLBAR 2005
#define ID_TRAY_ICON 2479

// File menu
#define ID_FILE_EXIT 40001
#define ID_FILE_IMPORT 40007
#define ID_FILE_EXPORT_CURRENT 40008
#define ID_FILE_EXPORT_SHOWN 40011
#define ID_FILE_EXPORT_ALL 40012

// Edit menu
#define ID_EDIT_ADD_CATEGORY 40003
#define ID_EDIT_REMOVE_CATEGORY 40004
#define ID_EDIT_EDIT_CATEGORY 40009
#define ID_EDIT_BACKUP_CATEGORY 40015
#define ID_EDIT_RESTORE_CATEGORY 40016

// Options menu
#define ID_OPTIONS_PREFERENCES 40002
#define ID_OPTIONS_HOTKEYS 40019

// Profiles menu
#define ID_PROFILES_CREATE 40014
#define ID_PROFILES_AUTOPROFILES 40018
#define ID_PROFILES_UNDO 40030
#define ID_PROFILES_PREVIEW 40031

// Help menu
#define ID_HELP_ABOUT 40013

// Tab context menu and toolbar-only commands
#define ID_TAB_MOVE_LEFT 4000
#define ID_TAB_MOVE_RIGHT 4001
#define ID_TAB_EXCHANGE 4002
#define ID_TAB_HIDE 4003
#define ID_ADD_STRING_SETTING 4004
#define ID_ADD_DWORD_SETTING 4005
