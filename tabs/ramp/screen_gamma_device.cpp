#include "screen_gamma_device.h"

#include "scoped.h"

#include <windows.h>

namespace ramp {

bool ScreenGammaDevice::Read(GammaRamp& ramp) {
    winlib::ScopedGetDC screen(nullptr);
    return screen.get() && ::GetDeviceGammaRamp(screen.get(), ramp.data()) != FALSE;
}

bool ScreenGammaDevice::Write(const GammaRamp& ramp) {
    winlib::ScopedGetDC screen(nullptr);
    // The API takes a non-const pointer but only reads the ramp.
    GammaRamp copy = ramp;
    return screen.get() && ::SetDeviceGammaRamp(screen.get(), copy.data()) != FALSE;
}

}  // namespace ramp
