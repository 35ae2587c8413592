// Resource IDs of the shell's own dialogs.
#pragma once

#define IDD_SELECT_CARD 130
#define IDC_CARD_LIST 1042
