// Template and control IDs of the card selection dialog.
#pragma once

#define IDD_SELECT_CARD 130

#define IDC_CARD_LIST 1042
