// The overclocking tab's view of the card against a simulated chip: what it
// reads, what "Apply" writes, a zero in the formulas' divisors, and its texts.
#include "clock_card.h"
#include "simulated_probe.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(ClockCard, ASynchronousSourceWinsAndUnknownMemorySettingsStayRaw) {
    SimulatedChip chip = Card();
    chip.pll[10] = 80u << 16 | 74u << 8 | 12;
    chip.pll[13] = 0xF;
    chip.registers[0x144] = 0x1405106A;
    chip.registers[0x154] = 0x12345678;
    SimulatedProbe probe(chip);
    std::optional<CardReading> reading = ReadCard(probe);
    ASSERT_TRUE(reading);
    EXPECT_DOUBLE_EQ(reading->core, 166.5) << "the core runs from the memory clock";
    EXPECT_TRUE(reading->synchronous);
    EXPECT_EQ(reading->timings, 0x1405106A);
    EXPECT_EQ(reading->latency, 0x12345678);
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

TEST(ClockCard, IndexesOutsideTheTablesWriteNothing) {
    // Raw register values come back as indexes; negative ones included.
    for (auto [timings, latency] : {std::pair<int, int>{3, 2}, {-5, int(0x87654321)}}) {
        SimulatedChip chip = Card();
        SimulatedProbe probe(chip);
        ASSERT_TRUE(WriteCard(probe, ApplyOptions{false, true, true}, 250, 250, timings, latency));
        EXPECT_EQ(chip.registers[0x144], 0x1405356Au) << timings;
        EXPECT_EQ(chip.registers[0x154], 0x44334244u) << latency;
        EXPECT_EQ(chip.pll[10], 74u << 16 | 74u << 8 | 12u) << "clocks not asked for";
    }
}
