// Template and control IDs of the "Restore" dialog.
#pragma once

#define IDD_RESTORE 126

#define IDC_RESTORE_LIST 1040
