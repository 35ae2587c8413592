#include "companion.h"
#include "companion_registry.h"
#include "scoped.h"

namespace pellam {

void LoadConfiguration() {
    winlib::RegistryKey key = OpenCompanionKey(kSuiteKey);
    LoadCompanionSettings(KeyValues(key.handle()), g_companion.settings, g_companion.extras,
                          [](const char* name, uint32_t value) {
                              LogLine(1, "%s = %d", name, static_cast<int>(value));
                          });
}

}  // namespace pellam
