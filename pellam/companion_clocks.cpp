// The clock operations with the program's log, question box, registry and
// the r6probe driver opened as a device.
#include "clock_operations.h"
#include "companion.h"
#include "companion_registry.h"
#include "probe_device.h"

namespace pellam {
namespace {

class ProgramClockHost : public ClockHost {
public:
    void Log(int level, const std::string& line) override { LogLine(level, "%s", line.c_str()); }
    std::unique_ptr<ProbeTransport> OpenProbe() override { return OpenProbeDevice(); }
    bool Confirm(const std::string& text) override {
        return ::MessageBoxA(nullptr, text.c_str(), "Pellam Radeon Clocks",
                             MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void StoreFactorySettings(const std::string& text) override {
        WriteCompanionText(kOverclockerKey, kFactorySettingsValue, text);
    }
};

}  // namespace

void ApplyStoredClocks() {
    std::optional<std::string> text =
        ReadCompanionText(kOverclockerKey, kCurrentSettingsValue, kClockSettingsBytes);
    if (!text) return;
    ProgramClockHost host;
    SetRadeonClocks(host, *text, g_companion.disableMemorySettings != 0);
}

void StoreDefaultClocks() {
    ProgramClockHost host;
    ReadDefaultClocks(host, g_companion.disableMemorySettings != 0);
}

}  // namespace pellam
