// Clockwork_Tab.dll: the "Radeon overclocking" tab. It has no
// ExportedInterface, so its Init gets the main window object.
#include "clockwork_page.h"
#include "tab_exports.h"

QUILLON_TAB_PAGE_EXPORTS("Radeon overclocking", clockwork::ClockworkPage,
                         new (std::nothrow) clockwork::ClockworkPage())
