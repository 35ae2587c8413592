// The clock maths of the Radeon overclocking values: the settings texts,
// the clock limits of the video BIOS, the PLL dividers and the memory
// presets. No Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace pellam {

// "CurrentSettings": "%f %f %d %d %d", of which at least four fields.
struct ClockSettings {
    float core = 0;    // MHz
    float memory = 0;  // MHz
    int presetA = -1;
    int presetB = -1;
    int confirm = 0;
};
std::optional<ClockSettings> ParseClockSettings(const std::string& text);
// What the confirmation box shows: "%3.1f, %3.1f, %d, %d".
std::string ConfirmText(const ClockSettings& settings);
// "FactorySettings": "%3.2f %3.2f %d %d".
std::string FactorySettingsText(double core, double memory, int presetA, int presetB);

// Clock limits from the 24-byte PLL block of the video BIOS: words at bytes
// 8 (the card's default core clock), 14 (reference clock), 18 (lowest) and
// 22 (highest) in units of 0.01 MHz.
struct BiosLimits {
    double reference = 0;
    double lowest = 0;
    double highest = 0;
    double defaultCore = 0;
};
constexpr uint32_t kBiosPointerOffset = 0x48;  // word: where the PLL block's pointer lies, less 0x30
constexpr uint32_t kBiosPointerBias = 0x30;
constexpr size_t kBiosPllBlockBytes = 24;
std::optional<BiosLimits> ParseBiosLimits(const uint8_t* block, size_t size);

// PLL register 10: reference divider bits 0-7, memory feedback divider
// 8-15, core feedback divider 16-23. PLL register 13: low three bits all
// set when core and memory run from one clock.
constexpr uint32_t kPllDividers = 10;
constexpr uint32_t kPllClockSource = 13;
struct PllDividers {
    uint32_t reference = 0;
    uint32_t memory = 0;
    uint32_t core = 0;
};
PllDividers DecodeDividers(uint32_t pll10);
inline bool IsSynchronous(uint32_t pll13) { return (pll13 & 7) == 7; }

struct Clocks {
    double core = 0;
    double memory = 0;
    bool synchronous = false;
};

// MHz of one feedback divider step; nothing when the BIOS or the chip give
// a zero reference (a divide by zero would write nonsense clocks).
std::optional<double> ClockStep(double referenceClock, uint32_t referenceDivider);
Clocks ClocksFromRegisters(double step, uint32_t pll10, uint32_t pll13);

// The clocks to set for a request: each clock cut down to a whole number of
// steps, one clock for both when they are less than a step apart, and both
// kept within the BIOS limits (not a number counts as too low).
Clocks PlanClocks(double core, double memory, double step, const BiosLimits& limits);

// The two masked PLL writes that set 'clocks'.
struct MaskedWrite {
    uint32_t index;
    uint32_t mask;
    uint32_t value;
};
struct PllWrites {
    MaskedWrite clockSource;  // PLL 13
    MaskedWrite dividers;     // PLL 10
};
// Dividers are floor(clock x reference divider / reference clock), each
// held to its 8-bit field so one cannot spill into the other.
PllWrites ClockWrites(const Clocks& clocks, uint32_t referenceDivider, double referenceClock);

// Memory presets, chip registers written with a mask. An index outside a
// preset's table (negative ones included) leaves the preset alone.
enum class MemoryPreset { A, B };
std::optional<MaskedWrite> PresetWrite(MemoryPreset preset, int index);
uint32_t PresetRegister(MemoryPreset preset);
// The index a register value stands for: A gives 0 or 1; B 0, 1, 2 or 3 for
// an unknown value.
int PresetIndexFromRegister(MemoryPreset preset, uint32_t value);
constexpr int kPresetUnknown = 3;
// The index of a value in a preset's table; nothing for any other value.
std::optional<int> KnownPresetIndex(MemoryPreset preset, uint32_t value);

}  // namespace pellam
