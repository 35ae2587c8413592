// The companion's registry schema: defaults, the raw 4-byte rule for
// numbers, the refresh-rate text and the order of the 25 logged numbers.
#include "companion_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace pellam;

namespace {

std::string Bytes(uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

ValueSource FromMap(const std::map<std::string, std::string>& values) {
    return [values](const char* name, size_t capacity) -> std::optional<std::string> {
        auto it = values.find(name);
        if (it == values.end() || it->second.size() > capacity) return std::nullopt;
        return it->second;
    };
}

}  // namespace

TEST(CompanionSettings, AnEmptyKeyGivesTheDefaults) {
    CompanionSettings settings{};
    ExtraNumbers extras;
    std::vector<std::string> names;
    LoadCompanionSettings(FromMap({}), settings, extras,
                          [&](const char* name, uint32_t) { names.push_back(name); });
    const uint32_t expected[kStoredSettingCount] = {
        0, 0, 0, 1, 1, 1, 1, 1, 0, 0x10053, 0x50053, 0x70053, 0x10047, 0x50047, 0x70047,
        0x10042, 0x50042, 0x70042, 0x10043, 0x50043, 0x70043, 0x70051, 0x70052};
    for (int i = 0; i < kStoredSettingCount; ++i) EXPECT_EQ(settings[i], expected[i]) << i;
    EXPECT_EQ(extras.doRadeonOverclocking, 0u);
    EXPECT_EQ(extras.doRadeonOverclockingOnRegChange, 0u);
    ASSERT_EQ(names.size(), 25u);
    EXPECT_EQ(names.front(), "Debug");
    EXPECT_EQ(names[22], "ResetHotKey");
    EXPECT_EQ(names[24], "DoRadeonOverclockingOnRegChange");
}

TEST(CompanionSettings, NumbersAreFourRawBytesWhateverTheirType) {
    CompanionSettings settings{};
    settings[kQuitEvent] = 77;  // entries 23 to 25 belong to the program
    ExtraNumbers extras;
    LoadCompanionSettings(FromMap({{"Debug", Bytes(2)},
                                   {"UnPatch", Bytes(0)},
                                   {"GammaUpHotKey", Bytes(0x47)},  // a bare letter
                                   {"DoGamma", "ab"},                      // too short
                                   {"DoSound", "12345678"},                // does not fit
                                   {"DoRadeonOverclocking", Bytes(1)}}),
                          settings, extras);
    EXPECT_EQ(settings[kDebug], 2u);
    EXPECT_EQ(settings[kUnPatch], 0u);
    EXPECT_EQ(settings[kGammaUpHotKey], 0x47u);
    EXPECT_EQ(settings[kDoGamma], 1u);
    EXPECT_EQ(settings[kDoSound], 1u);
    EXPECT_EQ(settings[kQuitEvent], 77u);
    EXPECT_EQ(extras.doRadeonOverclocking, 1u);
}

TEST(CompanionSettings, TextsEndAtTheirZero) {
    EXPECT_EQ(DecodeText(std::string("c:\\logo.bmp\0junk", 16)), "c:\\logo.bmp");
    EXPECT_EQ(DecodeText(std::string("", 1)), "");
    EXPECT_EQ(DecodeText(std::string("no zero")), "no zero");
    EXPECT_FALSE(DecodeText(std::nullopt));
}

TEST(CompanionSettings, RefreshRateHasAtMostFourCharacters) {
    struct Case {
        std::optional<std::string> raw;
        std::optional<uint32_t> rate;
    } cases[] = {
        {std::string("85\0", 3), 85u},
        {std::string("120\0", 4), 120u},
        {std::string("1000\0", 5), 1000u},
        {std::string("00085"), std::nullopt},  // five characters
        {std::string("85"), 85u},
        {std::string("x85\0", 4), std::nullopt},
        {std::string("0\0", 2), std::nullopt},
        {std::string("\0", 1), std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseRefreshRate(c.raw), c.rate) << c.raw.value_or("-");
}

TEST(CompanionSettings, DisplayModeKeyNamesDepthAndSize) {
    EXPECT_EQ(DisplayModeKey(32, 1024, 768),
              "Software\\Pellam Suite\\Custom Display Modes\\Modes\\32\\1024,768");
}
