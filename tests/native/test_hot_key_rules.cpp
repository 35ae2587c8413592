// The hook library's keyboard rules and its gamma ramp, as tables of events.
#include "hot_key_rules.h"
#include "triple_ramp.h"

#include <gtest/gtest.h>

using namespace pellamhook;
using pellam::CompanionSettings;
using pellam::GammaTriple;

namespace {

constexpr uint32_t kReleased = 0x80000000u, kAlt = 0x20000000u;

// The companion's default hot keys.
CompanionSettings DefaultKeys() {
    CompanionSettings s{};
    const uint32_t keys[] = {0x10053, 0x50053, 0x70053, 0x10047, 0x50047, 0x70047, 0x10042,
                             0x50042, 0x70042, 0x10043, 0x50043, 0x70043, 0x70051, 0x70052};
    for (int i = 0; i < 14; ++i) s[pellam::kSoundUpHotKey + i] = keys[i];
    return s;
}

}  // namespace

TEST(HotKeyRules, ModifiersAreTrackedAcrossEventsAndAltComesFromTheFlags) {
    struct Step {
        uint32_t key, flags, code;
    };
    const Step steps[] = {
        {0x10, 0, 0x40010},                         // Shift down
        {0x47, kAlt, 0x50047},                      // Alt+Shift+G
        {0x11, 0, 0x60011},                         // Ctrl down too
        {0x47, 0, 0x60047},                         // Ctrl+Shift+G without Alt
        {0x10, kReleased, 0x20010},                 // Shift up
        {0x5B, 0, 0xA005B},                         // left Win down
        {0x5C, kReleased, 0x2005C},                 // right Win up clears Win
        {0x11, kReleased | kAlt, 0x10011},          // Ctrl up while Alt held
        {0x47, kReleased | kAlt, 0x10047},          // the release of Alt+G forms the same code
    };
    ModifierState modifiers;
    for (const Step& step : steps)
        EXPECT_EQ(TrackHotKeyCode(step.key, step.flags, modifiers), step.code) << std::hex << step.key;
}

TEST(HotKeyRules, GammaKeysStepByASixtyFourthAndStayWithinTheirLimits) {
    CompanionSettings keys = DefaultKeys();
    struct Case {
        uint32_t code;
        GammaTriple before, after;
    };
    const Case cases[] = {
        {0x10047, {1, 1, 0}, {1 + 1.0 / 64, 1, 0}},
        {0x50047, {1, 1, 0}, {1 - 1.0 / 64, 1, 0}},
        {0x70047, {1.5, 1.2, 0.3}, {1, 1.2, 0.3}},
        {0x10043, {1, 1, 0}, {1, 1 + 1.0 / 64, 0}},
        {0x70043, {1, 0.4, 0}, {1, 1, 0}},
        {0x10042, {1, 1, 0}, {1, 1, 1.0 / 64}},
        {0x70042, {1, 1, 0.5}, {1, 1, 0}},
        {0x10047, {2, 1, 0}, {2, 1, 0}},                 // gamma held at 2
        {0x50047, {1.0 / 128, 1, 0}, {0, 1, 0}},         // and at 0
        {0x10042, {1, 1, 1}, {1, 1, 1}},                 // brightness held at 1
        {0x50042, {1, 1, 0}, {1, 1, 0}},
        {0x50043, {1, 0.0, 0}, {1, 0, 0}},
        {0x10047, {5, -1, 3}, {2, 0, 1}},                // a stored triple out of range is limited too
    };
    for (const Case& c : cases) {
        HotKeyOutcome out = MatchHotKeys(c.code, keys, c.before, true, false);
        EXPECT_TRUE(out.gammaChanged) << std::hex << c.code;
        EXPECT_TRUE(out.Swallowed());
        EXPECT_DOUBLE_EQ(out.triple.gamma, c.after.gamma) << std::hex << c.code;
        EXPECT_DOUBLE_EQ(out.triple.contrast, c.after.contrast) << std::hex << c.code;
        EXPECT_DOUBLE_EQ(out.triple.brightness, c.after.brightness) << std::hex << c.code;
    }
}

