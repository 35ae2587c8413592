#include "fire_field.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace ember;

namespace {
// A repeatable stand-in for rand().
struct Sequence {
    uint32_t state = 1;
    int operator()() {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};
int Constant(int value) { return value; }
}  // namespace

TEST(FirePalette, FollowsItsAnchorColours) {
    const auto& palette = FirePalette();
    struct {
        int heat, r, g, b;
    } anchors[] = {{0, 0, 0, 0},       {1, 0, 0, 16},       {7, 0, 0, 40},
                   {23, 128, 0, 0},    {39, 180, 0, 0},     {55, 244, 32, 0},
                   {56, 252, 36, 0},   {140, 252, 208, 0},  {183, 252, 249, 0},
                   {184, 252, 250, 4}, {254, 252, 252, 255}, {255, 255, 255, 255}};
    for (const auto& a : anchors) {
        EXPECT_EQ(palette[a.heat].red, a.r) << a.heat;
        EXPECT_EQ(palette[a.heat].green, a.g) << a.heat;
        EXPECT_EQ(palette[a.heat].blue, a.b) << a.heat;
    }
    // Straight lines in between: halfway from dark red to red.
    EXPECT_EQ(palette[31].red, 154);
    for (int heat = 56; heat < 183; ++heat) EXPECT_LE(palette[heat].green, palette[heat + 1].green);
}

TEST(FireField, FuelIsRunsOfNoneAndFullHeat) {
    FireField fire;
    // 255 is above 96: the running value stays 0.
    fire.Step([] { return Constant(255); });
    for (int j = 0; j < kColumns; ++j) EXPECT_EQ(fire.heat(kFuelRow, j), 0);
    // An odd number up to 96 lights the run, an even one puts it out.
    int calls = 0;
    fire.Step([&] { return calls++ == 10 ? 3 : (calls == 21 ? 4 : 200); });
    for (int j = 0; j < kColumns; ++j)
        EXPECT_EQ(fire.heat(kFuelRow, j), j >= 10 && j < 20 ? 255 : 0) << j;
    EXPECT_EQ(fire.phase(), 32u);
}

TEST(FireField, HeatRisesBlursAndCoolsButNeverBelowZero) {
    FireField fire;
    // All black stays black, texels included.
    fire.Step([] { return Constant(255); });
    for (int i = 0; i < kPictureRows; ++i)
        for (int j = 0; j < kColumns; ++j) ASSERT_EQ(fire.heat(i, j), 0);
    for (int t = 0; t < kColumns * kPictureRows * 4; ++t) ASSERT_EQ(fire.texels()[t], 0);

    // Four inputs of 255 give 254; the row above the fuel row takes it.
    for (int i = 0; i <= kFuelRow; ++i)
        for (int j = 0; j < kColumns; ++j) fire.SetHeat(i, j, 255);
    fire.Step([] { return 1; });  // fuel all 255
    EXPECT_EQ(fire.heat(0, 5), 254);
    const uint8_t* texel = fire.texels() + (0 * kColumns + 5) * 4;
    EXPECT_EQ(texel[0], FirePalette()[254].red);
    EXPECT_EQ(texel[2], FirePalette()[254].blue);
    EXPECT_EQ(texel[3], 0);
    // The fuel row has nothing below it: (255 * 3 + 0) / 4 - 1.
    EXPECT_EQ(fire.heat(kFuelRow - 1, 5), 190);
}

TEST(FireField, FlamesSwayAndStayWithinTheGrid) {
    FireField fire;
    Sequence random;
    for (int step = 0; step < 400; ++step) fire.Step(random);
    // After a while the bottom rows burn and the top has cooled off.
    int bottom = 0, top = 0;
    for (int j = 0; j < kColumns; ++j) {
        bottom += fire.heat(kPictureRows - 1, j);
        top += fire.heat(0, j);
    }
    EXPECT_GT(bottom, 0);
    EXPECT_GT(bottom, top);
}
