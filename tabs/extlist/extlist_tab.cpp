// Extlist_Tab.dll: the "OpenGL info" tab, with the registry page address the
// plug-in's settings name.
#include "extlist_page.h"
#include "tab_exports.h"

namespace {

extlist::DesktopPageHost desktop;

}  // namespace

QUILLON_TAB_PLUGIN("OpenGL info", extlist::ExtlistPage,
                   new (std::nothrow) extlist::ExtlistPage(desktop, extlist::RegistryPageAddress()))