TEST(HotKeyRules, QuitComesFirstAndResetNeedsAProcessName) {
    CompanionSettings keys = DefaultKeys();
    keys[pellam::kGammaUpHotKey] = 0x70051;  // the same code as quit
    HotKeyOutcome quit = MatchHotKeys(0x70051, keys, GammaTriple{}, true, true);
    EXPECT_TRUE(quit.quit);
    EXPECT_FALSE(quit.gammaChanged);

    HotKeyOutcome reset = MatchHotKeys(0x70052, keys, GammaTriple{}, true, true);
    EXPECT_TRUE(reset.forgetGame);
    HotKeyOutcome nameless = MatchHotKeys(0x70052, keys, GammaTriple{}, false, true);
    EXPECT_FALSE(nameless.Swallowed()) << "the key goes on to the program";

    EXPECT_FALSE(MatchHotKeys(0x47, keys, GammaTriple{}, true, true).Swallowed()) << "G alone";
}

TEST(HotKeyRules, EveryMatchingGammaKeyAppliesAndSoundKeysNeedAVolumeControl) {
    CompanionSettings keys = DefaultKeys();
    keys[pellam::kContrastUpHotKey] = 0x10047;  // shares Alt+G with gamma up
    HotKeyOutcome both = MatchHotKeys(0x10047, keys, GammaTriple{}, true, false);
    EXPECT_DOUBLE_EQ(both.triple.gamma, 1 + 1.0 / 64);
    EXPECT_DOUBLE_EQ(both.triple.contrast, 1 + 1.0 / 64);

    EXPECT_EQ(MatchHotKeys(0x10053, keys, GammaTriple{}, true, true).sound, SoundStep::Up);
    EXPECT_EQ(MatchHotKeys(0x50053, keys, GammaTriple{}, true, true).sound, SoundStep::Down);
    EXPECT_EQ(MatchHotKeys(0x70053, keys, GammaTriple{}, true, true).sound, SoundStep::Reset);
    HotKeyOutcome silent = MatchHotKeys(0x10053, keys, GammaTriple{}, true, false);
    EXPECT_EQ(silent.sound, SoundStep::None);
    EXPECT_FALSE(silent.Swallowed()) << "without DoSound the key reaches the program";
}

TEST(TripleRamp, EntriesFollowTheFormulaAndAreHeldToTheirRange) {
    struct Case {
        GammaTriple triple;
        int index;
        uint16_t entry;
    };
    const Case cases[] = {
        {{1, 1, 0}, 0, 0},
        {{1, 1, 0}, 128, 127 << 8},        // 0.5 x 255 = 127.5, truncated
        {{1, 1, 0}, 255, 254 << 8},        // 255/256 x 255 = 254.0
        {{0.5, 1, 0}, 128, 63 << 8},       // 0.25 x 255 = 63.75
        {{1, 2, 0}, 200, 255 << 8},        // held at 255
        {{1, 1, 0.5}, 0, 127 << 8},
        {{0, 1, 0.25}, 255, 63 << 8},      // gamma 0: only the brightness term
        {{1, -1, 0}, 100, 0},              // negative values give black, not wrapped bytes
        {{-1, 1, 0}, 0, 255 << 8},
    };
    for (const Case& c : cases) {
        TripleRamp ramp = BuildTripleRamp(c.triple);
        EXPECT_EQ(ramp[c.index], c.entry) << c.triple.gamma << " " << c.triple.contrast << " "
                                          << c.triple.brightness << " @" << c.index;
        EXPECT_EQ(ramp[256 + c.index], c.entry);
        EXPECT_EQ(ramp[512 + c.index], c.entry);
    }
}
