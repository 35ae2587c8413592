// What every program needs to decide at its start without reading the
// registry: whether it is excluded, and whether any per-game value (gamma,
// sound, profile, overclocking) is stored under its name. Pellam's process
// keeps both lists in the shared state and renews them when the
// configuration changes; while they are not known (no Pellam, or Pellam
// cannot watch the configuration) programs read the registry as before.
#pragma once

namespace pellamhook {

// Programs that refuse injected libraries: REG_MULTI_SZ "Exclude" of the
// main key.
bool Excluded(const char* exeName);
// False only when the shared lists say that nothing is stored for the
// program.
bool MayHaveStoredValues(const char* exeName);

// Pellam's process: reads both lists from the registry into the shared
// state. With 'watched' false the lists count as unknown, so programs read
// the registry themselves.
void RenewProgramNames(bool watched);

}  // namespace pellamhook
