// The overclocking tab's view of the card against a simulated chip: what it
// reads, what "Apply" writes, a zero in the formulas' divisors, and its texts.
#include "clock_card.h"
#include "simulated_probe.h"

#include <gtest/gtest.h>

using namespace clockwork;

namespace {

// The card of the tests' driver: 27 MHz reference, divider 12 (2.25 MHz a
// step), both clocks from divider 74, default core clock 166 MHz.
SimulatedChip Card() {
    SimulatedChip chip = SimulatedChip::WithLimits(2700, 10000, 35000);
    chip.bios[0x180 + 8] = 16600 & 0xFF;
    chip.bios[0x180 + 9] = 16600 >> 8;
    chip.pll[10] = 74u << 16 | 74u << 8 | 12u;
    chip.pll[13] = 7;
    chip.registers[0x144] = 0x1405356A;
    chip.registers[0x154] = 0x44334244;
    return chip;
}

}  // namespace

TEST(ClockCard, ReadsClocksAndMemorySettingsOrTheirRawValues) {
    struct Case {
        uint32_t pll10, pll13, timings, latency;
        double core, memory;
        bool synchronous;
        int timingsSeen, latencySeen;
    } cases[] = {
        {74u << 16 | 74u << 8 | 12, 7, 0x1405356A, 0x44334244, 166.5, 166.5, true, 1, 1},
        // Not synchronous: the core has its own divider.
        {80u << 16 | 74u << 8 | 12, 2, 0xAB05307F, 0x7FFFF1FF, 180, 166.5, false, 0, 0},
        // Synchronous by the clock source, whatever the core divider says.
        {80u << 16 | 74u << 8 | 12, 0xF, 0x1405256A, 0x7FFFF1FF, 166.5, 166.5, true, 2, 0},
        // Unknown memory settings come back as the register values.
        {74u << 16 | 74u << 8 | 12, 7, 0x1405106A, 0x12345678, 166.5, 166.5, true, 0x1405106A,
         0x12345678},
    };
    for (const Case& c : cases) {
        SimulatedChip chip = Card();
        chip.pll[10] = c.pll10;
        chip.pll[13] = c.pll13;
        chip.registers[0x144] = c.timings;
        chip.registers[0x154] = c.latency;
        SimulatedProbe probe(chip);
        std::optional<CardReading> reading = ReadCard(probe);
        ASSERT_TRUE(reading) << std::hex << c.pll10;
        EXPECT_DOUBLE_EQ(reading->core, c.core);
        EXPECT_DOUBLE_EQ(reading->memory, c.memory);
        EXPECT_DOUBLE_EQ(reading->defaultClock, 166);
        EXPECT_EQ(reading->synchronous, c.synchronous);
        EXPECT_EQ(reading->timings, c.timingsSeen);
        EXPECT_EQ(reading->latency, c.latencySeen);
    }
}

TEST(ClockCard, AZeroReferenceOrDividerIsADeviceThatCannotBeRead) {
    SimulatedChip zeroDivider = Card();
    zeroDivider.pll[10] = 74u << 16 | 74u << 8;
    SimulatedChip zeroReference = Card();
    zeroReference.bios[0x180 + 14] = zeroReference.bios[0x180 + 15] = 0;
    for (SimulatedChip* chip : {&zeroDivider, &zeroReference}) {
        uint32_t before = chip->pll[10];
        SimulatedProbe probe(*chip);
        EXPECT_FALSE(ReadCard(probe));
        ApplyOptions all{true, true, true};
        EXPECT_FALSE(WriteCard(probe, all, 200, 200, 0, 0));
        EXPECT_EQ(chip->pll[10], before) << "nothing written";
        EXPECT_EQ(chip->registers[0x144], 0x1405356Au);
    }
}

TEST(ClockCard, ApplyWritesWhatItsOptionsAskFor) {
    struct Case {
        ApplyOptions options;
        double core, memory;
        int timings, latency;
        uint32_t pll10, pll13, timingsRegister, latencyRegister;
    } cases[] = {
        // 250 + 1.125 MHz x 12 / 27 = 111.6: divider 111 for both, synchronous.
        {{true, false, false}, 250, 250, 0, 0, 111u << 16 | 111u << 8 | 12, 7, 0x1405356A, 0x44334244},
        // 200 + 1.125 -> 89, 183 + 1.125 -> 81; source 2.
        {{true, false, false}, 200, 183, 0, 0, 89u << 16 | 81u << 8 | 12, 2, 0x1405356A, 0x44334244},
        {{false, true, true}, 250, 250, 2, 0, 74u << 16 | 74u << 8 | 12, 7, 0x1405256A, 0x7FFFF1FF},
        // Indexes outside the tables (raw register values, negative ones
        // included) write nothing.
        {{false, true, true}, 250, 250, 3, 2, 74u << 16 | 74u << 8 | 12, 7, 0x1405356A, 0x44334244},
        {{false, true, true}, 250, 250, -5, int(0x87654321), 74u << 16 | 74u << 8 | 12, 7,
         0x1405356A, 0x44334244},
    };
    for (const Case& c : cases) {
        SimulatedChip chip = Card();
        SimulatedProbe probe(chip);
        ASSERT_TRUE(WriteCard(probe, c.options, c.core, c.memory, c.timings, c.latency));
        EXPECT_EQ(chip.pll[10], c.pll10) << c.core << " " << c.memory;
        EXPECT_EQ(chip.pll[13] & 0xF, c.pll13);
        EXPECT_EQ(chip.registers[0x144], c.timingsRegister);
        EXPECT_EQ(chip.registers[0x154], c.latencyRegister);
    }
}

TEST(ClockCard, OnlyClocksFrom120To250AreApplied) {
    EXPECT_TRUE(InApplyRange(120, 250));
    EXPECT_TRUE(InApplyRange(250, 120));
    EXPECT_FALSE(InApplyRange(251, 200));
    EXPECT_FALSE(InApplyRange(200, 119.9));
    EXPECT_FALSE(InApplyRange(0, 0));
}

TEST(ClockCard, Texts) {
    EXPECT_EQ(StatusText(183, 166, 166, SavedText(183, 166)),
              "Core: 183.00 MHz, Mem: 166.00 MHz (Default: 166 MHz)     "
              "Saved settings: 183.00 MHz/166.00 MHz");
    EXPECT_EQ(StatusText(0, 0, 0, kNoSavedSettings), "Unable to connect to r6probe :(");
    EXPECT_EQ(SavedTextOf(std::string("183 166 1 -1")), "Saved settings: 183.00 MHz/166.00 MHz");
    EXPECT_EQ(SavedTextOf(std::nullopt), kNoSavedSettings);
    EXPECT_EQ(SavedTextOf(std::string("183 166")), kNoSavedSettings) << "not a settings text";
    EXPECT_EQ(CurrentSettingsText(249.75, 183, -1, 2), "249.75 183 -1 2");
    EXPECT_EQ(SliderPosition(166.5), 167);
    EXPECT_EQ(SliderPosition(249.4), 249);
    EXPECT_EQ(OverclockedFrom(166), 199);
    EXPECT_EQ(OverclockedFrom(0), 0);
}
