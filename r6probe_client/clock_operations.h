// Pellam's two clock operations, SetRadeonClocks and ReadDefaultClocks,
// written against what they need from the program (log, question, registry,
// the driver) so they run the same under test. No Windows headers.
#pragma once

#include "probe_client.h"

#include <memory>
#include <string>

namespace pellam {

class ClockHost {
public:
    virtual ~ClockHost() = default;
    virtual void Log(int level, const std::string& line) = 0;
    // The driver, opened for one operation; null when it is missing.
    virtual std::unique_ptr<ProbeTransport> OpenProbe() = 0;
    // The Yes/No question of a settings text with its confirm flag set.
    virtual bool Confirm(const std::string& text) = 0;
    virtual void StoreFactorySettings(const std::string& text) = 0;
};

// Applies a "CurrentSettings" text. True when clocks were written.
bool SetRadeonClocks(ClockHost& host, const std::string& settingsText, bool disableMemorySettings);
// Stores the running clocks as "FactorySettings". True when stored.
bool ReadDefaultClocks(ClockHost& host, bool disableMemorySettings);

}  // namespace pellam
