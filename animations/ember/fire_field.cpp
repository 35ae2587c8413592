#include "fire_field.h"

#include <cmath>

namespace ember {

namespace {

struct Anchor {
    int heat;
    Rgb colour;
};

// Hand-picked colours; the palette runs in straight lines between them.
constexpr Anchor kAnchors[] = {
    {0, {0, 0, 0}},        {1, {0, 0, 16}},      {7, {0, 0, 40}},      {23, {128, 0, 0}},
    {39, {180, 0, 0}},     {55, {244, 32, 0}},   {56, {252, 36, 0}},   {140, {252, 208, 0}},
    {183, {252, 249, 0}},  {184, {252, 250, 4}}, {254, {252, 252, 255}}, {255, {255, 255, 255}},
};

uint8_t Between(uint8_t from, uint8_t to, int step, int steps) {
    return static_cast<uint8_t>(from + ((to - from) * step + (to >= from ? steps / 2 : -steps / 2)) / steps);
}

std::array<Rgb, 256> MakePalette() {
    std::array<Rgb, 256> palette{};
    for (size_t a = 0; a + 1 < std::size(kAnchors); ++a) {
        const Anchor& low = kAnchors[a];
        const Anchor& high = kAnchors[a + 1];
        const int steps = high.heat - low.heat;
        for (int step = 0; step <= steps; ++step)
            palette[static_cast<size_t>(low.heat + step)] = {
                Between(low.colour.red, high.colour.red, step, steps),
                Between(low.colour.green, high.colour.green, step, steps),
                Between(low.colour.blue, high.colour.blue, step, steps)};
    }
    return palette;
}

}  // namespace

const std::array<Rgb, 256>& FirePalette() {
    static const std::array<Rgb, 256> palette = MakePalette();
    return palette;
}

FireField::FireField() {
    // Rows sway by one column only in the upper part of each sine period.
    for (size_t k = 0; k < sway_.size(); ++k)
        sway_[k] = static_cast<uint8_t>(std::sin(static_cast<double>(k) * 3.1415926535897 / 256) * 1.2);
    const Rgb black = FirePalette()[0];
    for (size_t t = 0; t < texels_.size(); t += 4) {
        texels_[t] = black.red;
        texels_[t + 1] = black.green;
        texels_[t + 2] = black.blue;
        texels_[t + 3] = 0;
    }
}

void FireField::FeedFuel(const Random& random) {
    // Runs of no heat and full heat, switched by rare random numbers.
    uint8_t running = 0;
    for (uint8_t& cell : heat_[kFuelRow]) {
        int r = random() & 0xFF;
        if (r <= 96) running = (r & 1) ? 255 : 0;
        cell = running;
    }
}

void FireField::Step(const Random& random) {
    FeedFuel(random);
    phase_ += 16;
    const std::array<Rgb, 256>& palette = FirePalette();
    static const std::array<uint8_t, kColumns> kNoHeat{};
    for (uint32_t i = 1; i <= static_cast<uint32_t>(kFuelRow); ++i) {
        const std::array<uint8_t, kColumns>& row = heat_[i];
        // The fuel row has nothing below it; it counts as cold there.
        const std::array<uint8_t, kColumns>& below = i < static_cast<uint32_t>(kFuelRow) ? heat_[i + 1] : kNoHeat;
        const uint32_t shift = sway_[((i * i + phase_) / 32) % 128];
        std::array<uint8_t, kColumns>& destination = heat_[i - 1];
        uint8_t* texelRow = &texels_[(i - 1) * kColumns * 4];
        for (uint32_t j = 0; j < static_cast<uint32_t>(kColumns); ++j) {
            unsigned sum = row[(j + kColumns - 1) % kColumns] + row[j] + row[(j + 1) % kColumns] + below[j];
            unsigned a = sum / 4;
            if (a > 0) --a;
            const uint32_t column = (j + shift) % kColumns;
            destination[column] = static_cast<uint8_t>(a);
            uint8_t* texel = texelRow + column * 4;
            texel[0] = palette[a].red;
            texel[1] = palette[a].green;
            texel[2] = palette[a].blue;
            texel[3] = 0;
        }
    }
}

}  // namespace ember
