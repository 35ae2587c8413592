// Template and control IDs of the profile preview.
#pragma once

#define IDD_PREVIEW 133

#define IDC_PREVIEW_SUMMARY 1061
#define IDC_PREVIEW_LIST 1062
