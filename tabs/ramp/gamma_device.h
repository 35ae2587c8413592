// Where the gamma tab reads and writes the display's gamma ramp. The tab
// uses the screen; the tests put a device in its place that records what
// would be set, since a virtual display has no ramp to change.
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
