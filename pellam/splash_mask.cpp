#include "splash_mask.h"

#include <cstdlib>

namespace pellam {
namespace {

constexpr int kSmallSide = 17;   // below this a rectangle is not split
constexpr int kLargeSide = 256;  // above this on both sides, not worth classifying

enum class Content { Kept, Background, Mixed };

Content Classify(const TransparencyMask& mask, const MaskRect& r) {
    bool first = mask.Kept(r.left, r.top);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (mask.Kept(x, y) != first) return Content::Mixed;
    return first ? Content::Kept : Content::Background;
}

void AddBackgroundBits(uint8_t bits, int x, int y, int count, std::vector<MaskRect>& out) {
    for (int i = 0; i < count; ++i)
        if (!(bits & (0x80 >> i))) out.push_back({x + i, y, x + i + 1, y + 1});
}

void Cut(const TransparencyMask& mask, const MaskRect& r, std::vector<RegionCut>& cuts) {
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    bool small = w < kSmallSide || h < kSmallSide;
    Content content = !small && w > kLargeSide && h > kLargeSide ? Content::Mixed
                                                                  : Classify(mask, r);
    if (content == Content::Kept) return;
    if (content == Content::Background) {
        cuts.push_back({true, {r}});
        return;
    }
    if (small) {
        RegionCut scan;
        RowScan(mask, r, scan.rects);
        if (!scan.rects.empty()) cuts.push_back(std::move(scan));
        return;
    }
    int midX = r.left + (w - w / 2), midY = r.top + (h - h / 2);
    Cut(mask, {r.left, r.top, midX, midY}, cuts);
    Cut(mask, {midX, r.top, r.right, midY}, cuts);
    Cut(mask, {midX, midY, r.right, r.bottom}, cuts);
    Cut(mask, {r.left, midY, midX, r.bottom}, cuts);
}

}  // namespace

TransparencyMask::TransparencyMask(int width, int height)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      stride_(size_t(width_) / 8 + 4),
      bits_(stride_ * size_t(height_), 0) {}

bool TransparencyMask::Kept(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return (bits_[size_t(y) * stride_ + size_t(x) / 8] & (0x80 >> (x % 8))) != 0;
}

void TransparencyMask::Keep(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    bits_[size_t(y) * stride_ + size_t(x) / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
}

TransparencyMask BuildMask(const uint32_t* pixels, size_t pixelCount, int width, int height,
                           bool bottomUp, int tolerance) {
    if (!pixels || width <= 0 || height <= 0 || pixelCount / size_t(width) < size_t(height))
        return TransparencyMask();
    TransparencyMask mask(width, height);
    auto pixel = [&](int x, int y) {
        size_t row = bottomUp ? size_t(height - 1 - y) : size_t(y);
        return pixels[row * size_t(width) + size_t(x)];
    };
    auto channel = [](uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); };
    uint32_t key = pixel(0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t c = pixel(x, y);
            int difference = std::abs(channel(c, 16) - channel(key, 16)) +
                             std::abs(channel(c, 8) - channel(key, 8)) +
                             std::abs(channel(c, 0) - channel(key, 0));
            if (difference > tolerance) mask.Keep(x, y);
        }
    return mask;
}

void RowScan(const TransparencyMask& mask, const MaskRect& r, std::vector<MaskRect>& out) {
    int left = r.left < 0 ? 0 : r.left;
    int right = r.right > mask.width() ? mask.width() : r.right;
    int top = r.top < 0 ? 0 : r.top, bottom = r.bottom > mask.height() ? mask.height() : r.bottom;
    for (int y = top; y < bottom; ++y) {
        int x = left;
        for (; x < right && x % 8 != 0; ++x)  // leading partial byte
            if (!mask.Kept(x, y)) out.push_back({x, y, x + 1, y + 1});
        for (; x + 32 <= right; x += 32) {
            uint8_t bytes[4] = {mask.Byte(x, y), mask.Byte(x + 8, y), mask.Byte(x + 16, y),
                                mask.Byte(x + 24, y)};
            bool allClear = (bytes[0] | bytes[1] | bytes[2] | bytes[3]) == 0;
            bool allSet = (bytes[0] & bytes[1] & bytes[2] & bytes[3]) == 0xFF;
            if (allClear) {
                out.push_back({x, y, x + 32, y + 1});
            } else if (!allSet) {
                for (int i = 0; i < 4; ++i) AddBackgroundBits(bytes[i], x + 8 * i, y, 8, out);
            }
        }
        for (; x + 8 <= right; x += 8) {  // bytes near the end of the row
            uint8_t bits = mask.Byte(x, y);
            if (bits == 0)
                out.push_back({x, y, x + 8, y + 1});
            else if (bits != 0xFF)
                AddBackgroundBits(bits, x, y, 8, out);
        }
        for (; x < right; ++x)  // trailing partial byte
            if (!mask.Kept(x, y)) out.push_back({x, y, x + 1, y + 1});
    }
}

std::vector<RegionCut> BackgroundCuts(const TransparencyMask& mask) {
    std::vector<RegionCut> cuts;
    Cut(mask, {0, 0, mask.width(), mask.height()}, cuts);
    return cuts;
}

}  // namespace pellam
