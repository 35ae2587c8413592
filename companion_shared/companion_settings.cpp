#include "companion_settings.h"

#include <cstdio>
#include <cstring>

namespace pellam {
namespace {

// Entries 0 to 22 of the block. Hot keys: virtual key in bits 0-15,
// 0x10000 Alt, 0x20000 Ctrl, 0x40000 Shift.
const NumberValue kStored[kStoredSettingCount] = {
    {"Debug", 0},
    {"Patch", 0},
    {"RecursivePatch", 0},
    {"UnPatch", 1},
    {"DoProfiles", 1},
    {"DoOverclocking", 1},
    {"DoGamma", 1},
    {"DoSound", 1},
    {"DoDesktopDisplayChange", 0},
    {"SoundUpHotKey", 0x10053},          // Alt+S
    {"SoundDownHotKey", 0x50053},        // Alt+Shift+S
    {"SoundResetHotKey", 0x70053},       // Alt+Ctrl+Shift+S
    {"GammaUpHotKey", 0x10047},          // Alt+G
    {"GammaDownHotKey", 0x50047},        // Alt+Shift+G
    {"GammaResetHotKey", 0x70047},       // Alt+Ctrl+Shift+G
    {"BrightnessUpHotKey", 0x10042},     // Alt+B
    {"BrightnessDownHotKey", 0x50042},   // Alt+Shift+B
    {"BrightnessResetHotKey", 0x70042},  // Alt+Ctrl+Shift+B
    {"ContrastUpHotKey", 0x10043},       // Alt+C
    {"ContrastDownHotKey", 0x50043},     // Alt+Shift+C
    {"ContrastResetHotKey", 0x70043},    // Alt+Ctrl+Shift+C
    {"QuitHotKey", 0x70051},             // Alt+Ctrl+Shift+Q
    {"ResetHotKey", 0x70052},            // Alt+Ctrl+Shift+R
};

const NumberValue kExtras[] = {
    {"DoRadeonOverclocking", 0},
    {"DoRadeonOverclockingOnRegChange", 0},
};

}  // namespace

const NumberValue& StoredSetting(int index) { return kStored[index]; }

const NumberValue& ExtraNumber(CompanionNumber which) {
    return kExtras[static_cast<int>(which)];
}

uint32_t DecodeNumber(const std::optional<std::string>& raw, uint32_t defaultValue) {
    if (!raw || raw->size() != 4) return defaultValue;
    const auto* b = reinterpret_cast<const unsigned char*>(raw->data());
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

std::optional<std::string> DecodeText(const std::optional<std::string>& raw) {
    if (!raw) return std::nullopt;
    return raw->substr(0, raw->find('\0'));
}

uint32_t ReadNumber(const ValueSource& source, const NumberValue& value) {
    return DecodeNumber(source(value.name, 4), value.defaultValue);
}

std::optional<std::string> ReadText(const ValueSource& source, const char* name,
                                    size_t capacity) {
    return DecodeText(source(name, capacity));
}

void LoadCompanionSettings(const ValueSource& source, CompanionSettings& settings,
                           ExtraNumbers& extras, const NumberReport& report) {
    // Each number is stored before it is reported, so a new Debug level
    // already decides whether its own line is logged.
    auto store = [&](const NumberValue& value, uint32_t& into) {
        into = ReadNumber(source, value);
        if (report) report(value.name, into);
    };
    for (int i = 0; i < kStoredSettingCount; ++i) store(kStored[i], settings.values[i]);
    store(ExtraNumber(CompanionNumber::DoRadeonOverclocking), extras.doRadeonOverclocking);
    store(ExtraNumber(CompanionNumber::DoRadeonOverclockingOnRegChange),
          extras.doRadeonOverclockingOnRegChange);
}

std::optional<uint32_t> ParseRefreshRate(const std::optional<std::string>& raw) {
    std::optional<std::string> text = DecodeText(raw);
    // Written with its zero, a rate of five or more digits cannot fit the
    // 5-byte buffer; one stored without its zero is held to the same rule.
    if (!text || text->size() >= kRefreshRateBytes) return std::nullopt;
    uint32_t rate = 0;
    size_t i = 0;
    while (i < text->size() && (*text)[i] == ' ') ++i;
    size_t digits = i;
    while (i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9')
        rate = rate * 10 + uint32_t((*text)[i++] - '0');
    if (i == digits || rate == 0) return std::nullopt;
    return rate;
}

std::string DisplayModeKey(uint32_t bitsPerPixel, uint32_t width, uint32_t height) {
    char path[300];
    std::snprintf(path, sizeof path, "%s\\%u\\%u,%u", kDisplayModesKey, bitsPerPixel, width,
                  height);
    return path;
}

}  // namespace pellam
