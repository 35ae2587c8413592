#include "flash_field.h"

#include "fire_field.h"

#include <cstring>

namespace strobe {

const std::array<std::array<uint8_t, 4>, 256>& FlashPalette() {
    // A fire entry is kept as red, green, blue and a zero byte; read
    // backwards that is 0, blue, green, red.
    static const std::array<std::array<uint8_t, 4>, 256> palette = [] {
        std::array<std::array<uint8_t, 4>, 256> reversed{};
        const std::array<ember::Rgb, 256>& fire = ember::FirePalette();
        for (size_t i = 0; i < fire.size(); ++i)
            reversed[i] = {0, fire[i].blue, fire[i].green, fire[i].red};
        return reversed;
    }();
    return palette;
}

void BlurAndFadeCellByCell(const Grid& from, Grid& to) {
    for (int row = 1; row < kRows - 1; ++row)
        for (int column = 0; column < kColumns; ++column) {
            int sum = from[row - 1][column] + 2 * from[row][column] + from[row + 1][column];
            int value = sum / 4;
            to[row][column] = static_cast<uint8_t>(value < 4 ? 0 : value - 4);
        }
}

void BlurAndFadeEightAtATime(const Grid& from, Grid& to) {
    // Sums of three rows fit in 16 bits (at most 1020); the fade is an 8-bit
    // subtraction that stops at 0.
    for (int row = 1; row < kRows - 1; ++row) {
        const uint8_t* above = from[row - 1].data();
        const uint8_t* middle = from[row].data();
        const uint8_t* below = from[row + 1].data();
        uint8_t* out = to[row].data();
        for (int column = 0; column < kColumns; column += 8) {
            uint16_t sum[8];
            for (int lane = 0; lane < 8; ++lane)
                sum[lane] = static_cast<uint16_t>(above[column + lane] + 2 * middle[column + lane] +
                                                  below[column + lane]);
            for (int lane = 0; lane < 8; ++lane) {
                uint8_t blurred = static_cast<uint8_t>(sum[lane] >> 2);
                out[column + lane] = static_cast<uint8_t>(blurred > 4 ? blurred - 4 : 0);
            }
        }
    }
}

FlashField::FlashField(std::vector<uint32_t> randomTable) : random_(std::move(randomTable)) {
    if (random_.empty()) random_.push_back(0);
}

void FlashField::Step() {
    copy_ = grid_;
    BlurAndFadeEightAtATime(copy_, grid_);
    DrawBolt();
    Colour();
}

void FlashField::DrawBolt() {
    int row = kRows / 2;
    for (int i = 0; i < kColumns / 2; ++i) {
        randomIndex_ = (randomIndex_ + 1) % static_cast<uint32_t>(random_.size());
        uint32_t x = random_[randomIndex_] & 0x7F;
        row += static_cast<int>(x % 3) - 1;
        if (row <= 0) row = 1;
        if (row >= kRows - 1) row = kRows - 2;
        grid_[row][i] = 255;
        grid_[row][kColumns - 1 - i] = 255;
    }
}

void FlashField::Colour() {
    const auto& palette = FlashPalette();
    uint8_t* texel = texels_.data();
    for (const auto& row : grid_)
        for (uint8_t value : row) {
            std::memcpy(texel, palette[value].data(), 4);
            texel += 4;
        }
}

}  // namespace strobe
