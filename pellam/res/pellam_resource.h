// Resource IDs of Pellam.exe.
#pragma once

#define IDI_PELLAM 101
#define IDB_LOGO 107
#define IDR_CLOSING_SOUND 108  // type "SOUND", played when Pellam ends
#define IDD_SPLASH 115
#define IDC_SPLASH_PICTURE 1042
