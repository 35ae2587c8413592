// Cadence_Tab.dll: the "Refresh rates" tab over the modes the display lists.
#include "cadence_page.h"
#include "tab_exports.h"

QUILLON_TAB_PLUGIN("Refresh rates", cadence::CadencePage,
                   new (std::nothrow) cadence::CadencePage(cadence::EnumerateDisplayModes()))
