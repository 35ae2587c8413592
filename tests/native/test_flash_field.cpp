// The flash animation's step: blur and fade, the mirrored bolt, the random
// walk carried across frames, and the reversed palette.
#include "fire_field.h"
#include "flash_field.h"

#include <gtest/gtest.h>

#include <random>

using namespace strobe;

namespace {

std::vector<uint32_t> Table(uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<uint32_t> table(kRandomTableSize);
    for (uint32_t& value : table) value = generator() & 0x7FFF;
    return table;
}

// The row of the new bolt in each column: the one cell that is 255.
std::vector<int> BoltRows(const FlashField& flash) {
    std::vector<int> rows(kColumns, -1);
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row)
            if (flash.intensity(row, column) == 255) rows[column] = row;
    return rows;
}

}  // namespace

TEST(FlashBlur, CellsBlurVerticallyAndFadeWithoutWrapping) {
    struct Case {
        uint8_t above, cell, below, expected;
    } cases[] = {
        {0, 255, 0, 123},    // (0 + 510 + 0) / 4 - 4
        {0, 6, 0, 0},        // blurred to 3: stops at 0
        {0, 8, 0, 0},        // blurred to exactly 4
        {0, 10, 0, 1},
        {255, 255, 255, 251},
        {1, 0, 2, 0},
    };
    for (const Case& c : cases) {
        Grid from{}, wide{}, single{};
        from[9][17] = c.above;
        from[10][17] = c.cell;
        from[11][17] = c.below;
        BlurAndFadeCellByCell(from, single);
        BlurAndFadeEightAtATime(from, wide);
        EXPECT_EQ(single[10][17], c.expected) << int(c.above) << " " << int(c.cell) << " " << int(c.below);
        EXPECT_EQ(wide[10][17], c.expected);
    }
}

TEST(FlashBlur, EightAtATimeGivesTheCellByCellGrid) {
    for (uint32_t seed : {1u, 2u, 3u, 77u}) {
        std::mt19937 generator(seed);
        Grid from{};
        for (auto& row : from)
            for (uint8_t& cell : row) cell = static_cast<uint8_t>(generator());
        Grid single = from, wide = from;
        BlurAndFadeCellByCell(from, single);
        BlurAndFadeEightAtATime(from, wide);
        EXPECT_EQ(single, wide) << "seed " << seed;
        EXPECT_EQ(wide[0], from[0]) << "the top row is left alone";
        EXPECT_EQ(wide[kRows - 1], from[kRows - 1]) << "the bottom row is left alone";
    }
}

TEST(FlashBolt, MirrorsAndStaysInsideTheEdgeRows) {
    FlashField flash(Table(5));
    for (int frame = 0; frame < 50; ++frame) {
        flash.Step();
        std::vector<int> rows = BoltRows(flash);
        for (int i = 0; i < kColumns / 2; ++i) {
            ASSERT_GE(rows[i], 1) << "frame " << frame << " column " << i;
            ASSERT_LE(rows[i], kRows - 2);
            ASSERT_EQ(rows[i], rows[kColumns - 1 - i]) << "frame " << frame << " column " << i;
        }
        for (int i = 1; i < kColumns / 2; ++i) ASSERT_LE(std::abs(rows[i] - rows[i - 1]), 1);
    }
}

TEST(FlashBolt, WalksFromEntryOneAndRepeatsAfterTheWholeTable) {
    std::vector<uint32_t> table(kRandomTableSize, 1);  // x mod 3 == 1: straight on
    table[1] = 2;                                      // the first step goes down
    table[0] = 0;                                      // never the first value used
    FlashField straight(table);
    straight.Step();
    EXPECT_EQ(BoltRows(straight)[0], 33);
    EXPECT_EQ(BoltRows(straight)[127], 33);
    EXPECT_EQ(straight.randomIndex(), 128u);

    FlashField flash(Table(9));
    flash.Step();
    std::vector<int> first = BoltRows(flash);
    for (int frame = 1; frame < kRandomTableSize; ++frame) flash.Step();
    EXPECT_EQ(flash.randomIndex(), 0u) << "3847 frames of 128 draws use the table 128 times";
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) flash.SetIntensity(row, column, 0);
    flash.Step();
    EXPECT_EQ(BoltRows(flash), first);
}

TEST(FlashPalette, IsTheFirePaletteReversed) {
    const auto& palette = FlashPalette();
    EXPECT_EQ(palette[255], (std::array<uint8_t, 4>{0, 255, 255, 255}));
    for (int i : {0, 40, 128, 200}) {
        ember::Rgb fire = ember::FirePalette()[i];
        EXPECT_EQ(palette[i], (std::array<uint8_t, 4>{0, fire.blue, fire.green, fire.red})) << i;
    }
    FlashField flash(Table(3));
    flash.Step();
    int middle = 0;
    for (int row = 0; row < kRows; ++row)
        if (flash.intensity(row, 0) == 255) middle = row;
    const uint8_t* texel = flash.texels() + (middle * kColumns + 0) * 4;
    EXPECT_EQ(texel[0], 0);
    EXPECT_EQ(texel[1], 255);
    EXPECT_EQ(texel[2], 255);
}
