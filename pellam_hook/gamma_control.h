// The desktop's gamma: the triple every process shares and the ramp made
// from it.
#pragma once

#include "gamma_triple.h"

namespace pellamhook {

pellam::GammaTriple SharedGamma();
void SetSharedGamma(const pellam::GammaTriple& triple);
// Parses "gamma contrast brightness", shares it and sets the ramp.
bool ParseGammaTriple(const char* text);
// Sets the ramp of the shared triple; with store, a game's triple is saved
// under its name.
bool ApplyGammaRamp(bool store);

}  // namespace pellamhook
