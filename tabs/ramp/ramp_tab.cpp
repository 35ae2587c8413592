// Ramp_Tab.dll: the "Gamma correction" tab on the screen's own gamma ramp.
#include "gamma_page.h"
#include "screen_gamma_device.h"
#include "tab_exports.h"

namespace {

ramp::ScreenGammaDevice screen;

}  // namespace

QUILLON_TAB_PLUGIN("Gamma correction", ramp::GammaPage, new (std::nothrow) ramp::GammaPage(screen))
