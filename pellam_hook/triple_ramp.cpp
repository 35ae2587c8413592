#include "triple_ramp.h"

#include <cmath>

namespace pellamhook {

TripleRamp BuildTripleRamp(const pellam::GammaTriple& triple) {
    TripleRamp ramp{};
    for (int i = 0; i < 256; ++i) {
        double x = i / 256.0;
        double v = (std::pow(x, 1.0 / triple.gamma) * triple.contrast + triple.brightness) * 255.0;
        // Negative numbers from a hand-written triple text (and the NaN of
        // 0 ^ -inf) would wrap round to bright entries: they give black.
        if (!(v > 0.0)) v = 0.0;
        if (v >= 255.0) v = 255.0;
        uint16_t entry = static_cast<uint16_t>((static_cast<unsigned>(v) & 0xFF) << 8);
        ramp[i] = ramp[256 + i] = ramp[512 + i] = entry;
    }
    return ramp;
}

}  // namespace pellamhook
