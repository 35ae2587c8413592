// Resource IDs of the shell's own dialogs.
#pragma once

#define IDD_SELECT_CARD 130
#define IDC_CARD_LIST 1042

#define IDD_PROFILE 128
#define IDC_PROFILE_CATEGORIES 1038
#define IDC_PROFILE_NAME 1039
