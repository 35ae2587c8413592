// One item of a popup menu as the program builds it, before any menu
// exists: the tab menu and the setting list's menu are built as lists of
// these, so what they offer is tested without a window.
#pragma once

#include <cstdint>
#include <string>

struct MenuEntry {
    std::string text;  // empty for a separator
    std::uint32_t id = 0;
    bool grayed = false;
};
