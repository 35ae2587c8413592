// The gamma ramp of the whole screen (the device context of the desktop).
#pragma once

#include "gamma_device.h"

namespace ramp {

class ScreenGammaDevice : public GammaDevice {
public:
    bool Read(GammaRamp& ramp) override;
    bool Write(const GammaRamp& ramp) override;
};

}  // namespace ramp
