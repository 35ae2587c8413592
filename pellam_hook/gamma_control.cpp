// The desktop gamma ramp from the shared gamma triple, and the triple
// stored for the current game.
#include "end_watcher.h"
#include "hook_state.h"
#include "triple_ramp.h"

#include "companion_registry.h"

namespace pellamhook {

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
    HDC dc = ::GetDC(nullptr);
    if (!dc) return false;
    BOOL set = SetRampThroughSaved(dc, ramp.data());
    ::ReleaseDC(nullptr, dc);
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
