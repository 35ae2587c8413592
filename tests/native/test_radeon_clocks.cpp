// SetRadeonClocks and ReadDefaultClocks against a simulated chip: the clock
// maths, the presets, the confirmation and a missing driver.
#include "clock_operations.h"
#include "simulated_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace pellam;

namespace {

// Reference 27 MHz, reference divider 12: a step is 2.25 MHz. Limits 100 to 400 MHz.
class Host : public ClockHost {
public:
    Host() : chip(SimulatedChip::WithLimits(2700, 10000, 40000)) {
        chip.pll[kPllDividers] = 0x00505A0C;  // core 0x50, memory 0x5A, reference 12
        chip.pll[kPllClockSource] = 0x2;
        chip.registers[0x154] = 0x44334244;
        chip.registers[0x144] = 0xAB05206A;
    }
    void Log(int, const std::string& line) override { log.push_back(line); }
    std::unique_ptr<ProbeTransport> OpenProbe() override {
        if (driverMissing) return nullptr;
        return std::make_unique<SimulatedProbe>(chip);
    }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        return answerYes;
    }
    void StoreFactorySettings(const std::string& text) override { factory = text; }

    uint32_t CoreDivider() { return (chip.pll[kPllDividers] >> 16) & 0xFF; }
    uint32_t MemoryDivider() { return (chip.pll[kPllDividers] >> 8) & 0xFF; }

    SimulatedChip chip;
    bool driverMissing = false;
    bool answerYes = true;
    std::vector<std::string> log, questions;
    std::string factory;
};

}  // namespace

TEST(RadeonClocks, SettingsTextsNeedFourFields) {
    auto s = ParseClockSettings("183 200.5 1 -1 1");
    ASSERT_TRUE(s);
    EXPECT_FLOAT_EQ(s->core, 183);
    EXPECT_FLOAT_EQ(s->memory, 200.5f);
    EXPECT_EQ(s->presetA, 1);
    EXPECT_EQ(s->presetB, -1);
    EXPECT_EQ(s->confirm, 1);
    EXPECT_EQ(ConfirmText(*s), "183.0, 200.5, 1, -1");
    EXPECT_EQ(ParseClockSettings("183 200 1 2")->confirm, 0);
    for (const char* bad : {"", "183 200", "183 200 1", "a b c d", "183 x 1 1"})
        EXPECT_FALSE(ParseClockSettings(bad)) << bad;
    EXPECT_EQ(ParseClockSettings("1 1 99999999999 0")->presetA, 2147483647);
}

TEST(RadeonClocks, DifferentClocksAreQuantisedAndWrittenWithPresets) {
    Host host;
    ASSERT_TRUE(SetRadeonClocks(host, "183 200 0 0", false));
    // 183 / 2.25 = 81.3 -> 182.25 MHz, divider 81; 200 / 2.25 = 88.9 -> 198 MHz, 88.
    EXPECT_EQ(host.CoreDivider(), 81u);
    EXPECT_EQ(host.MemoryDivider(), 88u);
    EXPECT_EQ(host.chip.pll[kPllDividers] & 0xFF, 12u) << "reference divider kept";
    EXPECT_EQ(host.chip.pll[kPllClockSource] & 0xF, 2u);
    EXPECT_EQ(host.chip.registers[0x154], 0x7FFFF1FFu);
    EXPECT_EQ(host.chip.registers[0x144], 0xAB05307Fu) << "only the bits of mask 0xF0FF";
    EXPECT_EQ(host.log.front(), "Setting Radeon Clocks (183 200 0 0)");
    EXPECT_EQ(host.log.back(), "Set Radeon Clocks (182.2, 198.0)");
    EXPECT_TRUE(host.questions.empty());
}

TEST(RadeonClocks, EqualClocksRunSynchronouslyAndOutOfRangePresetsAreLeftAlone) {
    Host host;
    ASSERT_TRUE(SetRadeonClocks(host, "200 200 -1 -1", false));
    EXPECT_EQ(host.CoreDivider(), 88u);
    EXPECT_EQ(host.MemoryDivider(), 88u);
    EXPECT_EQ(host.chip.pll[kPllClockSource] & 0xF, 7u);
    EXPECT_EQ(host.chip.registers[0x154], 0x44334244u);
    EXPECT_EQ(host.chip.registers[0x144], 0xAB05206Au);
    // Different requests within one step are one clock.
    Host close;
    ASSERT_TRUE(SetRadeonClocks(close, "200 199 5 3", false));
    EXPECT_EQ(close.chip.pll[kPllClockSource] & 0xF, 7u);
    EXPECT_EQ(close.CoreDivider(), close.MemoryDivider());
}

