#include "screen_gamma_device.h"

#include <windows.h>

namespace ramp {

namespace {

// The screen's device context for the length of one call.
class ScreenDC {
public:
    ScreenDC() : dc_(::GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_) ::ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

bool ScreenGammaDevice::Read(GammaRamp& ramp) {
    ScreenDC screen;
    return screen.get() && ::GetDeviceGammaRamp(screen.get(), ramp.data()) != FALSE;
}

bool ScreenGammaDevice::Write(const GammaRamp& ramp) {
    ScreenDC screen;
    // The API takes a non-const pointer but only reads the ramp.
    GammaRamp copy = ramp;
    return screen.get() && ::SetDeviceGammaRamp(screen.get(), copy.data()) != FALSE;
}

}  // namespace ramp
