// The desktop gamma ramp made from a gamma triple (gamma, contrast,
// brightness), in the layout SetDeviceGammaRamp takes. No Windows headers.
#pragma once

#include "gamma_triple.h"

#include <array>
#include <cstdint>

namespace pellamhook {

using TripleRamp = std::array<uint16_t, 768>;  // red, green, blue; 256 entries each

// Entry i: x = i / 256, v = (x ^ (1 / gamma) x contrast + brightness) x 255,
// held to 0..255, its integer part shifted left by 8; all channels alike.
TripleRamp BuildTripleRamp(const pellam::GammaTriple& triple);

}  // namespace pellamhook