TEST(RadeonClocks, ClocksAreKeptWithinTheBiosLimits) {
    Host host;
    ASSERT_TRUE(SetRadeonClocks(host, "1000 nan 0 0", true));
    EXPECT_EQ(host.CoreDivider(), 177u) << "400 MHz x 12 / 27";
    EXPECT_EQ(host.MemoryDivider(), 44u) << "not a number gives the lowest, 100 MHz";
    EXPECT_EQ(host.chip.registers[0x154], 0x44334244u) << "memory settings disabled";
    Clocks low = PlanClocks(10, -5, 2.25, BiosLimits{27, 100, 400});
    EXPECT_DOUBLE_EQ(low.core, 100);
    EXPECT_DOUBLE_EQ(low.memory, 100);
}

TEST(RadeonClocks, DividersNeverSpillIntoTheOtherField) {
    Clocks clocks{5000, 5000, false};
    PllWrites w = ClockWrites(clocks, 12, 27);
    EXPECT_EQ(w.dividers.value, 0xFFFF00u);
    EXPECT_EQ(w.dividers.mask, 0xFFFF00u);
    clocks.synchronous = true;
    clocks.memory = 0;
    EXPECT_EQ(ClockWrites(clocks, 12, 27).dividers.value, 0xFFFF00u) << "memory follows core";
    EXPECT_FALSE(ClockStep(27, 0));
    EXPECT_FALSE(ClockStep(0, 12));
}

TEST(RadeonClocks, ConfirmationShowsTheRewrittenTextAndOnlyYesApplies) {
    Host host;
    host.answerYes = false;
    uint32_t before = host.chip.pll[kPllDividers];
    EXPECT_FALSE(SetRadeonClocks(host, "183 200 1 1 1", false));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "183.0, 200.0, 1, 1");
    EXPECT_EQ(host.chip.pll[kPllDividers], before);
    host.answerYes = true;
    EXPECT_TRUE(SetRadeonClocks(host, "183 200 1 1 1", false));
    EXPECT_NE(host.chip.pll[kPllDividers], before);
}

TEST(RadeonClocks, ShortTextsAndAMissingDriverChangeNothing) {
    Host host;
    EXPECT_FALSE(SetRadeonClocks(host, "183 200", false));
    EXPECT_EQ(host.log.size(), 1u);
    EXPECT_EQ(host.chip.requests, 0);
    host.driverMissing = true;
    EXPECT_FALSE(SetRadeonClocks(host, "183 200 0 0", false));
    EXPECT_EQ(host.log.back(), "Radeon Overclocking Installation Problem");
    EXPECT_FALSE(ReadDefaultClocks(host, false));
    EXPECT_EQ(host.log.back(), "Radeon Overclocking Installation Problem");
    EXPECT_TRUE(host.factory.empty());
}

TEST(RadeonClocks, AChipThatDoesNotAnswerIsTreatedLikeAMissingDriver) {
    Host host;
    host.chip.bios.resize(0x40);  // the pointer at 0x48 is beyond the image
    EXPECT_FALSE(SetRadeonClocks(host, "183 200 0 0", false));
    EXPECT_EQ(host.log.back(), "Radeon Overclocking Installation Problem");
    Host zero;
    zero.chip.pll[kPllDividers] = 0x00505A00;  // reference divider 0
    EXPECT_FALSE(SetRadeonClocks(zero, "183 200 0 0", false));
    EXPECT_EQ(zero.chip.pll[kPllDividers], 0x00505A00u);
}

TEST(RadeonClocks, DefaultClocksAreReadBackWithTheirPresets) {
    Host host;
    ASSERT_TRUE(ReadDefaultClocks(host, false));
    // Core 0x50 x 2.25 = 180, memory 0x5A x 2.25 = 202.5; A 0x44334244 is 1, B 0x206A is 2.
    EXPECT_EQ(host.factory, "180.00 202.50 1 2");
    EXPECT_EQ(host.log.back(), "Read default Radeon Clocks(180.00 202.50 1 2)");
    host.chip.pll[kPllClockSource] = 0xF;
    host.chip.registers[0x144] = 0x1234;
    ASSERT_TRUE(ReadDefaultClocks(host, false));
    EXPECT_EQ(host.factory, "202.50 202.50 1 3") << "synchronous: core is the memory clock";
    ASSERT_TRUE(ReadDefaultClocks(host, true));
    EXPECT_EQ(host.factory, "202.50 202.50 3 3");
}

TEST(RadeonClocks, PresetTables) {
    EXPECT_EQ(PresetIndexFromRegister(MemoryPreset::A, 0x7FFFF1FF), 0);
    EXPECT_EQ(PresetIndexFromRegister(MemoryPreset::A, 0), 1);
    EXPECT_EQ(PresetIndexFromRegister(MemoryPreset::B, 0xFFFF307F), 0);
    EXPECT_EQ(PresetIndexFromRegister(MemoryPreset::B, 0x306A), 1);
    EXPECT_FALSE(PresetWrite(MemoryPreset::A, 2));
    EXPECT_FALSE(PresetWrite(MemoryPreset::B, 3));
    EXPECT_FALSE(PresetWrite(MemoryPreset::B, -1));
    EXPECT_EQ(PresetWrite(MemoryPreset::B, 2)->value, 0x1405256Au);
}
