// The lightning flash of the animation strip, as plain data: an intensity
// grid where each step blurs and fades the earlier bolts and draws a new one,
// a random walk from both side edges to the middle, mirrored. No Windows or
// OpenGL headers: the plug-in uploads texels() after each Step().
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace strobe {

constexpr int kColumns = 256;
constexpr int kRows = 64;
constexpr int kRandomTableSize = 3847;

using Grid = std::array<std::array<uint8_t, kColumns>, kRows>;

// The flash palette: the fire's colours with each entry's bytes reversed, so
// low intensities are dark green, middle ones blue and high ones cyan.
// Entries are red, green, blue, alpha.
const std::array<std::array<uint8_t, 4>, 256>& FlashPalette();

// Rows 1 to 62 of 'to' become the vertical blur of 'from' less 4, never
// below 0; rows 0 and 63 are left alone. The first works cell by cell, the
// second eight cells at a time; both give the same grid.
void BlurAndFadeCellByCell(const Grid& from, Grid& to);
void BlurAndFadeEightAtATime(const Grid& from, Grid& to);

class FlashField {
public:
    // 'randomTable' holds the walk's random numbers (the plug-in fills it with
    // the C library's rand()); it is used from entry 1 on and wraps round.
    explicit FlashField(std::vector<uint32_t> randomTable);

    void Step();

    uint8_t intensity(int row, int column) const { return grid_[row][column]; }
    void SetIntensity(int row, int column, uint8_t value) { grid_[row][column] = value; }
    // 256 x 64 texels of red, green, blue, alpha; row 0 first.
    const uint8_t* texels() const { return texels_.data(); }
    uint32_t randomIndex() const { return randomIndex_; }

private:
    void DrawBolt();
    void Colour();

    Grid grid_{};
    Grid copy_{};
    std::array<uint8_t, kColumns * kRows * 4> texels_{};
    std::vector<uint32_t> random_;
    uint32_t randomIndex_ = 0;
};

}  // namespace strobe
