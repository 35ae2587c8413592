// The gamma triple every process shares, the desktop gamma ramp made from
// it, and the triple stored for the current game.
#include "gamma_control.h"

#include "end_watcher.h"
#include "hook_state.h"
#include "intercepted_calls.h"
#include "scoped.h"
#include "triple_ramp.h"

#include "companion_registry.h"

namespace pellamhook {

pellam::GammaTriple SharedGamma() {
    return pellam::GammaTriple{g_shared.gamma, g_shared.contrast, g_shared.brightness};
}

void SetSharedGamma(const pellam::GammaTriple& triple) {
    g_shared.gamma = triple.gamma;
    g_shared.contrast = triple.contrast;
    g_shared.brightness = triple.brightness;
}

bool ParseGammaTriple(const char* text) {
    pellam::GammaTriple triple;
    if (!text || !pellam::ParseGammaTriple(text, triple)) return false;
    SetSharedGamma(triple);
    ApplyGammaRamp(false);
    return true;
}

bool ApplyGammaRamp(bool store) {
    pellam::GammaTriple triple = SharedGamma();
    TripleRamp ramp = BuildTripleRamp(triple);
    winlib::ScopedScreenDc dc(::GetDC(nullptr));
    if (!dc) return false;
    BOOL set = SetRampThroughSaved(dc.get(), ramp.data());
    dc.reset();
    if (!set || !store) return set != FALSE;
    bool first = !g_process.gammaApplied;
    g_process.gammaApplied = true;
    if (first) RecordStartActions();
    if (g_process.isGame && g_process.exeName[0] && Setting(pellam::kDoGamma))
        pellam::WriteCompanionText(pellam::kGameGammaKey, g_process.exeName,
                                   pellam::FormatGammaTriple(triple));
    return true;
}

}  // namespace pellamhook
