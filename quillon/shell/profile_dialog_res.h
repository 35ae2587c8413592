// Template and control IDs of the "Create profile" dialog.
#pragma once

#define IDD_PROFILE 128

#define IDC_PROFILE_CATEGORIES 1038
#define IDC_PROFILE_NAME 1039
