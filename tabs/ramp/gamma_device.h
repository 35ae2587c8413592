// Where the gamma tab reads and writes the display's gamma ramp. The tab
// uses the screen; tests also put a device in its place that records every
// ramp written.
#pragma once

#include "gamma_ramp.h"

namespace ramp {

class GammaDevice {
public:
    virtual ~GammaDevice() = default;
    // False when the display has no readable ramp.
    virtual bool Read(GammaRamp& ramp) = 0;
    virtual bool Write(const GammaRamp& ramp) = 0;
};

}  // namespace ramp
