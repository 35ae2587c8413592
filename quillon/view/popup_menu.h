// Shows built menu entries as a popup menu.
#pragma once

#include "menu_entry.h"

#include <windows.h>

#include <vector>

// Tracks the entries at a screen point with TrackPopupMenu's 'flags'; the
// result is TrackPopupMenu's (the chosen command with TPM_RETURNCMD).
UINT TrackMenuEntries(HWND owner, const std::vector<MenuEntry>& entries, POINT screen, UINT flags);
