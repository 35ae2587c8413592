// What one keyboard event means to the hook library: the modifier state it
// leaves, the hot-key code it forms, and which hot keys it matches. No
// Windows headers, so the rules are tested natively.
#pragma once

#include "companion_settings.h"
#include "gamma_triple.h"

#include <cstdint>

namespace pellamhook {

// Shared by every process: single aligned 32-bit stores, no lock.
struct ModifierState {
    uint32_t ctrlDown = 0;
    uint32_t shiftDown = 0;
    uint32_t winDown = 0;
};

// Updates the modifiers from one event and returns its hot-key code. Bit 31
// of the key flags is set on release, bit 29 while Alt is down. The code
// carries no press or release state.
uint32_t TrackHotKeyCode(uint32_t virtualKey, uint32_t keyFlags, ModifierState& modifiers);

enum class SoundStep { None, Up, Down, Reset };

struct HotKeyOutcome {
    bool quit = false;          // signal Pellam's quit event
    bool forgetGame = false;    // delete the game's stored gamma and sound
    bool gammaChanged = false;  // 'triple' is the new, limited state
    pellam::GammaTriple triple;
    SoundStep sound = SoundStep::None;
    bool Swallowed() const { return quit || forgetGame || gammaChanged || sound != SoundStep::None; }
};

// Matches 'code' against the hot keys: quit first, then reset (only for a
// process with a name), otherwise every gamma, contrast and brightness key
// that matches applies in turn, and the sound keys when the process has a
// volume control. Gamma and contrast end up within 0..2, brightness 0..1.
HotKeyOutcome MatchHotKeys(uint32_t code, const pellam::CompanionSettings& settings,
                           const pellam::GammaTriple& current, bool hasExeName, bool hasVolume);

}  // namespace pellamhook
