// The outline of the splash window: which pixels of the picture stay part
// of the window, and the background rectangles to cut out of it, found with
// a quadtree and a row scan. No Windows headers: the program turns the cuts
// into GDI regions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pellam {

// One bit per pixel, rows top-down of (width / 8) + 4 bytes, bit
// 0x80 >> (x % 8) of byte x / 8; a set bit is a pixel that stays.
class TransparencyMask {
public:
    TransparencyMask() = default;
    TransparencyMask(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    size_t stride() const { return stride_; }
    bool Kept(int x, int y) const;
    void Keep(int x, int y);
    // The byte holding pixels x..x+7 of row y (x a multiple of 8).
    uint8_t Byte(int x, int y) const { return bits_[size_t(y) * stride_ + size_t(x) / 8]; }

private:
    int width_ = 0, height_ = 0;
    size_t stride_ = 0;
    std::vector<uint8_t> bits_;
};

// Pixels of a 32-bit picture (0x00RRGGBB, 'width' x 'height', rows
// bottom-up as a DIB section holds them when 'bottomUp'). The key colour
// is the top-left pixel; a pixel stays when |R-R0| + |G-G0| + |B-B0| is
// greater than 'tolerance'. An empty mask when the pixels are fewer than
// the size says.
TransparencyMask BuildMask(const uint32_t* pixels, size_t pixelCount, int width, int height,
                           bool bottomUp, int tolerance);

struct MaskRect {
    int left, top, right, bottom;
    bool operator==(const MaskRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// One subtraction from the window region: a rectangle found to be all
// background, or the one-row rectangles of a row scan, made into one region.
struct RegionCut {
    bool wholeRectangle = false;
    std::vector<MaskRect> rects;
};

// Quadtree over the whole mask: rectangles with a side below 17 are
// classified and row-scanned when mixed; larger ones are split in four
// (top-left, top-right, bottom-right, bottom-left) unless all kept or all
// background, and those with both sides over 256 are split unclassified.
std::vector<RegionCut> BackgroundCuts(const TransparencyMask& mask);

// The row scan of one rectangle: one-row rectangles for its background
// pixels, whole 32-bit words and bytes of clear bits taken at once.
void RowScan(const TransparencyMask& mask, const MaskRect& rect, std::vector<MaskRect>& out);

}  // namespace pellam
