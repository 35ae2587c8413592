#include "radeon_clocks.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pellam {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// One scanf-like field at *pos: white space, then a number. False when no
// number starts there, which ends the scan as scanf's count does.
bool ScanFloat(const std::string& text, size_t& pos, float& out) {
    const char* start = text.c_str() + pos;
    char* end = nullptr;
    float value = std::strtof(start, &end);
    if (end == start) return false;
    out = value;
    pos += static_cast<size_t>(end - start);
    return true;
}

bool ScanInt(const std::string& text, size_t& pos, int& out) {
    const char* start = text.c_str() + pos;
    while (*start && IsSpace(*start)) ++start;
    if (*start != '-' && *start != '+' && (*start < '0' || *start > '9')) return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(start, &end, 10);
    if (end == start) return false;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    out = static_cast<int>(value);
    pos = static_cast<size_t>(end - text.c_str());
    return true;
}

uint32_t Word(const uint8_t* bytes, size_t at) { return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8; }

const uint32_t kPresetA[] = {0x7FFFF1FF, 0x44334244};
const uint32_t kPresetB[] = {0x1405357F, 0x1405356A, 0x1405256A};

}  // namespace

std::optional<ClockSettings> ParseClockSettings(const std::string& text) {
    ClockSettings s;
    size_t pos = 0;
    // strtof stops at an embedded zero, as the C string it reads.
    if (!ScanFloat(text, pos, s.core) || !ScanFloat(text, pos, s.memory) ||
        !ScanInt(text, pos, s.presetA) || !ScanInt(text, pos, s.presetB))
        return std::nullopt;
    if (!ScanInt(text, pos, s.confirm)) s.confirm = 0;
    return s;
}

std::string ConfirmText(const ClockSettings& s) {
    char text[160];
    std::snprintf(text, sizeof text, "%3.1f, %3.1f, %d, %d", s.core, s.memory, s.presetA,
                  s.presetB);
    return text;
}

std::string FactorySettingsText(double core, double memory, int presetA, int presetB) {
    char text[160];
    std::snprintf(text, sizeof text, "%3.2f %3.2f %d %d", core, memory, presetA, presetB);
    return text;
}

std::optional<BiosLimits> ParseBiosLimits(const uint8_t* block, size_t size) {
    if (!block || size < kBiosPllBlockBytes) return std::nullopt;
    BiosLimits limits;
    limits.defaultCore = Word(block, 8) * 0.01;
    limits.reference = Word(block, 14) * 0.01;
    limits.lowest = Word(block, 18) * 0.01;
    limits.highest = Word(block, 22) * 0.01;
    return limits;
}

PllDividers DecodeDividers(uint32_t pll10) {
    return {pll10 & 0xFF, (pll10 >> 8) & 0xFF, (pll10 >> 16) & 0xFF};
}

std::optional<double> ClockStep(double referenceClock, uint32_t referenceDivider) {
    if (referenceDivider == 0 || !(referenceClock > 0)) return std::nullopt;
    return referenceClock / referenceDivider;
}

Clocks ClocksFromRegisters(double step, uint32_t pll10, uint32_t pll13) {
    PllDividers d = DecodeDividers(pll10);
    Clocks clocks;
    clocks.synchronous = IsSynchronous(pll13);
    clocks.memory = step * d.memory;
    clocks.core = clocks.synchronous ? clocks.memory : step * d.core;
    return clocks;
}

Clocks PlanClocks(double core, double memory, double step, const BiosLimits& limits) {
    Clocks clocks;
    clocks.core = std::trunc(core / step) * step;
    clocks.memory = std::trunc(memory / step) * step;
    if (std::fabs(clocks.core - clocks.memory) < step) {
        clocks.synchronous = true;
        clocks.core = clocks.memory;
    }
    auto limit = [&](double clock) {
        if (!(clock >= limits.lowest)) return limits.lowest;  // NaN too
        if (clock > limits.highest) return limits.highest;
        return clock;
    };
    clocks.core = limit(clocks.core);
    clocks.memory = limit(clocks.memory);
    return clocks;
}

PllWrites ClockWrites(const Clocks& clocks, uint32_t referenceDivider, double referenceClock) {
    double factor = referenceDivider / referenceClock;
    double memory = clocks.synchronous ? clocks.core : clocks.memory;
    auto divider = [&](double clock) {
        double d = std::floor(clock * factor);
        if (!(d >= 0)) return 0u;
        return d > 255 ? 255u : static_cast<uint32_t>(d);
    };
    PllWrites writes;
    writes.clockSource = {kPllClockSource, 0xF, clocks.synchronous ? 7u : 2u};
    writes.dividers = {kPllDividers, 0xFFFF00,
                       divider(clocks.core) << 16 | divider(memory) << 8};
    return writes;
}

uint32_t PresetRegister(MemoryPreset preset) { return preset == MemoryPreset::A ? 0x154 : 0x144; }

std::optional<MaskedWrite> PresetWrite(MemoryPreset preset, int index) {
    // The index is compared unsigned, so -1 is out of range.
    unsigned i = static_cast<unsigned>(index);
    if (preset == MemoryPreset::A) {
        if (i >= 2) return std::nullopt;
        return MaskedWrite{0x154, 0xFFFFFFFF, kPresetA[i]};
    }
    if (i >= 3) return std::nullopt;
    return MaskedWrite{0x144, 0xF0FF, kPresetB[i]};
}

std::optional<int> KnownPresetIndex(MemoryPreset preset, uint32_t value) {
    if (preset == MemoryPreset::A) {
        for (int i = 0; i < 2; ++i)
            if (value == kPresetA[i]) return i;
        return std::nullopt;
    }
    // Timings are compared under the preset's mask.
    for (int i = 0; i < 3; ++i)
        if ((value & 0xF0FF) == (kPresetB[i] & 0xF0FF)) return i;
    return std::nullopt;
}

int PresetIndexFromRegister(MemoryPreset preset, uint32_t value) {
    std::optional<int> known = KnownPresetIndex(preset, value);
    if (known) return *known;
    // An unknown latency reads as the second one; unknown timings as none.
    return preset == MemoryPreset::A ? 1 : kPresetUnknown;
}

}  // namespace pellam
