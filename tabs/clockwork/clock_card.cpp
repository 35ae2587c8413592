#include "clock_card.h"

#include "radeon_clocks.h"

#include <cstdio>

namespace clockwork {
namespace {

using pellam::MemoryPreset;

// The BIOS block and the divider register, as every use of the card needs
// them first; nothing when the formulas would divide by zero.
struct Basics {
    pellam::BiosLimits bios;
    uint32_t pll10 = 0;
    double step = 0;
};

std::optional<Basics> ReadBasics(pellam::ProbeClient& client) {
    std::optional<pellam::BiosLimits> bios = client.ReadLimits();
    std::optional<uint32_t> pll10 = client.ReadPll(pellam::kPllDividers);
    if (!bios || !pll10) return std::nullopt;
    std::optional<double> step =
        pellam::ClockStep(bios->reference, pellam::DecodeDividers(*pll10).reference);
    if (!step) return std::nullopt;
    return Basics{*bios, *pll10, *step};
}

int MemorySetting(MemoryPreset preset, uint32_t value) {
    std::optional<int> known = pellam::KnownPresetIndex(preset, value);
    return known ? *known : static_cast<int>(value);
}

}  // namespace

std::optional<CardReading> ReadCard(pellam::ProbeTransport& probe) {
    pellam::ProbeClient client(probe);
    std::optional<Basics> basics = ReadBasics(client);
    if (!basics) return std::nullopt;
    std::optional<uint32_t> pll13 = client.ReadPll(pellam::kPllClockSource);
    std::optional<uint32_t> latency = client.ReadRegister(pellam::PresetRegister(MemoryPreset::A));
    std::optional<uint32_t> timings = client.ReadRegister(pellam::PresetRegister(MemoryPreset::B));
    if (!pll13 || !latency || !timings) return std::nullopt;

    pellam::Clocks clocks = pellam::ClocksFromRegisters(basics->step, basics->pll10, *pll13);
    CardReading reading;
    reading.core = clocks.core;
    reading.memory = clocks.memory;
    reading.defaultClock = basics->bios.defaultCore;
    reading.synchronous = clocks.core == clocks.memory;
    reading.latency = MemorySetting(MemoryPreset::A, *latency);
    reading.timings = MemorySetting(MemoryPreset::B, *timings);
    return reading;
}

bool InApplyRange(double core, double memory) {
    auto inRange = [](double clock) {
        return clock >= kLowestAppliedClock && clock <= kHighestAppliedClock;
    };
    return inRange(core) && inRange(memory);
}

bool WriteCard(pellam::ProbeTransport& probe, const ApplyOptions& options, double core,
               double memory, int timings, int latency) {
    pellam::ProbeClient client(probe);
    std::optional<Basics> basics = ReadBasics(client);
    if (!basics) return false;
    if (options.frequencies) {
        // The divider is the floor of clock x factor: 1.125 MHz (half a
        // step of a 27 MHz / 12 card) more lands it on the asked clock.
        const double kRoundUp = 1.125;
        pellam::Clocks wanted{core + kRoundUp, memory + kRoundUp, core == memory};
        pellam::PllWrites writes = pellam::ClockWrites(
            wanted, pellam::DecodeDividers(basics->pll10).reference, basics->bios.reference);
        client.WritePll(writes.clockSource);
        client.WritePll(writes.dividers);
    }
    if (options.timings)
        if (auto write = pellam::PresetWrite(MemoryPreset::B, timings)) client.WriteRegister(*write);
    if (options.latency)
        if (auto write = pellam::PresetWrite(MemoryPreset::A, latency)) client.WriteRegister(*write);
    return true;
}

std::string StatusText(double core, double memory, double defaultClock,
                       const std::string& savedText) {
    if (core == 0) return "Unable to connect to r6probe :(";
    char text[512];
    std::snprintf(text, sizeof text, "Core: %.2f MHz, Mem: %.2f MHz (Default: %g MHz)     %s", core,
                  memory, defaultClock, savedText.c_str());
    return text;
}

std::string SavedText(double core, double memory) {
    char text[128];
    std::snprintf(text, sizeof text, "Saved settings: %.2f MHz/%.2f MHz", core, memory);
    return text;
}

std::string SavedTextOf(const std::optional<std::string>& currentSettings) {
    std::optional<pellam::ClockSettings> settings =
        currentSettings ? pellam::ParseClockSettings(*currentSettings) : std::nullopt;
    if (!settings) return kNoSavedSettings;
    return SavedText(settings->core, settings->memory);
}

std::string CurrentSettingsText(double core, double memory, int latency, int timings) {
    char text[128];
    std::snprintf(text, sizeof text, "%g %g %d %d", core, memory, latency, timings);
    return text;
}

int SliderPosition(double clock) { return static_cast<int>(clock + 0.5); }

int OverclockedFrom(double defaultClock) { return static_cast<int>(defaultClock * 1.2 + 0.5); }

}  // namespace clockwork
