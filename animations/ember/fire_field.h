// The fire of the animation strip, as plain data: a grid of heat values fed
// from a fuel row at the bottom, rising, blurring, cooling and swaying one
// step per frame, and the texels it is shown through. No Windows or OpenGL
// headers: the plug-in uploads texels() after each Step().
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace ember {

constexpr int kColumns = 128;
constexpr int kPictureRows = 128;
constexpr int kFuelRow = kPictureRows;  // the row under the picture

struct Rgb {
    uint8_t red, green, blue;
};

// The 256-entry fire palette, by heat: black through dark blue, red, orange
// and yellow to white.
const std::array<Rgb, 256>& FirePalette();

class FireField {
public:
    // Random numbers for the fuel row; the plug-in passes the C library's
    // rand(), tests a repeatable sequence.
    using Random = std::function<int()>;

    FireField();
    void Step(const Random& random);

    uint8_t heat(int row, int column) const { return heat_[row][column]; }
    void SetHeat(int row, int column, uint8_t value) { heat_[row][column] = value; }
    // 128 x 128 texels of red, green, blue, alpha; row 0 first.
    const uint8_t* texels() const { return texels_.data(); }
    uint32_t phase() const { return phase_; }

private:
    void FeedFuel(const Random& random);

    std::array<std::array<uint8_t, kColumns>, kPictureRows + 1> heat_{};
    std::array<uint8_t, kColumns * kPictureRows * 4> texels_{};
    std::array<uint8_t, 128> sway_{};
    uint32_t phase_ = 0;
};

}  // namespace ember
