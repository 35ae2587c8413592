#include "clock_operations.h"

#include <cstdio>

namespace pellam {
namespace {

const char kInstallationProblem[] = "Radeon Overclocking Installation Problem";

// The driver with the BIOS limits and the divider register read, as each
// operation needs them first.
struct OpenedProbe {
    std::unique_ptr<ProbeTransport> transport;
    BiosLimits limits;
    uint32_t pll10 = 0;
    double step = 0;
};

bool Open(ClockHost& host, OpenedProbe& probe) {
    probe.transport = host.OpenProbe();
    if (!probe.transport) {
        host.Log(1, kInstallationProblem);
        return false;
    }
    ProbeClient client(*probe.transport);
    std::optional<BiosLimits> limits = client.ReadLimits();
    std::optional<uint32_t> pll10 = client.ReadPll(kPllDividers);
    std::optional<double> step =
        limits && pll10 ? ClockStep(limits->reference, DecodeDividers(*pll10).reference)
                        : std::nullopt;
    // A driver that does not answer, or a zero reference, would only give
    // nonsense clocks: treated like a missing driver.
    if (!step) {
        host.Log(1, kInstallationProblem);
        return false;
    }
    probe.limits = *limits;
    probe.pll10 = *pll10;
    probe.step = *step;
    return true;
}

}  // namespace

bool SetRadeonClocks(ClockHost& host, const std::string& settingsText, bool disableMemorySettings) {
    host.Log(1, "Setting Radeon Clocks (" + settingsText + ")");
    std::optional<ClockSettings> settings = ParseClockSettings(settingsText);
    if (!settings) return false;
    if (settings->confirm != 0 && !host.Confirm(ConfirmText(*settings))) return false;

    OpenedProbe probe;
    if (!Open(host, probe)) return false;
    ProbeClient client(*probe.transport);
    Clocks clocks = PlanClocks(settings->core, settings->memory, probe.step, probe.limits);
    PllWrites writes =
        ClockWrites(clocks, DecodeDividers(probe.pll10).reference, probe.limits.reference);
    client.WritePll(writes.clockSource);
    client.WritePll(writes.dividers);
    if (!disableMemorySettings) {
        if (auto a = PresetWrite(MemoryPreset::A, settings->presetA)) client.WriteRegister(*a);
        if (auto b = PresetWrite(MemoryPreset::B, settings->presetB)) client.WriteRegister(*b);
    }
    probe.transport.reset();
    char line[128];
    std::snprintf(line, sizeof line, "Set Radeon Clocks (%3.1f, %3.1f)", clocks.core,
                  clocks.memory);
    host.Log(1, line);
    return true;
}

bool ReadDefaultClocks(ClockHost& host, bool disableMemorySettings) {
    host.Log(1, "Reading default Radeon Clocks");
    OpenedProbe probe;
    if (!Open(host, probe)) return false;
    ProbeClient client(*probe.transport);
    std::optional<uint32_t> pll13 = client.ReadPll(kPllClockSource);
    if (!pll13) {
        host.Log(1, kInstallationProblem);
        return false;
    }
    Clocks clocks = ClocksFromRegisters(probe.step, probe.pll10, *pll13);
    int presetA = kPresetUnknown, presetB = kPresetUnknown;
    if (!disableMemorySettings) {
        std::optional<uint32_t> a = client.ReadRegister(PresetRegister(MemoryPreset::A));
        std::optional<uint32_t> b = client.ReadRegister(PresetRegister(MemoryPreset::B));
        // A register that cannot be read is left alone when the text is applied.
        presetA = a ? PresetIndexFromRegister(MemoryPreset::A, *a) : kPresetUnknown;
        presetB = b ? PresetIndexFromRegister(MemoryPreset::B, *b) : kPresetUnknown;
    }
    std::string text = FactorySettingsText(clocks.core, clocks.memory, presetA, presetB);
    host.StoreFactorySettings(text);
    host.Log(1, "Read default Radeon Clocks(" + text + ")");
    return true;
}

}  // namespace pellam
